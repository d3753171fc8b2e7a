// The index that the page-to-source map searches with gives what a scan of
// the source from each start gives: for every start, for keys found and
// not found, in every edition's form, over tags, note blocks, glyph tags
// and blanks, and over the sample text.
#include <gtest/gtest.h>

#include <QFile>

#include "foundation/io/TextFile.h"
#include "foundation/params/PunctuationMarks.h"
#include "typeset/sourcemap/TypesetTextIndex.h"

using namespace Qt::StringLiterals;

namespace {

constexpr TSourceMapForm kForms[] = {
    kWoodblockSourceMap,
    {u'\uFE3B', u'\uFE3C', true, false},
    {u'【', u'】', false, false},
};

QString InForm(const QString& source, const TSourceMapForm& form)
{
    if (!form.verticalSource)
        return source;
    QString vertical;
    ToVerticalPunctOutsideTags(vertical, source);
    return vertical;
}

// Keys: pieces of the text with its tags and blanks, pieces of what it
// shows, and keys found nowhere.
std::vector<QString> KeysOf(const QString& text)
{
    std::vector<QString> keys{u"甲"_s, u"乙丙"_s, u"丙丁"_s, u"無此字"_s, u"︻TZ甲︼"_s, u"【TZ甲】"_s, u"圖甲"_s,
                              u"乙\r\n丙"_s, u"子曰"_s, u"︼"_s, u"】"_s};
    for (qsizetype i = 0; i + 3 <= text.size(); i += 7)
        keys.push_back(text.mid(i, 1 + i % 5));
    return keys;
}

void ExpectSameAsScan(const QString& source, const TSourceMapForm& form, int32_t startStep = 1)
{
    const QString text = InForm(source, form);
    const TypesetTextIndex index(text, form);
    for (const QString& key : KeysOf(text))
        for (int32_t start = -1; start <= int32_t(text.size()); start += startStep)
            ASSERT_EQ(index.Find(start, key), SourceMap::FindInTypesetText(start, text, key, form))
                << "key " << key.toStdString() << " start " << start << " in " << text.left(40).toStdString();
}

TEST(TypesetTextIndex, FindsWhatTheScanFindsFromEveryStart)
{
    const QString sources[] = {
        u"甲乙丙丁"_s,
        u"甲【ZW】乙【|】丙【-ZW】丁\r\n甲 乙　丙\r\n丁"_s,
        u"【MP】乙丙【-MP】甲乙丙【CP】丁【-CP】丙丁"_s,
        u"【MP】乙丙丁 no closing\r\n甲乙丙"_s,
        u"甲【TZ甲】乙【TP2+圖甲】丙【-TP】丁"_s,
        u"【FM】封面【-FM】\r\n【JM卷一】\r\n【BT1-第一】甲乙，丙。\r\n【BK】丙丁【ZJ2】甲【-ZJ】乙"_s,
        u"甲【未知】乙【ZW甲乙丙\r\n丁】】【【甲"_s,
        u"乙乙乙丙乙乙丙丙乙丙"_s,
        u""_s,
    };
    for (const TSourceMapForm& form : kForms)
        for (const QString& source : sources)
            ExpectSameAsScan(source, form);
}

TEST(TypesetTextIndex, SampleTextInEveryForm)
{
    TTextFile file;
    ASSERT_TRUE(file.OpenRead(QStringLiteral(VELLUMOR_SAMPLES "/sample.txt")));
    QStringList lines;
    QString line;
    while (file.ReadLine(line))
        lines << line;
    const QString source = lines.join(u"\r\n"_s);
    for (const TSourceMapForm& form : kForms)
        ExpectSameAsScan(source, form, 13);
}

}  // namespace
