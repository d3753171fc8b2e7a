#include "foundation/io/PictureFiles.h"

#include <iterator>

#include "foundation/io/Paths.h"

namespace {

// In the order in which a name without extension is tried.
constexpr const char16_t* kExtensions[] = {u"bmp", u"jpg", u"gif", u"tif", u"png"};

}  // namespace

int32_t PictureTypeFromExt(const QString& path)
{
    const QString ext = GetFileExtPart(path);
    for (int32_t i = 0; i < int32_t(std::size(kExtensions)); ++i)
        if (ext == QStringView(kExtensions[i]))
            return kPictureBmp + i;
    return kPictureOther;
}

QString FindPictureFile(const QString& base)
{
    for (const char16_t* ext : kExtensions) {
        const QString path = base + u'.' + QString::fromUtf16(ext);
        if (PathExists(path))
            return path;
    }
    return QString();
}
