#include "app/dialogs/CDlgSetParaHP.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/dialogs/DialogParts.h"

using namespace Qt::StringLiterals;

CDlgSetParaHP::CDlgSetParaHP(TStyle& style, bool bookOpen, const TDisplayMode& display, QWidget* parent)
    : ModernLayoutDialog(parent), model_(style, bookOpen, display)
{
    Build(u"橫排排印本版式參數"_s, HorizontalPunctuationLabels());
}

QLineEdit* CDlgSetParaHP::Edit(QWidget* parent, const QString& name, HorizontalField field, int32_t* value, bool count)
{
    // The binder stored the value: Set runs its effects.
    return ModernLayoutDialog::Edit(parent, name, value, count, [this, field] { model_.Set(field, model_.Value(field)); });
}

QGroupBox* CDlgSetParaHP::BuildBoxGroup()
{
    auto* group = new QGroupBox(u"文本框"_s, this);
    auto* grid = new QGridLayout(group);
    TBoxSize& size = model_.Work().TEXT_BOX.size;
    using F = HorizontalField;
    const struct {
        const char16_t* caption;
        const char16_t* name;
        F field;
        int32_t* value;
        bool count;
        bool locked;  // by an open book
    } rows[] = {
        {u"頁內框寬", u"width", F::TextWidth, &size.BOX_WIDTH, false, true},
        {u"頁內框高", u"height", F::TextHeight, &size.BOX_HEIGHT, false, true},
        {u"左邊空白", u"left", F::LeftSpace, &size.LEFT_SPACE, false, false},
        {u"右邊空白", u"right", F::RightSpace, &size.RIGHT_SPACE, false, false},
        {u"每行大字", u"perLine", F::TextPerLine, &size.TEXT_PER_LINE, true, true},
        {u"每行小字", u"zhuPerLine", F::ZhuPerLine, &size.ZHU_PER_LINE, true, true},
        {u"大字行數", u"wordLines", F::WordLines, &size.WORD_LINES, true, false},
        {u"小字行數", u"zhuLines", F::ZhuLines, &size.ZHU_LINES, true, false},
    };
    int row = 0;
    for (const auto& r : rows) {
        QLineEdit* edit = Edit(group, u"textBox."_s + QString::fromUtf16(r.name), r.field, r.value, r.count);
        if (r.locked)
            BoxGrid().push_back(edit);
        AddLabelled(grid, row++, 0, QString::fromUtf16(r.caption), edit);
    }
    const struct {
        const char16_t* caption;
        const char16_t* name;
        double (HorizontalLayoutModel::*value)() const;
    } shown[] = {
        {u"大字間距", u"textBox.textAdvance", &HorizontalLayoutModel::ShownTextAdvance},
        {u"小字間距", u"textBox.noteAdvance", &HorizontalLayoutModel::ShownNoteAdvance},
        {u"大字行高", u"textBox.wordLineHeight", &HorizontalLayoutModel::ShownWordLineHeight},
        {u"小字行高", u"textBox.zhuLineHeight", &HorizontalLayoutModel::ShownZhuLineHeight},
    };
    for (const auto& s : shown)
        AddLabelled(grid, row++, 0, QString::fromUtf16(s.caption),
                    Shown(group, QString::fromUtf16(s.name), [this, value = s.value] { return (model_.*value)(); }));
    AddBoxFontRows(group, row);
    return group;
}

QGroupBox* CDlgSetParaHP::BuildEditionGroup()
{
    auto* group = new QGroupBox(u"頁眉頁腳"_s, this);
    auto* grid = new QGridLayout(group);
    TPageBar& bar = model_.Work().PAGE_BAR;
    AddLabelled(grid, 0, 0, u"頁眉框高"_s,
                Edit(group, u"bar.headHeight"_s, HorizontalField::HeadHeight, &bar.HEAD_HEIGHT, false));
    AddLabelled(grid, 1, 0, u"頁腳框高"_s,
                Edit(group, u"bar.footHeight"_s, HorizontalField::FootHeight, &bar.FOOT_HEIGHT, false));
    int row = 2;
    for (const bool foot : {false, true}) {
        const HorizontalField field = foot ? HorizontalField::ShowFootLine : HorizontalField::ShowHeadLine;
        grid->addWidget(Check(
                            group, foot ? u"畫頁腳線"_s : u"畫頁眉線"_s, foot ? u"bar.footLine"_s : u"bar.headLine"_s,
                            [this, field](bool on) { model_.Set(field, on); },
                            [this, field] { return model_.Value(field) != 0; }),
                        row++, 0, 1, 2);
    }
    for (const bool page : {false, true}) {
        const HorizontalField field = page ? HorizontalField::PagePos : HorizontalField::TitlePos;
        QComboBox* combo = Choice(
            group, page ? u"bar.pagePos"_s : u"bar.titlePos"_s, BarPositionLabels(),
            [this, field](int index) { model_.Set(field, index); }, [this, field] { return model_.Value(field); });
        AddLabelled(grid, row++, 0, page ? u"頁碼位置"_s : u"標題位置"_s, combo);
    }
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(Button(group, u"標題字體"_s, u"bar.titleFont"_s, [this] { model_.EditBarFont(false); }));
    fonts->addWidget(Button(group, u"頁碼字體"_s, u"bar.pageFont"_s, [this] { model_.EditBarFont(true); }));
    grid->addLayout(fonts, row, 0, 1, 2);
    return group;
}

TLayoutDialogResult RunHorizontalLayoutDialog(TStyle& style, bool bookOpen, const TDisplayMode& display,
                                              std::function<void()> refresh)
{
    CDlgSetParaHP dialog(style, bookOpen, display);
    return RunModernLayoutDialog(dialog, std::move(refresh));
}
