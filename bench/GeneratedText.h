#pragma once
// Pre-processed texts for the benchmarks: a volume name, a title every 20
// lines (or as told), lines of 40 to 120 characters with punctuation, in
// UTF-8 with its mark (texts without it are read as GBK).
#include <cstdint>

#include <QFile>
#include <QString>

// A volume text of at least characters characters (marks not counted);
// gives the number written.
inline int64_t WriteGeneratedText(const QString& path, const QString& volumeName, int64_t characters, uint32_t& seed,
                                  int32_t linesPerTitle = 20)
{
    static const QString verse = QStringLiteral("山高月小水落石出曾日月之幾何而江山不可復識矣予乃攝衣而上履巉巖披蒙茸");
    static const QString marks = QStringLiteral("，。、；：「」？！");
    QString text = QStringLiteral("\uFEFF【JM") + volumeName + QStringLiteral("】\n");
    int64_t written = 0;
    for (int32_t line = 0; written < characters; ++line) {
        if (line % linesPerTitle == 0)
            text += QStringLiteral("【BT1-第%1篇】\n").arg(line / linesPerTitle + 1);
        seed = seed * 1103515245u + 12345u;
        const int32_t length = 40 + int32_t((seed >> 8) % 80);
        for (int32_t i = 0; i < length; ++i) {
            seed = seed * 1103515245u + 12345u;
            text += verse[qsizetype((seed >> 16) % uint32_t(verse.size()))];
            if ((seed >> 8) % 9 == 0)
                text += marks[qsizetype((seed >> 4) % uint32_t(marks.size()))];
        }
        written += length;
        text += u'\n';
    }
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(text.toUtf8());
    return written;
}
