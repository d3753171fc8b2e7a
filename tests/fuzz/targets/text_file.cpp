// The line reader of text files: byte-order marks, GBK, UTF-8 and UTF-16 in
// both orders, the three line ends, and lines cut by small read chunks.
#include "FuzzTarget.h"

#include <QStringEncoder>

#include "foundation/io/TextFile.h"

// read-chunk selector · the file
void FuzzOne(FuzzInput input)
{
    // Small chunks put the chunk boundaries inside marks, pairs and line ends.
    const uint8_t chunk = input.TakeByte();
    TTextFile file(chunk == 0 ? TTextFile::kReadChunk : chunk);
    if (!file.OpenReadBuffer(input.RestBytes()))
        return;
    QString line;
    while (file.ReadLine(line)) {
    }
}

void WriteSeeds(SeedWriter& seeds)
{
    seeds.AddFixtures({"*.txt", "*.pra"}, QByteArray(1, 0));
    const QString text = QStringLiteral("關關雎鳩\r\n在河之洲\n\r窈窕淑女\r君子好逑");
    seeds.Add(QStringLiteral("utf8"), "\x05\xEF\xBB\xBF" + text.toUtf8());
    seeds.Add(QStringLiteral("gbk"), "\x07" + QStringEncoder("GBK").encode(text));
    QByteArray le("\x06\xFF\xFE");
    le += QByteArray(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    seeds.Add(QStringLiteral("utf16le"), le);
}
