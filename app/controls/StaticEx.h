#pragma once
// A static control used as a colour swatch, and as a link or a button that
// shows a window, runs a dialog or sends a message when clicked.
#include <QFrame>
#include <QPointer>

#include "platform/WinTypes.h"

#include <QDialog>

class CStaticEx : public QFrame {
    Q_OBJECT
public:
    explicit CStaticEx(QWidget* parent = nullptr);

    // The swatch shows its background colour.
    void SetBackColor(ColorRef color);
    ColorRef BackColor() const { return backColor_; }
    void SetTextColor(ColorRef color) { textColor_ = color; update(); }
    void SetText(const QString& text) { text_ = text; update(); }

    // What a click does, in this order: toggle the window, run the dialog,
    // open the link, send the message.
    void SetToggledWindow(QWidget* window) { toggled_ = window; }
    void SetDialog(QDialog* dialog) { dialog_ = dialog; }
    void SetLink(const QString& target) { link_ = target; }
    void SetMessage(int message, int wParam) { message_ = message; wParam_ = wParam; }

    bool Visited() const { return visited_; }
    // Runs the click actions; what a mouse release on the control does.
    void Click();

signals:
    // The message set with SetMessage, sent on each click.
    void MessageSent(int message, int wParam);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void OpenLink();
    ColorRef CurrentTextColor() const;

    QPointer<QWidget> toggled_;
    QPointer<QDialog> dialog_;
    QString link_;
    QString text_;
    int message_ = 0;
    int wParam_ = 0;
    bool visited_ = false;
    ColorRef backColor_;
    ColorRef textColor_;
    ColorRef visitedColor_ = 0xC08000;
};
