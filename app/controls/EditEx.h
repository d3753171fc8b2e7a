#pragma once
// An edit control with colours of its own, an optional character filter
// (a rejected character beeps and is dropped) and an optional context menu.
#include <functional>

#include <QLineEdit>

#include "platform/WinTypes.h"

class QMenu;

class CEditEx : public QLineEdit {
    Q_OBJECT
public:
    using CharFilter = std::function<bool(QChar)>;
    // Builds the context menu each time it is asked for; null or a null
    // result gives the line edit's own menu.
    using MenuFactory = std::function<QMenu*(QWidget* parent)>;

    explicit CEditEx(QWidget* parent = nullptr);

    void SetColors(ColorRef text, ColorRef background);
    void SetCharFilter(CharFilter filter) { filter_ = std::move(filter); }
    void SetContextMenu(MenuFactory factory) { menu_ = std::move(factory); }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CharFilter filter_;
    MenuFactory menu_;
};
