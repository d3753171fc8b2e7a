#include "foundation/Picture.h"

#include <QImageReader>
#include <QPainter>

#include "foundation/io/Paths.h"
#include "foundation/io/PictureFiles.h"
#include "foundation/text/StringUtils.h"
#include "platform/Dc.h"

namespace {

// Scanned pages can exceed Qt's default limit of 256 MiB per picture.
constexpr int kAllocationLimitMiB = 2048;

void RaiseAllocationLimit()
{
    static const bool raised = (QImageReader::setAllocationLimit(kAllocationLimitMiB), true);
    (void)raised;
}

QImage Opaque(const QImage& image)
{
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    return flat;
}

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

bool LoadPicture(const QString& path, TPicture& picture)
{
    FreePicture(picture);
    RaiseAllocationLimit();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QImage image = reader.read();
    if (image.isNull())
        return false;
    picture.image = Opaque(image);
    picture.name = GetFileNamePart(path);
    picture.type = PictureTypeFromExt(path);
    return true;
}

void FreePicture(TPicture& picture)
{
    picture = TPicture();
}

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
