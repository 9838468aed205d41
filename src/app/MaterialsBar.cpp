#include "app/MaterialsBar.h"

#include <QComboBox>
#include <QResizeEvent>

#include "app/DisplayText.h"
#include "app/SpriteListCtrl.h"
#include "data/MaterialList.h"

namespace tessark {

namespace {

// The bar's client: the material box across the top, the palette below it.
class MaterialsBarContents final : public QWidget {
public:
    MaterialsBarContents(QWidget* parent) : QWidget(parent) {}

    QWidget* box = nullptr;
    CSpriteListCtrl* palette = nullptr;

    QSize sizeHint() const override
    {
        return {palette != nullptr ? palette->WidthForColumns(2) : 0, CMyBar::kDefaultHeight};
    }
    QSize minimumSizeHint() const override { return {60, 80}; }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        const QSize size = event->size();
        if (box != nullptr) {
            box->setGeometry(0, 0, size.width(), std::min(box->sizeHint().height(), 35));
        }
        if (palette != nullptr) {
            palette->setGeometry(0, 35, size.width(), std::max(0, size.height() - 40));
        }
    }
};

}  // namespace

int CMyBar::DefaultWidth() const
{
    return palette_->WidthForColumns(2);
}

CMyBar::CMyBar(const CMaterialList& materials, const ItemDatabase& items, SpriteRenderer& renderer,
               QWidget* parent)
    : QDockWidget("Materials", parent), materials_(materials)
{
    setObjectName("Materials");
    setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable |
                QDockWidget::DockWidgetFloatable);

    auto* contents = new MaterialsBarContents(this);
    palette_ = new CSpriteListCtrl(materials, items, renderer, contents);
    materialBox_ = new QComboBox(contents);
    materialBox_->setObjectName("MaterialBox");
    // A dropped height of 240 pixels.
    materialBox_->setMaxVisibleItems(std::max(1, 240 / std::max(1, materialBox_->fontMetrics().height() + 4)));
    contents->box = materialBox_;
    contents->palette = palette_;
    setWidget(contents);

    for (int i = 0; i < materials.GetMaterialCount(); ++i) {
        materialBox_->addItem(ToDisplayText(materials.GetMaterial(i).GetName()));
    }
    materialBox_->setCurrentIndex(materials.GetMaterialCount() > 0 ? 0 : -1);
    palette_->Refresh();

    connect(materialBox_, &QComboBox::activated, palette_, &CSpriteListCtrl::SetMaterial);
    connect(palette_, &CSpriteListCtrl::Notified, this, &CMyBar::OnPaletteNotified);
}

void CMyBar::OnPaletteNotified()
{
    const int mark = palette_->SelectionMark();
    if (mark < 0) {
        return;
    }
    const int32_t key = materials_.GetMaterial(palette_->CurrentMaterial()).GetItem(mark);
    if (key == -1) {
        return;
    }
    palette_->NoteBrushType(key);
    emit BrushTypeChosen(key);
}

void CMyBar::ShowTypeInPalette(int32_t key)
{
    const int index = materials_.FindMaterialOfItem(key);
    if (index >= 0) {
        materialBox_->setCurrentIndex(index);
    }
    palette_->SelectType(key);
}

}  // namespace tessark
