#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "foundation/Picture.h"
#include "foundation/io/PictureFiles.h"

namespace {

const QColor kSeal(0x80, 0x80, 0x80);

// A 1 x 1 GIF whose one pixel is red (Qt writes no GIF).
const unsigned char kRedGif[] = {
    'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0,  // screen, 2-colour table
    0xFF, 0x00, 0x00, 0x00, 0x00, 0x00,                    // red, black
    ',', 0, 0, 0, 0, 1, 0, 1, 0, 0,                        // image 1 x 1
    2, 2, 0x44, 0x01, 0,                                   // clear, 0, end
    ';',
};

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// Left half white, right half the seal grey.
QImage HalfSeal(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(w / 2, 0, w - w / 2, h, kSeal);
    return image;
}

bool Near(QColor a, QColor b)
{
    return std::abs(a.red() - b.red()) <= 8 && std::abs(a.green() - b.green()) <= 8 && std::abs(a.blue() - b.blue()) <= 8;
}

}  // namespace

TEST(Picture, LoadsEachFormatByContent)
{
    QTemporaryDir dir;
    const QImage source = HalfSeal(8, 4);
    struct Case { const char* file; const char* writeAs; int32_t type; QColor right; };
    const Case cases[] = {
        {"a.bmp", "BMP", kPictureBmp, kSeal},
        {"a.jpg", "JPEG", kPictureJpg, kSeal},
        {"a.tif", "TIFF", kPictureTif, kSeal},
        {"a.png", "PNG", kPicturePng, kSeal},
        {"b.jpg", "PNG", kPictureJpg, kSeal},  // the content decides, the name gives the type
        {"SEAL.PNG", "PNG", kPictureOther, kSeal},
        {"a.gif", nullptr, kPictureGif, Qt::red},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString path = dir.filePath(c.file);
        if (c.writeAs) {
            ASSERT_TRUE(source.save(path, c.writeAs));
        } else {
            WriteBytes(path, QByteArray(reinterpret_cast<const char*>(kRedGif), sizeof kRedGif));
        }
        TPicture picture;
        ASSERT_TRUE(LoadPicture(path, picture));
        EXPECT_EQ(picture.name, c.file);
        EXPECT_EQ(picture.type, c.type);
        const int w = picture.image.width();
        EXPECT_EQ(w, c.writeAs ? 8 : 1);
        EXPECT_TRUE(Near(picture.image.pixelColor(w - 1, 0), c.right));
        if (w > 1) {
            EXPECT_TRUE(Near(picture.image.pixelColor(0, 0), Qt::white));
        }
    }
}

TEST(Picture, TransparencyIsLaidOntoWhite)
{
    QTemporaryDir dir;
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixelColor(0, 0, Qt::transparent);
    source.setPixelColor(1, 0, QColor(0, 0, 0, 128));
    ASSERT_TRUE(source.save(dir.filePath("t.png")));
    TPicture picture;
    ASSERT_TRUE(LoadPicture(dir.filePath("t.png"), picture));
    EXPECT_FALSE(picture.image.hasAlphaChannel());
    EXPECT_EQ(picture.image.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_TRUE(Near(picture.image.pixelColor(1, 0), QColor(127, 127, 127)));
}

TEST(Picture, AFailedLoadLeavesAnEmptyPicture)
{
    QTemporaryDir dir;
    ASSERT_TRUE(HalfSeal(4, 4).save(dir.filePath("ok.png")));
    WriteBytes(dir.filePath("bad.png"), "not a picture");
    for (const char* file : {"bad.png", "missing.png"}) {
        TPicture picture;
        ASSERT_TRUE(LoadPicture(dir.filePath("ok.png"), picture));
        EXPECT_FALSE(LoadPicture(dir.filePath(file), picture)) << file;
        EXPECT_TRUE(picture.image.isNull());
        EXPECT_TRUE(picture.name.isEmpty());
        EXPECT_EQ(picture.type, kPictureOther);
    }
}
