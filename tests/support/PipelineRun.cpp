#include "support/PipelineRun.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

#include <QRegularExpression>

#include "foundation/FoundationGlobals.h"
#include "foundation/Edition.h"
#include "foundation/params/LayoutRanges.h"
#include "foundation/params/Style.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/contents/Contents.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

namespace {

bool IsHan(char16_t c) { return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF); }

// The characters of a glyph string that take a cell: code points, marks
// and variation selectors left out.
int64_t CellChars(const QString& text)
{
    int64_t n = 0;
    for (const char32_t c : text.toUcs4())
        if (!QChar::isMark(c) && !(c >= 0xFE00 && c <= 0xFE0F) && !(c >= 0xE0100 && c <= 0xE01EF))
            ++n;
    return n;
}

// Where a recorded glyph is set: its synthetic cell, within the clip in
// force when clipped.
WinRect GlyphCell(const DcCall& call, bool clipped)
{
    const DcFont& font = call.state.font;
    const int32_t em = font.height == 0 ? 16 : std::abs(font.height);
    const int32_t advance = font.width == 0 ? em : 2 * std::abs(font.width);
    const int64_t right = int64_t(call.args[0]) + int64_t(advance) * CellChars(call.text);
    WinRect cell{call.args[0], call.args[1], int32_t(std::min<int64_t>(right, INT32_MAX)),
                 int32_t(std::min<int64_t>(int64_t(call.args[1]) + em, INT32_MAX))};
    if (clipped && call.clip) {
        cell.left = std::max(cell.left, call.clip->left);
        cell.top = std::max(cell.top, call.clip->top);
        cell.right = std::min(cell.right, call.clip->right);
        cell.bottom = std::min(cell.bottom, call.clip->bottom);
    }
    return cell;
}

bool Outside(const WinRect& cell, const WinRect& page)
{
    if (cell.left >= cell.right || cell.top >= cell.bottom)
        return false;  // clipped away
    return cell.left < page.left || cell.top < page.top || cell.right > page.right || cell.bottom > page.bottom;
}

void CheckGlyphs(const RecordingDc& dc, const WinRect& page, int32_t shown, TPipelineRun& run)
{
    for (const DcCall& call : dc.Calls()) {
        if (call.kind != DcCall::TextOut || call.text.trimmed().isEmpty())
            continue;
        if (Outside(GlyphCell(call, false), page))
            ++run.glyphsSetOutside;
        const WinRect cell = GlyphCell(call, true);
        if (!Outside(cell, page))
            continue;
        if (run.glyphsOutside++ == 0)
            run.firstOutside = QStringLiteral("%1 at %2,%3-%4,%5 on shown page %6 of %7x%8")
                                   .arg(call.text)
                                   .arg(cell.left)
                                   .arg(cell.top)
                                   .arg(cell.right)
                                   .arg(cell.bottom)
                                   .arg(shown)
                                   .arg(page.right)
                                   .arg(page.bottom);
    }
}

int32_t PageHan(const TPageTable& table)
{
    int32_t n = 0;
    for (const TPageRec& page : table.pages) {
        for (const TPageLine& line : page.lines)
            n += CountHan(line.text, true);
        for (const TPageLine& line : page.headLines)
            n += CountHan(line.text, true);
    }
    return n;
}

// The layout values an input may set, as a reader takes them from a file:
// each only in the editions whose files store it (and whose ranges bound
// it); null in the others, whose readers leave it at its default.
int32_t* FieldOf(TStyle& s, uint8_t index)
{
    constexpr uint8_t W = 1, V = 2, H = 4, WV = W | V, ALL = W | V | H;
    TBoxSize& box = s.TEXT_BOX.size;
    TFontStyle& text = s.TEXT_BOX.MFONT_GROUP.TEXT_FONT;
    TFontStyle& note = s.TEXT_BOX.MFONT_GROUP.ZHU_FONT;
    const std::pair<int32_t*, uint8_t> fields[] = {
        {&box.BOX_WIDTH, ALL},           {&box.BOX_HEIGHT, ALL},           {&box.LINES, ALL},
        {&box.TEXT_PER_LINE, ALL},       {&box.ZHU_PER_LINE, ALL},         {&box.TOP_SPACE, WV},
        {&box.BOTTOM_SPACE, WV},         {&box.SPLIT_LINE_WIDTH, ALL},     {&box.WORD_LINES, H},
        {&box.ZHU_LINES, H},             {&box.LEFT_SPACE, H},             {&box.RIGHT_SPACE, H},
        {&s.OUT_BORDER, W},              {&s.IN_BORDER, W},                {&s.SPACE, W},
        {&s.MID_WIDTH, W},               {&s.MID_UP_HEIGHT, W},            {&s.MID_MID_HEIGHT, W},
        {&s.MID_LINE, W},                {&s.SIDE_BOX.BOX_WIDTH, V},       {&s.SIDE_BOX.BOX_TITLE_POS, V},
        {&s.SIDE_BOX.BOX_PAGE_POS, V},   {&s.PAGE_BAR.HEAD_HEIGHT, H},     {&s.PAGE_BAR.FOOT_HEIGHT, H},
        {&s.PAGE_BAR.TITLE_POS_TYPE, H}, {&s.PAGE_BAR.PAGE_POS_TYPE, H},   {&text.SIZE, ALL},
        {&text.WIDTH, ALL},              {&text.WORD_HEIGHT, ALL},         {&text.WORD_WIDTH, ALL},
        {&note.SIZE, ALL},               {&note.WIDTH, ALL},               {&note.WORD_HEIGHT, ALL},
        {&note.WORD_WIDTH, ALL},         {&s.HEAD_BOX.size.BOX_HEIGHT, WV}, {&s.HEAD_BOX.size.LINES, WV},
    };
    const auto& [field, editions] = fields[index % std::size(fields)];
    return (editions >> int(g_Edition->Kind()) & 1) != 0 ? field : nullptr;
}

// The bytes of an input, taken from the front; 0 past the end.
struct InputBytes {
    const QByteArray& bytes;
    qsizetype at = 0;

    uint8_t Take() { return at < bytes.size() ? uint8_t(bytes[at++]) : 0; }
    // A raw int32, hundreds of one byte, or four bytes modulo a page side.
    int32_t TakeValue()
    {
        const uint8_t form = Take();
        uint32_t raw = 0;
        for (int i = 0; i < 4; ++i)
            raw = raw << 8 | Take();
        switch (form % 3) {
        case 0: return int32_t(raw);
        case 1: return int32_t(raw & 0xFF) * 100;
        default: return int32_t(raw % uint32_t(kMaxLayoutLength));
        }
    }
    QString TakeText()
    {
        const bool utf8 = Take() % 2 == 0;
        const QByteArray rest = bytes.mid(std::min(at, bytes.size()));
        if (utf8)
            return QString::fromUtf8(rest);
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(rest.constData()), rest.size() / 2);
    }
};

}  // namespace

std::optional<TPipelineRun> RunPipelineInput(const QByteArray& input)
{
    InputBytes in{input};
    const uint8_t flags = in.Take();
    const bool twoPage = (flags & 1) != 0;
    const TDisplayMode display{twoPage, false};
    TParaSet set;
    EnsureOneStyle(set.styles, display);
    TStyle& style = *set.styles.First();
    for (int n = (flags >> 1) & 7; n > 0; --n) {
        int32_t* field = FieldOf(style, in.Take());
        const int32_t value = in.TakeValue();
        if (field)
            *field = value;
    }
    UpdateStylePitch(style);
    ComputeStylePageSize(style, display);
    if (FindLayoutFault(style))
        return std::nullopt;
    return RunPipeline(in.TakeText(), set, twoPage);
}

QString PipelineFault(const TPipelineRun& run)
{
    if (run.pages > PagesBound(run.text))
        return QStringLiteral("%1 pages").arg(run.pages);
    if (run.textHan >= 0 && run.textHan != run.pageHan)
        return QStringLiteral("%1 Han characters in the text, %2 on the pages").arg(run.textHan).arg(run.pageHan);
    if (run.glyphsOutside > 0)
        return QStringLiteral("%1 glyphs outside the page, first %2").arg(run.glyphsOutside).arg(run.firstOutside);
    return QString();
}

int32_t PagesBound(const QString& text) { return int32_t(std::min<qsizetype>(2 * text.size() + 16, INT32_MAX)); }

int32_t CountHan(const QString& text, bool skipTags)
{
    int32_t n = 0;
    bool inTag = false;
    for (const QChar c : text) {
        if (skipTags && c == u'<')
            inTag = true;
        else if (skipTags && c == u'>')
            inTag = false;
        else if (!inTag && IsHan(c.unicode()))
            ++n;
    }
    return n;
}

bool TagsKeepText(const QString& text)
{
    // Angle brackets are tags of the column strings.
    if (text.contains(u'<') || text.contains(u'>'))
        return false;
    static const QRegularExpression kept(QStringLiteral("^(TT|-?\\d*(-\\d+)?BK|ZJ-?\\d*|-ZJ)$"));
    // These set a mode and drop the rest of their line.
    static const QRegularExpression ending(QStringLiteral("^(DH|-DH|HS\\d*)$"));
    for (qsizetype at = text.indexOf(u'【'); at >= 0; at = text.indexOf(u'【', at + 1)) {
        const qsizetype close = text.indexOf(u'】', at);
        if (close < 0)
            return false;
        const QString tag = text.mid(at + 1, close - at - 1);
        const bool endsLine = close + 1 == text.size() || text[close + 1] == u'\n' || text[close + 1] == u'\r';
        if (!kept.match(tag).hasMatch() && !(endsLine && ending.match(tag).hasMatch()))
            return false;
    }
    return !text.contains(u'】') || text.count(u'】') == text.count(u'【');
}

TPipelineRun RunPipeline(const QString& text, TParaSet& set, bool twoPage,
                         const std::function<void(TPageTable&)>& damage)
{
    g_TwoPageMode = twoPage ? 1 : 0;
    g_FourInOneMode = 0;
    const TDisplayMode display{twoPage, false};
    EnsureOneStyle(set.styles, display);
    g_TextLines.clear();
    for (QString line : text.split(u'\n')) {
        if (line.endsWith(u'\r'))
            line.chop(1);
        g_TextLines.push_back(line);
    }
    TPageTable table;
    TTypesetter typesetter;
    typesetter.display = display;
    TPipelineRun run;
    run.text = text;
    run.textHan = TagsKeepText(text) ? CountHan(text, false) : -1;
    const bool typeset = TypesetPages(set, table, typesetter);
    run.pages = int32_t(table.pages.Size());
    run.pageHan = PageHan(table);
    if (!typeset || table.pages.Size() == 0)
        return run;
    if (damage)
        damage(table);

    // What opening a text leaves for the view.
    g_CurrentParaSet = &set;
    g_CurrentPages = &table;
    g_CurrentStyle = set.styles.First();
    g_CurrentCover = nullptr;
    g_VolumeShown = true;
    g_CurrentPage = 0;
    for (TStyle& style : set.styles) {
        SyncStyleFonts(style);
        ComputeStylePageSize(style, display);
    }
    ApplyCoverSizes(set);
    PageRenderer view;
    RebuildContents(view.LeafTexts, true, false);
    view.TextName = typesetter.title.isEmpty() ? QStringLiteral("書名") : typesetter.title;
    view.ClientSize = QSize(1200, 900);
    view.ShownPageCount = GetShownPageCount();
    view.CalcPageExtent();
    view.ZoomFactor = 1.0;
    view.ApplyZoom();
    RecordingDc dc;
    for (int32_t shown = 0; shown < view.ShownPageCount; ++shown) {
        dc.ClearCalls();
        RenderPage(view, dc, shown, QPoint());
        // RenderPage may switch styles: the sheet is the extent it drew in.
        const WinRect& e = view.ScaledExtent;
        CheckGlyphs(dc, {e.left / 100, e.top / 100, e.right / 100 + 1, e.bottom / 100 + 1}, shown, run);
    }
    g_CurrentPages = nullptr;
    g_CurrentParaSet = nullptr;
    g_CurrentStyle = nullptr;
    return run;
}
