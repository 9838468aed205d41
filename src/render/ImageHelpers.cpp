#include "render/ImageHelpers.h"

namespace tessark {

namespace {
constexpr uint32_t kWhite = 0x00FFFFFF;
constexpr Pattern8 kCheckerboard{0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
}  // namespace

void ReplaceColorInPlace(Surface& image, ColorRef from, ColorRef to)
{
    const uint32_t fromPixel = ColorRefToPixel(from);
    const uint32_t toPixel = ColorRefToPixel(to);
    uint32_t* pixels = image.Pixels();
    const size_t count = static_cast<size_t>(image.Width()) * image.Height();
    for (size_t i = 0; i < count; ++i) {
        if (pixels[i] == fromPixel) {
            pixels[i] = toPixel;
        }
    }
}

Surface ReplaceColor(const Surface& image, ColorRef from, ColorRef to)
{
    Surface copy = image;
    copy.ResetClip();
    ReplaceColorInPlace(copy, from, to);
    return copy;
}

void FillDithered(Surface& surface, const Rect& area, ColorRef color)
{
    const Rect pixels = surface.ToDevice(area);
    // Pattern 0 bits draw in the text colour, 1 bits in the background colour.
    surface.PatternFill(pixels, kCheckerboard, 0, kWhite, PatternOp::And);
    if (color != 0) {
        surface.PatternFill(pixels, kCheckerboard, ColorRefToPixel(color), 0, PatternOp::Or);
    }
}

void TransparentBitmapDrawer::Draw(Surface& surface, const ImageView& image, int x, int y, ColorRef key)
{
    if (image.IsEmpty()) {
        return;
    }
    const Rect target = surface.ToDevice(Rect{x, y, x + image.width, y + image.height});
    if (target.IsEmpty() || !surface.IsVisible(target)) {
        return;
    }
    const int w = target.Width();
    const int h = target.Height();
    const uint32_t keyPixel = ColorRefToPixel(key);

    // The image at its drawn size; the caller's image is never touched.
    scaled_.Resize(w, h);
    scaled_.StretchCopy(scaled_.Bounds(), image);

    // Set where the image shows its key (white), clear where it is opaque; and the inverse.
    mask_.Resize(w, h);
    inverseMask_.Resize(w, h);
    const uint32_t* from = scaled_.Pixels();
    uint32_t* mask = mask_.Pixels();
    uint32_t* inverse = inverseMask_.Pixels();
    for (size_t i = 0, n = static_cast<size_t>(w) * h; i < n; ++i) {
        const bool isKey = from[i] == keyPixel;
        mask[i] = isKey ? kWhite : 0;
        inverse[i] = isKey ? 0 : kWhite;
    }

    work_.Resize(w, h);
    for (int row = 0; row < h; ++row) {
        for (int column = 0; column < w; ++column) {
            work_.Row(row)[column] = surface.Pixel(target.left + column, target.top + row);
        }
    }
    work_.AndWith(work_.Bounds(), mask_.View());
    scaled_.AndWith(scaled_.Bounds(), inverseMask_.View());
    work_.OrWith(work_.Bounds(), scaled_.View());
    surface.StretchCopy(target, work_.View());
}

void DrawTransparentBitmap(Surface& surface, const ImageView& image, int x, int y, ColorRef key)
{
    TransparentBitmapDrawer().Draw(surface, image, x, y, key);
}

}  // namespace tessark
