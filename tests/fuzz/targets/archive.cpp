// The archive's loading side: integers of each width and the length-
// prefixed string form, in whatever order the input asks for them.
#include "FuzzTarget.h"

#include <QBuffer>

#include "platform/Archive.h"

namespace {
QByteArray Written(const QString& text)
{
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    Archive(device, Archive::Mode::Store).WriteString(text);
    return bytes;
}

void RequireRoundTrip(const QString& text)
{
    QByteArray written = Written(text);
    QBuffer device(&written);
    device.open(QIODevice::ReadOnly);
    QString reread;
    Archive(device, Archive::Mode::Load).ReadString(reread);
    RequireSameBytes(written, Written(reread), "string");
}

// One operation per byte of the input's own stream.
void ReadOne(Archive& archive, uint8_t operation)
{
    QString text;
    uint8_t u8 = 0;
    uint16_t u16 = 0;
    int32_t i32 = 0;
    int64_t i64 = 0;
    switch (operation % 5) {
    case 0:
        if (archive.ReadString(text))
            RequireRoundTrip(text);
        break;
    case 1:
        archive.Read(u8);
        break;
    case 2:
        archive.Read(u16);
        break;
    case 3:
        archive.Read(i32);
        break;
    default:
        archive.Read(i64);
        break;
    }
}
}  // namespace

// operations and data in one stream: an operation byte, then what it reads
void FuzzOne(FuzzInput input)
{
    QByteArray bytes = input.RestBytes();
    QBuffer device(&bytes);
    device.open(QIODevice::ReadOnly);
    Archive archive(device, Archive::Mode::Load);
    uint8_t operation = 0;
    while (archive.Read(operation))
        ReadOne(archive, operation);
}

void WriteSeeds(SeedWriter& seeds)
{
    QByteArray bytes;
    QBuffer device(&bytes);
    device.open(QIODevice::WriteOnly);
    Archive archive(device, Archive::Mode::Store);
    archive.Write(uint8_t(0));
    archive.WriteString(QStringLiteral("關關雎鳩"));
    archive.Write(uint8_t(0));
    archive.WriteString(QString(300, QChar(u'字')));
    archive.Write(uint8_t(3));
    archive.Write(int32_t(-7));
    // An 8-bit (GBK) string: its length byte and its bytes.
    archive.Write(uint8_t(0));
    archive.Write(uint8_t(4));
    archive.Write(uint32_t(0xD8CCB0BA));
    seeds.Add(QStringLiteral("strings"), bytes);
}
