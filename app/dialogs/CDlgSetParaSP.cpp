#include "app/dialogs/CDlgSetParaSP.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialogs/DialogParts.h"

using namespace Qt::StringLiterals;

CDlgSetParaSP::CDlgSetParaSP(TStyle& style, bool bookOpen, const TDisplayMode& display, QWidget* parent)
    : ModernLayoutDialog(parent), model_(style, bookOpen, display)
{
    Build(u"豎排排印本版式參數"_s, VerticalPunctuationLabels());
}

QLineEdit* CDlgSetParaSP::Edit(QWidget* parent, const QString& name, VerticalField field, bool count)
{
    // The binder stored the value: Set runs its effects.
    return ModernLayoutDialog::Edit(parent, name, model_.Field(field), count,
                                    [this, field] { model_.Set(field, model_.Value(field)); });
}

QGroupBox* CDlgSetParaSP::BuildBoxGroup()
{
    auto* group = new QGroupBox(u"文本框"_s, this);
    auto* grid = new QGridLayout(group);
    using F = VerticalField;
    const struct {
        const char16_t* caption;
        const char16_t* name;
        F field;
        bool count;
        bool locked;  // by an open book
    } rows[] = {
        {u"頁內框寬", u"width", F::TextWidth, false, true},     {u"頁內框高", u"height", F::TextHeight, false, true},
        {u"頂部空白", u"top", F::TopSpace, false, false},        {u"底部空白", u"bottom", F::BottomSpace, false, false},
        {u"每行大字", u"perLine", F::TextPerLine, true, true},   {u"每行小字", u"zhuPerLine", F::ZhuPerLine, true, true},
    };
    int row = 0;
    for (const auto& r : rows) {
        QLineEdit* edit = Edit(group, u"textBox."_s + QString::fromUtf16(r.name), r.field, r.count);
        if (r.locked)
            BoxGrid().push_back(edit);
        AddLabelled(grid, row++, 0, QString::fromUtf16(r.caption), edit);
    }
    for (const bool note : {false, true}) {
        QLabel* pitch = Shown(group, note ? u"textBox.notePitch"_s : u"textBox.textPitch"_s,
                              [this, note] { return note ? model_.ShownNotePitch() : model_.ShownTextPitch(); });
        BoxGrid().push_back(pitch);
        AddLabelled(grid, row++, 0, note ? u"小字間距"_s : u"大字間距"_s, pitch);
    }
    AddBoxFontRows(group, row);
    return group;
}

QGroupBox* CDlgSetParaSP::BuildEditionGroup()
{
    auto* group = new QGroupBox(u"標題框"_s, this);
    auto* grid = new QGridLayout(group);
    AddLabelled(grid, 0, 0, u"框寬"_s, Edit(group, u"side.width"_s, VerticalField::SideWidth, false));
    AddLabelled(grid, 1, 0, u"標題位置"_s, Edit(group, u"side.titlePos"_s, VerticalField::TitlePos, false));
    AddLabelled(grid, 2, 0, u"頁碼位置"_s, Edit(group, u"side.pagePos"_s, VerticalField::PagePos, false));
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(Button(group, u"標題字體"_s, u"side.titleFont"_s, [this] { model_.EditSideFont(false); }));
    fonts->addWidget(Button(group, u"頁碼字體"_s, u"side.pageFont"_s, [this] { model_.EditSideFont(true); }));
    grid->addLayout(fonts, 3, 0, 1, 2);
    return group;
}

TLayoutDialogResult RunVerticalLayoutDialog(TStyle& style, bool bookOpen, const TDisplayMode& display,
                                            std::function<void()> refresh)
{
    CDlgSetParaSP dialog(style, bookOpen, display);
    return RunModernLayoutDialog(dialog, std::move(refresh));
}
