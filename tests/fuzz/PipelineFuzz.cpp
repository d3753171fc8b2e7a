#include "PipelineFuzz.h"

#include <cstdio>
#include <cstdlib>

#include <QFile>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/LayoutRanges.h"
#include "foundation/params/Style.h"
#include "render/RenderGlobals.h"
#include "support/PipelineRun.h"
#include "typeset/TypesetGlobals.h"

namespace {

// The layout values an input may set, as a reader would take them from a
// file.
int32_t* FieldOf(TStyle& s, uint8_t index)
{
    TBoxSize& box = s.TEXT_BOX.size;
    TFontStyle& text = s.TEXT_BOX.MFONT_GROUP.TEXT_FONT;
    TFontStyle& note = s.TEXT_BOX.MFONT_GROUP.ZHU_FONT;
    int32_t* const fields[] = {
        &box.BOX_WIDTH,         &box.BOX_HEIGHT,         &box.LINES,
        &box.TEXT_PER_LINE,     &box.ZHU_PER_LINE,       &box.TOP_SPACE,
        &box.BOTTOM_SPACE,      &box.SPLIT_LINE_WIDTH,   &box.WORD_LINES,
        &box.ZHU_LINES,         &box.LEFT_SPACE,         &box.RIGHT_SPACE,
        &s.OUT_BORDER,          &s.IN_BORDER,            &s.SPACE,
        &s.MID_WIDTH,           &s.MID_UP_HEIGHT,        &s.MID_MID_HEIGHT,
        &s.MID_LINE,            &s.SIDE_BOX.BOX_WIDTH,   &s.SIDE_BOX.BOX_TITLE_POS,
        &s.SIDE_BOX.BOX_PAGE_POS, &s.PAGE_BAR.HEAD_HEIGHT, &s.PAGE_BAR.FOOT_HEIGHT,
        &s.PAGE_BAR.TITLE_POS_TYPE, &s.PAGE_BAR.PAGE_POS_TYPE, &text.SIZE,
        &text.WIDTH,            &text.WORD_HEIGHT,       &text.WORD_WIDTH,
        &note.SIZE,             &note.WIDTH,             &note.WORD_HEIGHT,
        &note.WORD_WIDTH,       &s.HEAD_BOX.size.BOX_HEIGHT, &s.HEAD_BOX.size.LINES,
    };
    return fields[index % std::size(fields)];
}

// A value from five bytes: the first picks a raw int32, hundreds of the
// next byte, or the four bytes modulo a page side.
int32_t TakeValue(FuzzInput& input)
{
    const uint8_t form = input.TakeByte();
    uint32_t raw = 0;
    for (int i = 0; i < 4; ++i)
        raw = raw << 8 | input.TakeByte();
    switch (form % 3) {
    case 0: return int32_t(raw);
    case 1: return int32_t(raw & 0xFF) * 100;
    default: return int32_t(raw % uint32_t(kMaxLayoutLength));
    }
}

void Fail(const char* what, const QString& detail)
{
    std::fprintf(stderr, "pipeline: %s: %s\n", what, detail.toUtf8().constData());
    std::abort();
}

}  // namespace

// flags (bit 0 two-page display, bits 1-3 the number of values) · per
// value its field and five bytes · the text
void FuzzPipeline(EditionKind edition, FuzzInput input)
{
    InstallFuzzEdition(uint8_t(edition));
    ResetRenderGlobals();
    ResetTypesetGlobals();
    const uint8_t flags = input.TakeByte();
    const bool twoPage = (flags & 1) != 0;
    TParaSet set;
    EnsureOneStyle(set.styles, {twoPage, false});
    TStyle& style = *set.styles.First();
    for (int n = (flags >> 1) & 7; n > 0; --n) {
        int32_t* field = FieldOf(style, input.TakeByte());
        *field = TakeValue(input);
    }
    UpdateStylePitch(style);
    ComputeStylePageSize(style, {twoPage, false});
    if (FindLayoutFault(style))
        return;  // refused by every reader and dialog
    const QString text = input.RestText();
    const TPipelineRun run = RunPipeline(text, set, twoPage);
    if (run.pages > PagesBound(text))
        Fail("too many pages", QString::number(run.pages));
    if (run.textHan >= 0 && run.textHan != run.pageHan)
        Fail("Han characters lost or doubled", QStringLiteral("%1 in the text, %2 on the pages").arg(run.textHan).arg(run.pageHan));
    if (run.glyphsOutside > 0)
        Fail("glyph outside the page", run.firstOutside);
}

void WritePipelineSeeds(SeedWriter& seeds, const char* sample)
{
    const QByteArray prefix(1, '\0');  // single pages, the defaults
    QFile file(QStringLiteral(VELLUMOR_SAMPLES "/") + QString::fromLatin1(sample));
    if (file.open(QIODevice::ReadOnly)) {
        // Pieces of the sample of up to 40 lines, each a seed.
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (qsizetype at = 0, n = 0; at < lines.size() && n < 12; at += 40, ++n)
            seeds.Add(QStringLiteral("sample-%1").arg(n), prefix + lines.mid(at, 40).join('\n'));
    }
    seeds.AddTexts(QStringLiteral("tags"),
                   {
                       "天地玄黃，宇宙洪荒。\n日月盈昃，辰宿列張。",
                       "【TT】寒來暑往，秋收冬藏。閏餘成歲，律呂調陽。雲騰致雨，露結為霜。",
                       "【-1BK】金生麗水，玉出崑岡。劍號巨闕，珠稱夜光。\n【2-1BK】果珍李柰，菜重芥薑。",
                       "正文【ZJ25】甲【-ZJ】正文\n【ZJ-1】事二亍【-ZJ】于亏云互五井亘些亞亟",
                       "【ZJ0】海鹹河淡【-ZJ】鱗潛羽翔",
                       "【BX】龍師火帝鳥官人皇始制文字乃服衣裳推位讓國有虞陶唐弔民伐罪周發殷湯\n坐朝問道",
                       "【SM千字文千字文千字文千字文千字文千字文千字文千字文千字文】\n【JM卷一】\n垂拱平章",
                       "【HS3】愛育黎首，臣伏戎羌。遐邇壹體，率賓歸王。\n【DH】鳴鳳在竹，白駒食場。",
                       "化被草木<ZW><R>賴及<-R><L>萬方<-L><-ZW>蓋此身髮",
                   },
                   prefix);
}
