#pragma once
// Shown pages and text pages: the cover stays alone, body pages are paired
// in two-page display and grouped by four in 4-in-1 display. A = the cover
// pages, B = the back-cover pages of the shown table.
#include <cstdint>

#include <QString>
#include <QStringView>

struct TextPages {
    int32_t first = 0;
    int32_t second = -1;
};

// The shown page that holds text page p.
int32_t TextPageToShownPage(int32_t p);
TextPages ShownPageToTextPages(int32_t shown);
int32_t GetShownPageCount();
// The sheet's page number continued across the 4-in-1 groups before the
// current one.
int32_t ContinuousPageNumber(int32_t shown);

// The status text of the shown page ("第%d頁，正文共%d頁" and its kin), from
// g_CurrentPage, g_ShownTextPage and g_ShownTextPage2.
QString ShownPageStatus();
// The status-bar text: the text's name, a space and ShownPageStatus
// ("<name> 第1-2頁，正文共6頁").
QString ShownPageStatusText(QStringView textName);
