// Records with an entry in every list, so that the seeds reach the readers
// of each list.
#include "FuzzTarget.h"

#include "foundation/params/CirclePara.h"
#include "foundation/params/QuanDian.h"
#include "foundation/params/SideNoteFonts.h"
#include "foundation/params/Style.h"
#include "foundation/params/Technique.h"
#include "typeset/pages/PageRecord.h"

TParaSet SeedParaSet()
{
    TParaSet set;
    EnsureOneStyle(set.styles, {});
    GetCoverPara(set);
    GetBackCoverPara(set);
    TStyle& s = *set.styles.AddNew();
    s.NAME = QStringLiteral("正文");
    s.TECH_ARRAY.AddNew()->MARK = QStringLiteral("框");
    s.CIRCLE_ARRAY.AddNew()->MARK = QStringLiteral("圈");
    TQuanDian* marks = s.QUAN_DIAN_ARRAY.AddNew();
    marks->QD_MARK = QStringLiteral("點");
    marks->marks.AddNew()->QD_CHAR = 0x25CB;
    SetSizedFont(*s.CE_PI_ARRAY.AddNew(), QStringLiteral("宋体"), 1500);
    s.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT.AddNew()->MARKSTRING = QStringLiteral("小");
    s.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H.AddNew()->face = QStringLiteral("細明體");
    SyncStyleFonts(s);
    return set;
}

TPageTable SeedPageTable()
{
    TPageTable table;
    AppendPageRecord(table)->styleName = kCoverName;
    TPageRec& page = *AppendPageRecord(table);
    page.styleName = QStringLiteral("正文");
    page.centreText = QStringLiteral("書名|卷一|<E>注<$>文</E>");
    page.linesOverride = 8;
    page.lines = {{QStringLiteral("<M=0>天地<ZW><R>注<-R><L>文<-L><-ZW><T=2,2,0><-P>"), 0},
                  {QStringLiteral("<QD點>玄黃<-QD><-P>"), 1200}};
    *page.seals.AddNew() = {TPageItemKind::Seal, QStringLiteral("印"), 1, 2, 3, 4};
    *page.pictures.AddNew() = {TPageItemKind::PlacedCopy, QStringLiteral("圖.png"), 0, 1, 0, 5};
    AppendPageRecord(table)->styleName = kBackCoverName;
    return table;
}
