// The markup normaliser and its neighbours: bracket tags to angle tags,
// titles, side- and head-note spans, and the centre-column text.
#include "FuzzTarget.h"

#include <vector>

#include "typeset/markup/BracketTags.h"
#include "typeset/markup/CentreColumnText.h"
#include "typeset/markup/MarkedSpans.h"

// the line
void FuzzOne(FuzzInput input)
{
    const QString line = input.RestText();
    NormalizeBracketTags(line);
    QString titled = line;
    ConvertInlineTitles(titled);
    MakeTitleTag(line);
    for (qsizetype at = 0; at < line.size(); ++at) {
        qsizetype pos = at;
        ExtractBracketTag(line, pos);
    }
    std::vector<QString> spans;
    ExtractMarkedSpans(line, u"CP", spans);
    ExtractMarkedSpans(line, u"MP", spans);
    CentreColumnText(line);
    ConvertCentreNotes(line);
}

void WriteSeeds(SeedWriter& seeds)
{
    seeds.AddFixtures({"*.txt"}, QByteArray(1, 0));
    seeds.AddTexts(QStringLiteral("line"), {
                       "天地【ZW】注【|】文【-ZW】玄黃",
                       "【BT1-卷一】【ZT楷体】字【-ZT】【ZJ2-3】宙【-ZJ】【QD點】洪荒【-QD】",
                       "【CP批】側批【-CP】正文【MP2】眉批【-MP】【YQ圈】日【-YQ】【TS框】月【-TS】【TZ】",
                       "書名|卷一|<E>注<$>文</E>",
                   },
                   QByteArray(1, 0));
}
