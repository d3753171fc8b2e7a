#include "app/frame/MenuResource.h"

#include "app/commands/CommandIds.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"

namespace {

using namespace Qt::StringLiterals;

MenuItem Separator() { return {}; }

}  // namespace

const std::vector<MenuDef>& MainMenus()
{
    static const std::vector<MenuDef> menus = {
        {u"文件(&F)"_s,
         {
             {Cmd::FileNew, u"新建(&N)"_s, {u"Ctrl+N"_s}, u"清空當前文本\n清空"_s},
             {Cmd::OpenText, u"打開文本排版(&O)..."_s, {u"Ctrl+O"_s}, u"打開預處理文本並排版\n打開文本"_s},
             {Cmd::OpenProject, u"打開項目文件..."_s, {}, u"打開項目文件\n打開項目"_s},
             {Cmd::SaveProject, u"保存項目文件"_s, {}, u"保存項目文件\n保存項目"_s},
             {Cmd::FileSave, u"保存(&S)"_s, {u"Ctrl+S"_s}, u"保存活動文檔\n保存"_s},
             Separator(),
             {Cmd::MakeTypeset, u"生成排版文件..."_s, {}, u"由文本目錄生成排版文件\n生成排版文件"_s},
             {Cmd::OpenTypeset, u"打開排版文件..."_s, {}, u"打開排版文件\n打開排版文件"_s},
             {Cmd::SaveVolume, u"保存本冊數據修改"_s, {}, u"保存本冊數據修改\n保存本冊"_s},
             {Cmd::SaveLayout, u"保存版式參數修改"_s, {}, u"保存版式參數修改\n保存版式參數"_s},
             Separator(),
             {Cmd::ExportBookmarks, u"導出文本書籤"_s, {}, u"導出文本書籤\n導出書籤"_s},
             {Cmd::ExportParams, u"導出版式參數"_s, {}, u"導出版式參數\n導出參數"_s},
             Separator(),
             {Cmd::Print, u"打印(&P)..."_s, {u"Ctrl+P"_s}, u"打印活動文檔\n打印"_s},
             {Cmd::PrintPreview, u"打印預覽(&V)"_s, {}, u"顯示整頁\n打印預覽"_s},
             {Cmd::PrintSetup, u"打印設置(&R)..."_s, {}, u"更改打印機選項\n打印設置"_s},
             Separator(),
             {Cmd::Exit, u"退出(&X)"_s, {}, u"退出應用程序；提示保存文檔\n退出"_s},
         }},
        {u"編輯(&E)"_s,
         {
             {Cmd::Undo, u"撤消(&U)"_s, {u"Ctrl+Z"_s, u"Alt+Backspace"_s}, u"撤消上一操作\n撤消"_s},
             Separator(),
             {Cmd::Cut, u"剪切(&T)"_s, {u"Ctrl+X"_s, u"Shift+Del"_s}, u"剪切所選內容並放到剪貼板上\n剪切"_s},
             {Cmd::Copy, u"複製(&C)"_s, {u"Ctrl+C"_s, u"Ctrl+Ins"_s}, u"複製所選內容並放到剪貼板上\n複製"_s},
             {Cmd::Paste, u"粘貼(&P)"_s, {u"Ctrl+V"_s, u"Shift+Ins"_s}, u"插入剪貼板內容\n粘貼"_s},
             Separator(),
             {Cmd::Find, u"查找和替換(&F)"_s, {}, u"查找和替換文字\n查找"_s},
             Separator(),
             {Cmd::AddCentreText, u"當前頁增加版心文字"_s, {}, u"當前頁增加版心文字\n增加版心文字"_s},
             {Cmd::DeleteCentreText, u"刪除當前頁版心文字"_s, {}, u"刪除當前頁版心文字\n刪除版心文字"_s},
             {Cmd::AddSeal, u"當前頁增加印章"_s, {}, u"當前頁增加印章\n增加印章"_s},
         }},
        {u"視圖(&V)"_s,
         {
             {Cmd::DirectoryPane, u"書籤欄"_s, {}, u"顯示/隱藏當前冊目錄欄\n目錄欄"_s},
             {Cmd::EditPane, u"編輯欄"_s, {}, u"顯示/隱藏編輯欄\n編輯欄"_s},
             Separator(),
             {Cmd::TwoPage, u"單/雙頁切換"_s, {}, u"單/雙頁顯示切換\n單/双頁"_s},
             Separator(),
             {Cmd::FirstPage, u"第一頁"_s, {}, u"顯示第一頁\n第一頁"_s},
             {Cmd::PreviousVolume, u"前一冊"_s, {}, u"顯示前一冊\n前一冊"_s},
             {Cmd::PreviousPage, u"前一頁"_s, {}, u"顯示前一頁\n前一頁"_s},
             {Cmd::NextPage, u"下一頁"_s, {}, u"顯示下一頁\n下一頁"_s},
             {Cmd::NextVolume, u"下一冊"_s, {}, u"顯示下一冊\n下一冊"_s},
             {Cmd::LastPage, u"最後一頁"_s, {}, u"顯示最後一頁\n最後一頁"_s},
             Separator(),
             {Cmd::ZoomOut, u"縮小"_s, {}, u"縮小顯示\n縮小"_s},
             {Cmd::ZoomIn, u"放大"_s, {}, u"放大顯示\n放大"_s},
         }},
        {u"設置"_s, {{Cmd::ParaPlaceholder, u"版式參數"_s, {}, u"設置版式參數\n版式參數"_s}}},
        {u"幫助(&H)"_s, {{Cmd::About, u"関於Vellumor(&A)..."_s, {}, u"顯示程序信息、版本號和版權\n關於"_s}}},
    };
    return menus;
}

const std::vector<MenuItem>& LookItems()
{
    static const std::vector<MenuItem> items = {
        {210, u"Windows 2000(&2)"_s, {}, {}},
        {211, u"Office XP(&X)"_s, {}, {}},
        {212, u"Windows XP(&W)"_s, {}, {}},
        {213, u"Office 2003(&3)"_s, {}, {}},
        {214, u"Visual Studio 2005(&V)"_s, {}, {}},
        {215, u"Office 2007 (蓝色样式)(&B)"_s, {}, {}},
        {216, u"Office 2007 (黑色样式)(&L)"_s, {}, {}},
        {217, u"Office 2007 (银色样式)(&S)"_s, {}, {}},
        {218, u"Office 2007 (水绿色样式)(&A)"_s, {}, {}},
    };
    return items;
}

const std::vector<MenuItem>& HiddenItems()
{
    static const std::vector<MenuItem> items = {
        {Cmd::NextPane, u"下一窗格"_s, {u"F6"_s}, u"切換到下一個窗格\n下一窗格"_s},
        {Cmd::PreviousPane, u"上一窗格"_s, {u"Shift+F6"_s}, u"切換回上一個窗格\n上一窗格"_s},
        {Cmd::FourInOne, u"四合一顯示"_s, {}, u"四合一顯示切換\n四合一"_s},
    };
    return items;
}

bool EditionHasCommand(int id) { return id != Cmd::TwoPage || !g_Edition || g_Edition->HasTwoPageCommand(); }

const MenuItem* FindMenuItem(int id)
{
    for (const MenuDef& menu : MainMenus())
        for (const MenuItem& item : menu.items)
            if (item.id == id)
                return &item;
    for (const MenuItem& item : HiddenItems())
        if (item.id == id)
            return &item;
    return nullptr;
}

const std::vector<int>& StandardToolbar()
{
    static const std::vector<int> ids = {Cmd::FileNew,    Cmd::OpenProject, Cmd::SaveProject, 0,
                                         Cmd::FirstPage,  Cmd::PreviousVolume, Cmd::PreviousPage, Cmd::PageCombo,
                                         Cmd::NextPage,   Cmd::NextVolume,  Cmd::LastPage,    0,
                                         Cmd::ParaPlaceholder, Cmd::About,  Cmd::TwoPage};
    return ids;
}

const std::vector<int>& ZoomToolbar()
{
    static const std::vector<int> ids = {Cmd::ZoomOut, Cmd::ZoomCombo, Cmd::ZoomIn};
    return ids;
}

const QStringList& ZoomEntries()
{
    static const QStringList entries = {u"25%"_s,  u"50%"_s,  u"75%"_s,  u"100%"_s, u"200%"_s,
                                        u"300%"_s, u"400%"_s, u"適合寬度"_s, u"適合高度"_s, u"適合頁面"_s};
    return entries;
}
