#pragma once
// The program's message boxes: 是/否/取消 buttons under the program's title,
// over the modal dialog open at the time, else over the parent given.
#include "platform/Prompter.h"

class QWidget;

class MessageBoxPrompter final : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    Answer Ask(const QString& text, Buttons buttons) override;
    void Tell(const QString& text) override;

private:
    QWidget* parent_;
};
