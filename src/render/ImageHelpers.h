#pragma once

#include "platform/Rect.h"
#include "platform/Surface.h"
#include "render/Colors.h"

namespace tessark {

// A copy of the image in which every pixel of colour `from` has become `to`.
Surface ReplaceColor(const Surface& image, ColorRef from, ColorRef to);
void ReplaceColorInPlace(Surface& image, ColorRef from, ColorRef to);

// Darkens the rectangle (logical units) in a checkerboard anchored at the surface's pixel (0, 0):
// every other pixel turns black, and then takes the colour when it is not 0.
void FillDithered(Surface& surface, const Rect& area, ColorRef color);

// The colour-keyed copy done with masks, for when the plain keyed copy is switched off. It keeps
// its work images between calls, so one instance serves many draws without allocating.
class TransparentBitmapDrawer {
public:
    // Draws the image into the logical rectangle of its own size at (x, y), scaled by the
    // surface's mapping like every other sprite copy; pixels equal to the key stay unchanged.
    void Draw(Surface& surface, const ImageView& image, int x, int y, ColorRef key);

private:
    Surface scaled_;
    Surface mask_;
    Surface inverseMask_;
    Surface work_;
};

// One-off form of TransparentBitmapDrawer::Draw.
void DrawTransparentBitmap(Surface& surface, const ImageView& image, int x, int y, ColorRef key);

}  // namespace tessark
