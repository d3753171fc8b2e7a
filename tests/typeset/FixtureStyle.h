#pragma once
// The tiny style of the typesetting goldens, "G": a text box of 4 columns
// of 10 cells, 1000 units a cell (column length 10000), text and note fonts
// of 1000 with notes in double lines, a head box of 8 columns of 3 cells,
// no punctuation, empty parameter lists. And the dump the goldens compare:
// the page table, then the names in each of the style's lists.
#include <QString>
#include <QStringList>

#include "foundation/params/Style.h"
#include "typeset/pages/PageTableDump.h"

inline void SetFixtureFonts(TFontPair& fonts)
{
    for (TFontStyle* font : {&fonts.TEXT_FONT, &fonts.ZHU_FONT})
        font->SIZE = font->WORD_HEIGHT = font->WORD_WIDTH = 1000;
}

inline void SetFixtureBox(TBoxPara& box, int32_t width, int32_t height, int32_t lines, int32_t cells)
{
    TBoxSize& size = box.size;
    size.BOX_WIDTH = width;
    size.BOX_HEIGHT = height;
    size.TOP_SPACE = size.BOTTOM_SPACE = size.SPLIT_LINE_WIDTH = 0;
    size.LINES = lines;
    size.TEXT_PER_LINE = cells;
    SetFixtureFonts(box.MFONT_GROUP);
}

inline void MakeFixtureStyle(TStyle& style)
{
    style.NAME = QStringLiteral("G");
    SetFixtureBox(style.TEXT_BOX, 4000, 10000, 4, 10);
    style.TEXT_BOX.MFONT_GROUP.ZHU_FONT.DOUBLE_LINE = true;
    SetFixtureBox(style.HEAD_BOX, 4000, 3000, 8, 3);
    style.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::NO;
    style.TECH_ARRAY.Clear();
    style.CIRCLE_ARRAY.Clear();
    style.QUAN_DIAN_ARRAY.Clear();
    style.CE_PI_ARRAY.Clear();
    style.ATTACH_FONT_GROUP.ATTACH_TEXT_FONT.Clear();
    style.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT.Clear();
    UpdateStylePitch(style);
}

template <class List, class Name>
QString ListNames(const List& list, Name name)
{
    QStringList names;
    for (const auto& entry : list)
        names << entry.*name;
    return names.join(u',');
}

inline QString DumpWithLists(const TPageTable& table, const TStyle& style)
{
    const TAttachFontGroup& attached = style.ATTACH_FONT_GROUP;
    return DumpPageTable(table)
        + QStringLiteral("TECH %1; CIRCLE %2; QD %3; ATTACH_TEXT %4; ATTACH_ZHU %5\n")
              .arg(ListNames(style.TECH_ARRAY, &TTechnique::MARK), ListNames(style.CIRCLE_ARRAY, &TCirclePara::MARK),
                   ListNames(style.QUAN_DIAN_ARRAY, &TQuanDian::QD_MARK),
                   ListNames(attached.ATTACH_TEXT_FONT, &TFontStyle::MARKSTRING),
                   ListNames(attached.ATTACH_ZHU_FONT, &TFontStyle::MARKSTRING));
}
