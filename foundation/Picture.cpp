#include "foundation/Picture.h"

#include <QImageReader>
#include <QPainter>

#include "foundation/io/Paths.h"
#include "foundation/io/PictureFiles.h"
#include "foundation/text/StringUtils.h"

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
