#include "view/ViewPainter.h"

#include "model/TessarkDoc.h"
#include "platform/Surface.h"
#include "render/SpriteRenderer.h"
#include "render/ViewGeometry.h"

namespace tessark {

void PaintMap(Surface&, const CTessarkDoc&, SpriteRenderer&, const ViewGeometry&, const ViewPaintState&,
              const Rect&)
{
}

}  // namespace tessark
