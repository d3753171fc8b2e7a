#include "render/pictures/DrawPicture.h"

#include "foundation/text/StringUtils.h"
#include "platform/Dc.h"

namespace {

bool Draw(const WinRect& rect, const TPicture& picture, Dc& dc, RasterOp op)
{
    const WinRect whole{0, 0, picture.image.width(), picture.image.height()};
    return dc.StretchBlt(rect, picture.image, whole, op);
}

WinRect Fit(const TPicture& picture, const WinRect& rect)
{
    return FitRectKeepAspect(picture.image.width(), picture.image.height(), rect);
}

}  // namespace

bool DrawPictureCopy(const WinRect& rect, const TPicture& picture, Dc& dc)
{
    return Draw(rect, picture, dc, RasterOp::Copy);
}

bool DrawPictureMultiply(const WinRect& rect, const TPicture& picture, Dc& dc)
{
    return Draw(rect, picture, dc, RasterOp::And);
}

bool DrawPictureFitCopy(const TPicture& picture, const WinRect& rect, Dc& dc)
{
    return Draw(Fit(picture, rect), picture, dc, RasterOp::Copy);
}

bool DrawPictureFitMultiply(const TPicture& picture, const WinRect& rect, Dc& dc)
{
    return Draw(Fit(picture, rect), picture, dc, RasterOp::And);
}
