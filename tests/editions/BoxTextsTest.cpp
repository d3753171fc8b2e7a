// The texts of a page's furniture stay within their own boxes, whatever
// their length, in each edition, in single and two-page display and at
// any zoom: the centre column's texts of a woodblock leaf within their
// sections, the running title and page number of a vertical page within
// its side box, those of a horizontal page within their band. Texts from
// the text typeset and drawn as the page view draws every shown page; each
// glyph shows where its synthetic cell meets the clip it was drawn under.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/Style.h"
#include "platform/RecordingDc.h"
#include "render/PageRenderer.h"
#include "render/RenderGlobals.h"
#include "render/contents/Contents.h"
#include "render/pipeline/PagePipeline.h"
#include "render/pipeline/ShownPages.h"
#include "support/Editions.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

// The body is set in one character; every other glyph drawn is the
// furniture's: a centre text's top part (woodblock: above the upper fish
// tail), its middle part, the text's name, the page or leaf number (the
// woodblock's middle and bottom parts and leaf numbers stand below the
// upper tail).
constexpr char16_t kBody = u'正';
constexpr char16_t kTop = u'龍';
constexpr char16_t kMiddle = u'鳳';
constexpr char16_t kName = u'名';

bool InTopSection(char16_t glyph) { return glyph == kTop || glyph == u'甲'; }

// The calls of each shown unit.
using Units = std::vector<std::vector<DcCall>>;

// A recorded glyph's synthetic cell, as RecordingDc makes it, but half as
// wide for a digit, which the bar sets at half a character as real faces
// draw it.
WinRect Cell(const DcCall& call)
{
    const int32_t em = call.state.font.height == 0 ? 16 : std::abs(call.state.font.height);
    int32_t advance = call.state.font.width == 0 ? em : 2 * std::abs(call.state.font.width);
    if (call.text[0].isDigit() && call.text[0].unicode() < 0x80)
        advance /= 2;
    return {call.args[0], call.args[1], call.args[0] + advance, call.args[1] + em};
}

// Where it shows: its cell within the clip it was drawn under.
WinRect VisibleCell(const DcCall& call)
{
    WinRect cell = Cell(call);
    if (call.clip) {
        cell.left = std::max(cell.left, call.clip->left);
        cell.top = std::max(cell.top, call.clip->top);
        cell.right = std::min(cell.right, call.clip->right);
        cell.bottom = std::min(cell.bottom, call.clip->bottom);
    }
    return cell;
}

bool Within(const WinRect& cell, const WinRect& box)
{
    return cell.left >= box.left && cell.top >= box.top && cell.right <= box.right && cell.bottom <= box.bottom;
}

std::vector<DcCall> Lines(const std::vector<DcCall>& calls, bool vertical)
{
    std::vector<DcCall> out;
    for (const DcCall& call : calls)
        if (call.kind == DcCall::Line && (vertical ? call.args[0] == call.args[2] : call.args[1] == call.args[3]))
            out.push_back(call);
    return out;
}

// The boxes a unit draws around its furniture texts, for the glyph given,
// read from the lines and fish tails the unit drew (device pixels, the
// lines themselves included).
std::vector<WinRect> BoxesOf(const std::vector<DcCall>& calls, char16_t glyph, int32_t columnWidth)
{
    std::vector<WinRect> boxes;
    switch (g_Edition->Kind()) {
    case EditionKind::Woodblock: {
        // The bars of the upper and lower fish tails (as wide as the
        // column) part the centre column.
        std::vector<DcCall> bars;
        for (const DcCall& call : calls)
            if (call.kind == DcCall::Rectangle && std::abs(call.args[2] - call.args[0] - columnWidth) <= 1)
                bars.push_back(call);
        if (bars.size() < 2)
            break;
        const int32_t left = bars[0].args[0], right = bars[0].args[2];
        const int32_t upper = std::min(bars[0].args[1], bars[0].args[3]);
        const int32_t lower = std::min(bars[1].args[1], bars[1].args[3]);
        const int32_t lowerEnd = std::max(bars[1].args[1], bars[1].args[3]);
        // The inner bottom line: the first frame line below the lower tail
        // that meets the column.
        int32_t bottom = INT32_MAX - 1;
        for (const DcCall& line : Lines(calls, false))
            if (line.args[1] > lowerEnd && std::min(line.args[0], line.args[2]) < right &&
                std::max(line.args[0], line.args[2]) > left)
                bottom = std::min(bottom, line.args[1]);
        if (InTopSection(glyph)) {
            boxes.push_back({left, 0, right, upper});
        } else {
            boxes.push_back({left, upper, right, lower});
            boxes.push_back({left, lowerEnd, right, bottom + 1});
        }
        break;
    }
    case EditionKind::Vertical: {
        // Each side box: right, left and separator lines; the box is the
        // narrow side of the separator.
        const std::vector<DcCall> lines = Lines(calls, true);
        for (size_t i = 0; i + 2 < lines.size(); i += 3) {
            const int32_t right = lines[i].args[0], left = lines[i + 1].args[0], sep = lines[i + 2].args[0];
            const int32_t top = lines[i].args[1], bottom = lines[i].args[3];
            boxes.push_back(sep - left < right - sep ? WinRect{left, top, sep + 1, bottom}
                                                     : WinRect{sep, top, right + 1, bottom});
        }
        break;
    }
    case EditionKind::Horizontal: {
        // Each page: its right and left edges, then its top, bottom and
        // header rule.
        const std::vector<DcCall> sides = Lines(calls, false), edges = Lines(calls, true);
        for (size_t i = 0; i + 2 < sides.size() && i / 3 * 2 + 1 < edges.size(); i += 3) {
            const DcCall& right = edges[i / 3 * 2];
            boxes.push_back({edges[i / 3 * 2 + 1].args[0], sides[i].args[1], right.args[0] + 1, sides[i + 2].args[1] + 1});
        }
        break;
    }
    }
    return boxes;
}

using BoxTexts = EditionTest;

// A text typeset under the default style and every shown unit drawn at a
// zoom, as the page view draws it.
class DrawnText {
public:
    ~DrawnText()
    {
        g_CurrentPages = nullptr;
        g_CurrentParaSet = nullptr;
        g_CurrentStyle = nullptr;
    }
    Units Draw(const QString& text, const QString& textName, bool twoPage, double zoom)
    {
        g_TwoPageMode = twoPage ? 1 : 0;
        const TDisplayMode display{twoPage, false};
        EnsureOneStyle(set.styles, display);
        g_TextLines.clear();
        for (const QString& line : text.split(u'\n'))
            g_TextLines.push_back(line);
        TTypesetter typesetter;
        typesetter.display = display;
        EXPECT_TRUE(TypesetPages(set, table, typesetter));
        g_CurrentParaSet = &set;
        g_CurrentPages = &table;
        g_CurrentStyle = set.styles.First();
        g_VolumeShown = true;
        for (TStyle& style : set.styles) {
            SyncStyleFonts(style);
            ComputeStylePageSize(style, display);
        }
        RebuildContents(view.LeafTexts, true, false);
        view.TextName = textName;
        view.ClientSize = QSize(1200, 900);
        view.ShownPageCount = GetShownPageCount();
        view.CalcPageExtent();
        view.ZoomFactor = zoom;
        view.ApplyZoom();
        Units units;
        for (int32_t shown = 0; shown < view.ShownPageCount; ++shown) {
            RecordingDc dc;
            RenderPage(view, dc, shown, QPoint());
            units.push_back(dc.Calls());
        }
        return units;
    }
    // The centre column's width in device pixels, within one.
    int32_t CentreColumnWidth() const { return view.ScaledStyle.MID_WIDTH / 100 + 1; }

private:
    TParaSet set;
    TPageTable table;
    PageRenderer view;
};

struct Title {
    const char* name;
    QString text;      // the text's first line
    QString textName;  // the running title where the centre text gives none
};

// What a drawing shows of the furniture's texts.
struct FurnitureGlyphs {
    int32_t drawn = 0;
    int32_t shown = 0;             // not wholly clipped away
    int32_t outside = 0;           // showing outside their boxes
    int32_t startOutside = 0;      // texts whose first glyph starts before their box
    int32_t cut = 0;               // glyphs set partly outside their boxes
    int32_t overlaps = 0;          // glyphs showing over another text's
    int32_t bodyInAFurnitureClip = 0;
    std::vector<QPoint> starts;    // each text's first glyph, unit by unit
};

bool Overlap(const WinRect& a, const WinRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

FurnitureGlyphs Examine(const Units& units, int32_t columnWidth)
{
    FurnitureGlyphs g;
    for (size_t unit = 0; unit < units.size(); ++unit) {
        const std::vector<DcCall>& calls = units[unit];
        std::vector<std::optional<WinRect>> furnitureClips;
        std::vector<std::pair<QChar, WinRect>> visible;
        QChar previous;
        for (const DcCall& call : calls) {
            if (call.kind != DcCall::TextOut)
                continue;
            const QChar glyph = call.text[0];
            if (glyph == kBody) {
                previous = QChar();
                continue;
            }
            ++g.drawn;
            furnitureClips.push_back(call.clip);
            const std::vector<WinRect> boxes = BoxesOf(calls, glyph.unicode(), columnWidth);
            const auto InABox = [&](const WinRect& cell) {
                return std::any_of(boxes.begin(), boxes.end(), [&](const WinRect& box) { return Within(cell, box); });
            };
            if (glyph != previous) {
                g.starts.emplace_back(call.args[0], call.args[1]);
                g.startOutside += InABox({call.args[0], call.args[1], call.args[0] + 1, call.args[1] + 1}) ? 0 : 1;
            }
            previous = glyph;
            g.cut += InABox(Cell(call)) ? 0 : 1;
            const WinRect cell = VisibleCell(call);
            if (cell.IsEmpty())
                continue;
            ++g.shown;
            if (!InABox(cell)) {
                ++g.outside;
                ADD_FAILURE() << call.text.toStdString() << " shows at " << cell.left << "," << cell.top << "-"
                              << cell.right << "," << cell.bottom << " on unit " << unit;
            }
            for (const auto& [other, at] : visible)
                g.overlaps += other != glyph && Overlap(at, cell) ? 1 : 0;
            visible.emplace_back(glyph, cell);
        }
        for (const DcCall& call : calls)
            if (call.kind == DcCall::TextOut && call.text[0] == kBody &&
                std::find(furnitureClips.begin(), furnitureClips.end(), call.clip) != furnitureClips.end())
                ++g.bodyInAFurnitureClip;
    }
    return g;
}

const Title kLongTitles[] = {
    {"long top part", u"【BX】"_s + QString(60, kTop), u"書名"_s},
    {"long middle part", u"【BX】甲|"_s + QString(60, kMiddle), u"書名"_s},
    {"long text name", QString(), QString(60, kName)},
};
const Title kShortTitles[] = {
    {"short top part", u"【BX】"_s + QString(3, kTop), u"書名"_s},
    {"short middle part", u"【BX】甲|"_s + QString(3, kMiddle), u"書名"_s},
    {"short text name", QString(), QString(2, kName)},
};

template <typename Check>
void ForEachDisplay(const Title& title, Check check)
{
    for (const bool twoPage : {false, true})
        for (const double zoom : {1.0, 4.0}) {
            SCOPED_TRACE(testing::Message() << title.name << " two-page " << twoPage << " zoom " << zoom);
            DrawnText drawn;
            const Units units = drawn.Draw(title.text + u"\n"_s + QString(3000, kBody), title.textName, twoPage, zoom);
            ASSERT_GE(units.size(), 2u);
            check(Examine(units, drawn.CentreColumnWidth()));
        }
}

// A text longer than its box is cut at the box's edge, short of the other
// texts; it still begins within its box; the page's own text is drawn
// under the sheet's clip, not a box's.
TEST_P(BoxTexts, LongTextsShowOnlyWithinTheirBoxes)
{
    for (const Title& title : kLongTitles)
        ForEachDisplay(title, [](const FurnitureGlyphs& g) {
            EXPECT_GT(g.shown, 0);
            EXPECT_EQ(g.outside, 0);
            EXPECT_EQ(g.startOutside, 0);
            EXPECT_EQ(g.overlaps, 0);
            EXPECT_EQ(g.bodyInAFurnitureClip, 0);
        });
}

// A text that fits its box is set wholly inside it and shows as before;
// a long one begins where the short one does (in the horizontal bar a long
// title begins at the band's start, a short one is centred).
TEST_P(BoxTexts, ShortTextsStandWholeWhereTheyStood)
{
    for (size_t i = 0; i < std::size(kShortTitles); ++i) {
        std::vector<std::vector<QPoint>> starts;
        ForEachDisplay(kShortTitles[i], [&](const FurnitureGlyphs& g) {
            EXPECT_EQ(g.cut, 0);
            EXPECT_EQ(g.shown, g.drawn);
            starts.push_back(g.starts);
        });
        if (GetParam() == EditionKind::Horizontal)
            continue;
        size_t at = 0;
        ForEachDisplay(kLongTitles[i], [&](const FurnitureGlyphs& g) {
            ASSERT_LT(at, starts.size());
            EXPECT_EQ(g.starts, starts[at++]);
        });
    }
}

}  // namespace

VELLUMOR_ALL_EDITIONS(BoxTexts);
