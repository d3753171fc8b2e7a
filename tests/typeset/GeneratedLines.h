#pragma once
// Generated source lines for typesetting at scale: plain text with
// punctuation, font, spacing, special-format, circled and emphasis runs and
// notes, and the same with line tags (titles, indents, raised heads, volume
// names, pictures) and head and side notes. Deterministic, so the pages they
// give can be compared between builds. Header only, so that the benchmarks
// use it as well.
#include <cstdint>
#include <iterator>
#include <vector>

#include <QString>

namespace generated_lines {

inline const QString kVerse = QStringLiteral("山高月小水落石出曾日月之幾何而江山不可復識矣予乃攝衣而上履巉巖披蒙茸");
inline const QString kMarks = QStringLiteral("，。、；：「」《》？！");

// A line of plain text with a mark every few characters.
inline QString Plain(uint32_t& seed, int32_t length, int64_t& shown)
{
    QString text;
    for (int32_t i = 0; i < length; ++i) {
        seed = seed * 1103515245u + 12345u;
        text += kVerse[qsizetype((seed >> 16) % uint32_t(kVerse.size()))];
        if ((seed >> 8) % 7 == 0)
            text += kMarks[qsizetype((seed >> 4) % uint32_t(kMarks.size()))];
    }
    shown += text.size();
    return text;
}

}  // namespace generated_lines

// Lines of 40 to 300 characters until characters are written (shown gets
// the number); every line mixes in runs and a note.
inline std::vector<QString> GeneratedLines(int64_t characters, int64_t& shown)
{
    using generated_lines::Plain;
    std::vector<QString> out;
    uint32_t seed = 7;
    shown = 0;
    while (shown < characters) {
        const int32_t length = 40 + int32_t((seed >> 3) % 260);
        QString line = Plain(seed, length / 2, shown);
        switch (out.size() % 5) {
        case 0: line += QStringLiteral("【ZT楷】") + Plain(seed, 12, shown) + QStringLiteral("【-ZT】"); break;
        case 1: line += QStringLiteral("【ZJ2】") + Plain(seed, 3, shown) + QStringLiteral("【-ZJ】"); break;
        case 2: line += QStringLiteral("【TS】") + Plain(seed, 30, shown) + QStringLiteral("【-TS】"); break;
        case 3: line += QStringLiteral("【YQ】") + Plain(seed, 1, shown) + QStringLiteral("【-YQ】"); break;
        default: line += QStringLiteral("【QD】") + Plain(seed, 8, shown) + QStringLiteral("【-QD】"); break;
        }
        line += QStringLiteral("【ZW】") + Plain(seed, 5 + length / 10, shown) + QStringLiteral("【-ZW】");
        line += Plain(seed, length / 2, shown);
        out.push_back(line);
    }
    return out;
}

// The same lines with a line tag or a note on every line.
inline std::vector<QString> GeneratedTaggedLines(int64_t characters, int64_t& shown)
{
    std::vector<QString> out = GeneratedLines(characters, shown);
    const QString heads[] = {QStringLiteral("【BT1-卷首】"), QStringLiteral("【2-1BK】"), QStringLiteral("【TT】"),
                             QStringLiteral("【1BK】"),      QString(),                  QStringLiteral("【TP2*5-3+圖】"),
                             QString(),                     QStringLiteral("【BT2-節】")};
    for (size_t i = 0; i < out.size(); ++i) {
        QString& line = out[i];
        if (i % 200 == 0)
            line.prepend(QStringLiteral("【JM卷") + QString::number(i / 200) + QStringLiteral("】"));
        line.prepend(heads[i % std::size(heads)]);
        if (i % 3 == 0)
            line.insert(line.size() / 3, QStringLiteral("【CP批】旁注之文【-CP】"));
        if (i % 4 == 0)
            line.insert(line.size() / 2, QStringLiteral("【MP】眉批之文【-MP】"));
    }
    return out;
}
