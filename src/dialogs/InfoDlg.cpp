#include "dialogs/InfoDlg.h"

#include <QGridLayout>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>

#include "render/SpriteRenderer.h"

namespace tessark {

CInfoDlg::CInfoDlg(const ItemDatabase& database, SpriteRenderer& renderer, QWidget* parent)
    : QDialog(parent), database_(database), renderer_(renderer), picture_(new QLabel(this)),
      id_(new QLabel(this)), clientId_(new QLabel(this)), lines_(new QListWidget(this))
{
    setObjectName("InfoDlg");
    setWindowTitle("Information");
    setAttribute(Qt::WA_DeleteOnClose);
    picture_->setObjectName("Picture");
    picture_->setFixedSize(kPictureSize, kPictureSize);
    picture_->setFrameShape(QFrame::Box);
    id_->setObjectName("IdValue");
    clientId_->setObjectName("ClientIdValue");
    lines_->setObjectName("PropertyList");

    auto* layout = new QGridLayout(this);
    layout->addWidget(picture_, 0, 0, 2, 1);
    layout->addWidget(new QLabel("id:", this), 0, 1);
    layout->addWidget(id_, 0, 2);
    layout->addWidget(new QLabel("cid:", this), 1, 1);
    layout->addWidget(clientId_, 1, 2);
    layout->setColumnStretch(2, 1);
    layout->addWidget(lines_, 2, 0, 1, 3);
    resize(260, 300);
}

void CInfoDlg::ShowType(int32_t key)
{
    const std::optional<ItemInfoText> text = info_.Show(database_, key);
    if (!text) {
        return;
    }
    // Drawn by its bottom-right corner, so a large type fills the frame from there.
    const QColor background = palette().color(QPalette::Window);
    surface_.Resize(kPictureSize, kPictureSize, background.rgb() & 0x00FFFFFF);
    renderer_.DrawPaletteItem(surface_, key, kPictureSize, kPictureSize);
    const QImage image(reinterpret_cast<const uchar*>(surface_.Pixels()), kPictureSize, kPictureSize,
                       surface_.BytesPerLine(), QImage::Format_RGB32);
    picture_->setPixmap(QPixmap::fromImage(image));
    id_->setText(QString::fromStdString(text->id));
    clientId_->setText(QString::fromStdString(text->clientId));
    lines_->setUpdatesEnabled(false);
    lines_->clear();
    for (const std::string& line : text->lines) {
        lines_->addItem(QString::fromStdString(line));
    }
    lines_->setUpdatesEnabled(true);
}

}  // namespace tessark
