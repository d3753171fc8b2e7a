// The ranges of the layout values: the defaults of every edition lie inside
// them, and a value outside is named, first in table order, with its range.
#include <gtest/gtest.h>

#include <climits>
#include <functional>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/LayoutRanges.h"
#include "foundation/params/Style.h"
#include "support/Editions.h"

using namespace Qt::StringLiterals;

namespace {

class LayoutRanges : public EditionTest {};

TEST_P(LayoutRanges, DefaultStyleCoverAndSetAreInRange)
{
    TParaSet set;
    EnsureOneStyle(set.styles, TDisplayMode());
    GetCoverPara(set);
    GetBackCoverPara(set);
    const auto fault = FindLayoutFault(set);
    EXPECT_FALSE(fault) << fault->field.toStdString() << " " << fault->value;
}

VELLUMOR_ALL_EDITIONS(LayoutRanges);

struct Case {
    EditionKind edition;
    std::function<void(TStyle&)> change;
    const char16_t* message;
};

TEST(LayoutRangesFault, NamesTheFirstFieldOutOfItsRange)
{
    using E = EditionKind;
    const Case cases[] = {
        {E::Woodblock, [](TStyle& s) { s.TEXT_BOX.size.LINES = 100000000; },
         u"每頁行數應在1至250之間，不能是100000000！"},
        {E::Woodblock, [](TStyle& s) { s.TEXT_BOX.size.LINES = 0; }, u"每頁行數應在1至250之間，不能是0！"},
        {E::Woodblock, [](TStyle& s) { s.OUT_BORDER = 1000000000; }, u"外框綫粗應在0至100之間，不能是10000000！"},
        {E::Woodblock, [](TStyle& s) { s.TEXT_BOX.size.TEXT_PER_LINE = 99999; },
         u"每行大字應在1至648之間，不能是99999！"},
        // The frame comes before the box: the first of two faults is named.
        {E::Woodblock,
         [](TStyle& s) {
             s.TEXT_BOX.size.LINES = INT32_MAX;
             s.SPACE = INT32_MIN;
         },
         u"内外框留白應在0至10000之間，不能是-21474836.48！"},
        {E::Woodblock, [](TStyle& s) { s.TEXT_BOX.size.BOX_HEIGHT = 40000; },
         u"中部高度應在0至280之間，不能是350！"},
        {E::Woodblock, [](TStyle& s) { s.TEXT_BOX.MFONT_GROUP.TEXT_FONT.WIDTH = 100000; },
         u"正文字體字寬應在0至200之間，不能是1000！"},
        {E::Woodblock, [](TStyle& s) { s.TEXT_BOX.size.TOP_SPACE = 64950; },
         u"頂部空白應在0至649之間，不能是649.5！"},
        {E::Vertical, [](TStyle& s) { s.TEXT_BOX.size.BOX_WIDTH = 0; }, u"頁內框寬應在28至10000之間，不能是0！"},
        {E::Vertical, [](TStyle& s) { s.TEXT_BOX.size.BOX_WIDTH = 99999999; },
         u"頁內框寬應在28至10000之間，不能是999999.99！"},
        {E::Vertical, [](TStyle& s) { s.SIDE_BOX.BOX_PAGE_POS = 70000; }, u"頁碼位置應在0至640之間，不能是700！"},
        {E::Horizontal, [](TStyle& s) { s.TEXT_BOX.size.WORD_LINES = 0; }, u"大字行數應在1至740之間，不能是0！"},
        {E::Horizontal, [](TStyle& s) { s.TEXT_BOX.size.RIGHT_SPACE = 51900; },
         u"右邊空白應在0至517之間，不能是519！"},
        {E::Horizontal, [](TStyle& s) { s.PAGE_BAR.TITLE_POS_TYPE = 5; }, u"標題位置應在0至4之間，不能是5！"},
    };
    for (const Case& c : cases) {
        const Edition* previous = InstallEdition(&EditionFor(c.edition));
        {
            TStyle style;
            style.NAME = u"s1"_s;
            c.change(style);
            const auto fault = FindLayoutFault(style);
            ASSERT_TRUE(fault) << QString::fromUtf16(c.message).toStdString();
            EXPECT_EQ(LayoutFaultMessage(*fault), QString::fromUtf16(c.message));
            EXPECT_EQ(fault->styleName, u"s1"_s);
        }
        InstallEdition(previous);
    }
}

TEST(LayoutRangesFault, SetNamesTheStyleAndListEntries)
{
    TParaSet set;
    EnsureOneStyle(set.styles, TDisplayMode());
    TStyle* second = AddNewStyle(set.styles, TDisplayMode());
    second->NAME = u"卷二"_s;
    TFontStyle font;
    font.MARKSTRING = u"楷"_s;
    font.SIZE = kMaxGlyphSize + 1;
    FindOrAddFontStyle(second->ATTACH_FONT_GROUP.ATTACH_TEXT_FONT, font.MARKSTRING, font);
    auto fault = FindLayoutFault(set);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->styleName, u"卷二"_s);
    EXPECT_EQ(fault->field, u"正文附屬字體楷字高"_s);

    GetCoverPara(set)->COVER_FONT.TEXT_FONT.SIZE = -1;
    fault = FindLayoutFault(set);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->styleName, kCoverName);
    EXPECT_EQ(fault->field, u"封面大字字體字高"_s);
}

}  // namespace
