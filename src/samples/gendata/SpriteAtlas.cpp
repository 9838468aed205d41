#include "samples/gendata/SpriteAtlas.h"

namespace tessark::gendata {

std::vector<uint16_t> SpriteAtlas::PaintType(const ItemType& layout, const Painter& paint, uint32_t stream)
{
    constexpr int kCell = 32;
    std::vector<uint16_t> ids;
    const int w = layout.width;
    const int h = layout.height;
    for (int phase = 0; phase < layout.animationPhases; ++phase) {
        for (int py = 0; py < layout.patternY; ++py) {
            for (int px = 0; px < layout.patternX; ++px) {
                for (int layer = 0; layer < layout.layers; ++layer) {
                    Canvas canvas(w * kCell, h * kCell);
                    SeededRandom random = SeededRandom::For(seed_, stream, static_cast<uint64_t>(px + 256 * py),
                                                            static_cast<uint64_t>(layer));
                    paint(canvas, Frame{seed_, px, py, phase, layer}, random);
                    for (int cy = 0; cy < h; ++cy) {
                        for (int cx = 0; cx < w; ++cx) {
                            sprites_.push_back(canvas.Cell((w - 1 - cx) * kCell, (h - 1 - cy) * kCell));
                            ids.push_back(static_cast<uint16_t>(sprites_.size()));
                        }
                    }
                }
            }
        }
    }
    return ids;
}

}  // namespace tessark::gendata
