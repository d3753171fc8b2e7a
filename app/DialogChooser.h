#pragma once
// The program's file, folder and colour dialogs: Qt's own (not the desktop's
// native ones, so that they look and behave the same everywhere).
#include "platform/Chooser.h"

class QWidget;

class DialogChooser final : public Chooser {
public:
    explicit DialogChooser(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    QString OpenFile(const QString& filter, const QString& startFolder) override;
    QString SaveFile(const QString& filter, const QString& defaultExt, const QString& proposedName,
                     const QString& startFolder) override;
    QString Folder(const QString& startFolder, const QString& title) override;
    bool Colour(ColorRef& colour) override;
    bool Font(QFont& font) override;

private:
    QWidget* parent_;
};
