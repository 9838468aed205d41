#include "app/ToolbarIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygon>

#include "app/CommandIds.h"

namespace tessark {

namespace {

constexpr int kWidth = 16;
constexpr int kHeight = 15;

void DrawPage(QPainter& p, int x, int y)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(x, y), QPoint(x + 6, y), QPoint(x + 9, y + 3), QPoint(x + 9, y + 12),
                            QPoint(x, y + 12)}));
    p.drawLine(x + 6, y, x + 6, y + 3);
    p.drawLine(x + 6, y + 3, x + 9, y + 3);
}

void DrawArrow(QPainter& p)
{
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygon({QPoint(4, 1), QPoint(4, 12), QPoint(7, 9), QPoint(9, 14), QPoint(11, 13),
                            QPoint(9, 8), QPoint(13, 8)}));
}

void DrawHouse(QPainter& p)
{
    p.setPen(Qt::black);
    p.setBrush(QColor(200, 60, 40));
    p.drawPolygon(QPolygon({QPoint(1, 7), QPoint(8, 1), QPoint(15, 7)}));
    p.setBrush(QColor(230, 210, 160));
    p.drawRect(3, 7, 10, 7);
    p.setBrush(QColor(120, 70, 30));
    p.drawRect(7, 10, 2, 4);
}

void Draw(QPainter& p, int id)
{
    using namespace command;
    switch (id) {
    case NewMap:
        DrawPage(p, 3, 1);
        break;
    case OpenMap:
        p.setPen(Qt::black);
        p.setBrush(QColor(240, 200, 80));
        p.drawRect(1, 4, 12, 9);
        p.drawPolygon(QPolygon({QPoint(3, 7), QPoint(15, 7), QPoint(13, 13), QPoint(1, 13)}));
        break;
    case FileSave:
        p.setPen(Qt::black);
        p.setBrush(QColor(40, 60, 150));
        p.drawRect(1, 1, 13, 13);
        p.setBrush(Qt::white);
        p.drawRect(4, 1, 7, 5);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(4, 9, 7, 5);
        break;
    case Cut:
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(5, 1, 10, 9);
        p.drawLine(10, 1, 5, 9);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(2, 9, 4, 4);
        p.drawEllipse(9, 9, 4, 4);
        break;
    case Copy:
        DrawPage(p, 1, 0);
        DrawPage(p, 6, 2);
        break;
    case Paste:
        p.setPen(Qt::black);
        p.setBrush(QColor(170, 120, 60));
        p.drawRect(1, 2, 10, 12);
        p.setBrush(QColor(200, 200, 200));
        p.drawRect(4, 1, 4, 2);
        DrawPage(p, 6, 2);
        break;
    case Undo:
    case Redo: {
        // A curved arrow turning left for undo, mirrored for redo.
        if (id == Redo) {
            p.translate(kWidth, 0);
            p.scale(-1, 1);
        }
        p.setPen(QPen(QColor(40, 60, 150), 2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(3, 3, 11, 10, 0, 200 * 16);
        p.setPen(Qt::black);
        p.setBrush(QColor(40, 60, 150));
        p.drawPolygon(QPolygon({QPoint(0, 8), QPoint(6, 8), QPoint(3, 12)}));
        break;
    }
    case SelectTool:
        DrawArrow(p);
        break;
    case MoveTool:
        p.setPen(QPen(Qt::black, 2));
        p.drawLine(8, 1, 8, 13);
        p.drawLine(2, 7, 14, 7);
        p.setPen(Qt::black);
        p.setBrush(Qt::black);
        p.drawPolygon(QPolygon({QPoint(8, 0), QPoint(5, 3), QPoint(11, 3)}));
        p.drawPolygon(QPolygon({QPoint(8, 14), QPoint(5, 11), QPoint(11, 11)}));
        p.drawPolygon(QPolygon({QPoint(1, 7), QPoint(4, 4), QPoint(4, 10)}));
        p.drawPolygon(QPolygon({QPoint(15, 7), QPoint(12, 4), QPoint(12, 10)}));
        break;
    case SelectionTool:
        p.setPen(QPen(Qt::black, 1, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(1, 2, 13, 10);
        break;
    case PaintBrush:
        p.setPen(Qt::black);
        p.setBrush(QColor(150, 100, 50));
        p.drawPolygon(QPolygon({QPoint(13, 0), QPoint(15, 2), QPoint(8, 9), QPoint(6, 7)}));
        p.setBrush(QColor(40, 150, 40));
        p.drawPolygon(QPolygon({QPoint(6, 7), QPoint(8, 9), QPoint(4, 14), QPoint(0, 14), QPoint(2, 10)}));
        break;
    case Eraser:
        p.setPen(Qt::black);
        p.setBrush(QColor(240, 140, 160));
        p.drawPolygon(QPolygon({QPoint(6, 3), QPoint(15, 3), QPoint(10, 12), QPoint(1, 12)}));
        p.setBrush(Qt::white);
        p.drawPolygon(QPolygon({QPoint(3, 9), QPoint(8, 9), QPoint(6, 12), QPoint(1, 12)}));
        break;
    case ProtectionZoneTool:
        p.setPen(Qt::black);
        p.setBrush(QColor(0, 128, 0));
        p.drawPolygon(QPolygon({QPoint(2, 1), QPoint(14, 1), QPoint(14, 7), QPoint(8, 14), QPoint(2, 7)}));
        p.setPen(QPen(Qt::white, 2));
        p.drawLine(8, 3, 8, 10);
        p.drawLine(5, 6, 11, 6);
        break;
    case SpawnTool:
        p.setPen(Qt::black);
        p.setBrush(QColor(128, 0, 0));
        p.drawEllipse(1, 1, 13, 12);
        p.setBrush(QColor(250, 220, 120));
        p.drawEllipse(5, 4, 5, 5);
        break;
    case HouseTool:
        DrawHouse(p);
        break;
    case About:
        p.setPen(Qt::black);
        p.setBrush(QColor(60, 90, 200));
        p.drawEllipse(1, 0, 13, 13);
        p.setPen(Qt::white);
        p.setFont(QFont("DejaVu Sans", 8, QFont::Bold));
        p.drawText(QRect(1, 0, 14, 14), Qt::AlignCenter, "?");
        break;
    default:
        break;
    }
}

}  // namespace

QIcon ToolbarIcon(int commandId)
{
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    Draw(painter, commandId);
    painter.end();
    return QIcon(pixmap);
}

}  // namespace tessark
