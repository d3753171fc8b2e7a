#include "support/PipelineRun.h"

#include <algorithm>
#include <cstdlib>

#include <QRegularExpression>

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

// Where a recorded glyph shows: its synthetic cell within the clip.
WinRect VisibleCell(const DcCall& call)
{
    const DcFont& font = call.state.font;
    const int32_t em = font.height == 0 ? 16 : std::abs(font.height);
    const int32_t advance = font.width == 0 ? em : 2 * std::abs(font.width);
    const int64_t right = int64_t(call.args[0]) + int64_t(advance) * call.text.size();
    WinRect cell{call.args[0], call.args[1], int32_t(std::min<int64_t>(right, INT32_MAX)),
                 int32_t(std::min<int64_t>(int64_t(call.args[1]) + em, INT32_MAX))};
    if (call.clip) {
        cell.left = std::max(cell.left, call.clip->left);
        cell.top = std::max(cell.top, call.clip->top);
        cell.right = std::min(cell.right, call.clip->right);
        cell.bottom = std::min(cell.bottom, call.clip->bottom);
    }
    return cell;
}

void CheckGlyphs(const RecordingDc& dc, const WinRect& page, int32_t shown, TPipelineRun& run)
{
    for (const DcCall& call : dc.Calls()) {
        if (call.kind != DcCall::TextOut || call.text.trimmed().isEmpty())
            continue;
        const WinRect cell = VisibleCell(call);
        if (cell.left >= cell.right || cell.top >= cell.bottom)
            continue;  // clipped away
        if (cell.left >= page.left && cell.top >= page.top && cell.right <= page.right && cell.bottom <= page.bottom)
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

}  // namespace

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
    static const QRegularExpression kept(QStringLiteral("^(TT|-?\\d*(-\\d+)?BK|DH|-DH|HS\\d+|ZJ-?\\d*|-ZJ)$"));
    for (qsizetype at = text.indexOf(u'【'); at >= 0; at = text.indexOf(u'【', at + 1)) {
        const qsizetype close = text.indexOf(u'】', at);
        if (close < 0 || !kept.match(text.mid(at + 1, close - at - 1)).hasMatch())
            return false;
    }
    return !text.contains(u'】') || text.count(u'】') == text.count(u'【');
}

TPipelineRun RunPipeline(const QString& text, TParaSet& set, bool twoPage)
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
    run.textHan = TagsKeepText(text) ? CountHan(text, false) : -1;
    const bool typeset = TypesetPages(set, table, typesetter);
    run.pages = int32_t(table.pages.Size());
    run.pageHan = PageHan(table);
    if (!typeset || table.pages.Size() == 0)
        return run;

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
