#include "typeset/pages/PageRecord.h"

#include "foundation/params/Style.h"
#include "typeset/TypesetGlobals.h"

TPageTable::TPageTable() : findPage(g_CoverPages) {}

TPageRec* AppendPageRecord(TPageTable& table)
{
    TPageRec* page = table.pages.AddNew();
    page->index = table.pages.Size() - 1;
    return page;
}

void ClearPageRecords(TPageTable& table) { table.pages.Clear(); }

TStyleBase* GetPageStyle(const TPageRec& page)
{
    if (!g_CurrentParaSet)
        return nullptr;
    const QString& name = page.styleName;
    if (IsCoverName(name))
        return g_CurrentParaSet->covers.FindByName(&TCoverPara::NAME, name);
    return g_CurrentParaSet->styles.FindByName(&TStyle::NAME, name);
}
