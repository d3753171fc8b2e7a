#pragma once
// The menu bar, the toolbars and the frame's keys as data: each item its
// command id, text, keys and prompt ("status-bar text\ntooltip").
#include <vector>

#include <QString>
#include <QStringList>

struct MenuItem {
    int id = 0;  // 0: a separator
    QString text;
    QStringList keys;  // QKeySequence forms
    QString prompt;
};

struct MenuDef {
    QString title;
    std::vector<MenuItem> items;
};

// 文件, 編輯, 視圖, 設置, 幫助. The 設置 menu holds the placeholder 700 until
// the parameter set fills it; 視圖 ends with the look submenu, given apart.
const std::vector<MenuDef>& MainMenus();
// The look commands 210 to 218 with their texts.
const std::vector<MenuItem>& LookItems();
// Commands reached by key or by a toolbar only (F6, Shift+F6; the 4-in-1
// switch has no key, menu or button but is kept as an action for its state).
const std::vector<MenuItem>& HiddenItems();
// Whether the edition in force has the command at all: the print editions
// have no 單/雙頁切換 (501), neither item nor button; 'D' alone switches.
bool EditionHasCommand(int id);
// The prompt of a command shown in a toolbar or menu; empty when none.
const MenuItem* FindMenuItem(int id);

// Toolbar 129 標準 and the zoom toolbar; 0 is a separator, the combos stand
// at their ids 509 and 32862.
const std::vector<int>& StandardToolbar();
const std::vector<int>& ZoomToolbar();

// The zoom combo's entries in table order.
const QStringList& ZoomEntries();
