#include "editions/horizontal/CDlgSetParaHP.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/dialogs/CDlgMark.h"
#include "app/dialogs/CDlgSelGround.h"
#include "app/dialogs/ColorSwatch.h"
#include "app/dialogs/DialogParts.h"
#include "app/dialogs/DialogServices.h"
#include "app/dialogs/FieldBinder.h"

using namespace Qt::StringLiterals;

namespace {

QLabel* Shown(QWidget* parent, const QString& name)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(60);
    return label;
}

}  // namespace

CDlgSetParaHP::CDlgSetParaHP(TStyle& style, bool bookOpen, const TDisplayMode& display, QWidget* parent)
    : QDialog(parent), model_(style, bookOpen, display), binder_(new FieldBinder(this))
{
    setWindowTitle(u"橫排排印本版式參數"_s);
    binder_->SetOnEdited([this](QLineEdit* edit) {
        const auto bound = editFields_.find(edit);
        if (bound != editFields_.end())
            model_.Set(bound->second, model_.Value(bound->second));  // the binder stored it: run its effects
        Refresh();
    });

    auto* grid = new QGridLayout;
    grid->addWidget(BuildBackgroundGroup(), 0, 0);
    grid->addWidget(BuildPunctuationGroup(), 1, 0);
    grid->addWidget(BuildTextBoxGroup(), 0, 1, 2, 1);
    grid->addWidget(BuildBarGroup(), 0, 2);
    grid->addWidget(BuildListsGroup(), 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = Button(this, u"確定"_s, u"ok"_s, [this] { accept(); });
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(Button(this, u"取消"_s, u"cancel"_s, [this] { reject(); }));
    apply_ = Button(this, u"應用"_s, u"apply"_s, [this] { model_.Apply(); });
    buttons->addWidget(apply_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    FillListCombos();
    Refresh();
}

QPushButton* CDlgSetParaHP::Button(QWidget* parent, const QString& caption, const QString& name,
                                   std::function<void()> clicked)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    connect(button, &QPushButton::clicked, this, [this, clicked = std::move(clicked)] {
        clicked();
        Refresh();
    });
    return button;
}

QLineEdit* CDlgSetParaHP::Edit(QWidget* parent, const QString& name, HorizontalField field, int32_t* value, bool count)
{
    QLineEdit* edit = count ? binder_->Count(parent, name, value, 1) : binder_->Hundredths(parent, name, value);
    edit->setMinimumWidth(60);
    editFields_[edit] = field;
    return edit;
}

QCheckBox* CDlgSetParaHP::Check(QWidget* parent, const QString& caption, const QString& name,
                                std::function<void(bool)> set, std::function<bool()> get)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    connect(check, &QCheckBox::clicked, this, [this, set = std::move(set)](bool on) {
        set(on);
        Refresh();
    });
    pushes_.push_back([check, get = std::move(get)] {
        const QSignalBlocker block(check);
        check->setChecked(get());
    });
    return check;
}

QComboBox* CDlgSetParaHP::Choice(QWidget* parent, const QString& name, const QStringList& items,
                                 std::function<void(int)> set, std::function<int()> get)
{
    QComboBox* combo = NewChoiceCombo(parent, name, items);
    connect(combo, &QComboBox::activated, this, [this, set = std::move(set)](int index) {
        set(index);
        Refresh();
    });
    pushes_.push_back([combo, get = std::move(get)] {
        const QSignalBlocker block(combo);
        combo->setCurrentIndex(get());
    });
    return combo;
}

QPushButton* CDlgSetParaHP::ColorPick(QWidget* parent, const QString& name, ColorSwatch* swatch, LayoutField field,
                                      const ColorRef* color)
{
    pushes_.push_back([swatch, color] { swatch->SetColor(*color); });
    return Button(parent, u"選擇"_s, name, [this, field, color] {
        ColorRef chosen = *color;
        if (Dialogs().PickColor(chosen))
            model_.SetShared(field, int32_t(chosen));
    });
}

QGroupBox* CDlgSetParaHP::BuildTextBoxGroup()
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
            boxGrid_.push_back(edit);
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
    for (const auto& s : shown) {
        QLabel* label = Shown(group, QString::fromUtf16(s.name));
        pushes_.push_back([this, label, value = s.value] { label->setText(QString::number((model_.*value)())); });
        AddLabelled(grid, row++, 0, QString::fromUtf16(s.caption), label);
    }
    QCheckBox* doubleLine = Check(
        group, u"小字雙行"_s, u"textBox.doubleLineZhu"_s,
        [this](bool on) { model_.SetShared(LayoutField::TextDoubleLineZhu, on); },
        [this] { return model_.Work().TEXT_BOX.DOUBLE_LINE_ZHU; });
    boxGrid_.push_back(doubleLine);
    grid->addWidget(doubleLine, row++, 0, 1, 2);
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(Button(group, u"正文字體"_s, u"textBox.textFont"_s, [this] { model_.EditBoxFont(false); }));
    fonts->addWidget(Button(group, u"注文字體"_s, u"textBox.noteFont"_s, [this] { model_.EditBoxFont(true); }));
    grid->addLayout(fonts, row, 0, 1, 2);
    return group;
}

QGroupBox* CDlgSetParaHP::BuildBarGroup()
{
    auto* group = new QGroupBox(u"頁眉頁腳"_s, this);
    auto* grid = new QGridLayout(group);
    TPageBar& bar = model_.Work().PAGE_BAR;
    AddLabelled(grid, 0, 0, u"頁眉框高"_s, Edit(group, u"bar.headHeight"_s, HorizontalField::HeadHeight, &bar.HEAD_HEIGHT, false));
    AddLabelled(grid, 1, 0, u"頁腳框高"_s, Edit(group, u"bar.footHeight"_s, HorizontalField::FootHeight, &bar.FOOT_HEIGHT, false));
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

QGroupBox* CDlgSetParaHP::BuildBackgroundGroup()
{
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    TGroundChoice& ground = model_.Shared().Ground();
    QCheckBox* texture = Check(
        group, u"底紋"_s, u"ground.texture"_s, [this](bool on) { model_.SetShared(LayoutField::UseTexture, on); },
        [&ground] { return ground.useTexture; });
    texture->setEnabled(!ground.textures.IsEmpty());
    auto* swatch = new ColorSwatch(group, u"ground.backColor"_s);
    grid->addWidget(new QLabel(u"底色"_s, group), 0, 0);
    grid->addWidget(swatch, 0, 1);
    grid->addWidget(ColorPick(group, u"ground.colorPick"_s, swatch, LayoutField::BackColor, &model_.Work().BACK_COLOR),
                    0, 2);
    grid->addWidget(texture, 1, 0);
    grid->addWidget(Button(group, u"選擇"_s, u"ground.texturePick"_s,
                           [this, &ground] {
                               CDlgSelGround choose(&ground.textures, this);
                               if (Dialogs().RunModal(choose))
                                   model_.SetShared(LayoutField::Texture, choose.SelectedIndex());
                           }),
                    1, 2);
    grid->addWidget(Check(
                        group, u"顯示印章"_s, u"ground.stamp"_s,
                        [this](bool on) { model_.SetShared(LayoutField::ShowStamp, on); },
                        [this] { return model_.Work().SHOW_STAMP; }),
                    2, 0, 1, 3);
    grid->addWidget(Choice(
                        group, u"newVolume"_s, {u"新卷另起一頁"_s, u"新卷另起單數頁"_s},
                        [this](int index) { model_.Set(HorizontalField::NewVolume, index); },
                        [this] { return model_.Value(HorizontalField::NewVolume) == 0 ? 0 : 1; }),
                    3, 0, 1, 3);
    return group;
}

QGroupBox* CDlgSetParaHP::BuildPunctuationGroup()
{
    auto* group = new QGroupBox(u"標點"_s, this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(Choice(
                        group, u"punct.mode"_s, HorizontalPunctuationLabels(),
                        [this](int index) { model_.SetShared(LayoutField::PunctuationMode, index); },
                        [this] { return int(model_.Work().BIAO_DIAN.BIAODIAN_TYPE); }),
                    0, 0, 1, 3);
    grid->addWidget(Check(
                        group, u"使用正文顏色"_s, u"punct.useTextColor"_s,
                        [this](bool on) { model_.SetShared(LayoutField::PunctuationUseTextColor, on); },
                        [this] { return model_.Work().BIAO_DIAN.USE_TEXT_COLOR; }),
                    1, 0);
    auto* swatch = new ColorSwatch(group, u"punct.color"_s);
    grid->addWidget(swatch, 1, 1);
    grid->addWidget(ColorPick(group, u"punct.colorPick"_s, swatch, LayoutField::PunctuationColor,
                              &model_.Work().BIAO_DIAN.BIAO_DIAN_COLOR),
                    1, 2);
    return group;
}

QGroupBox* CDlgSetParaHP::BuildListsGroup()
{
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    const struct {
        const char16_t* caption;
        const char16_t* name;
        LayoutList list;
    } rows[] = {
        {u"正文附屬字體", u"attachText", LayoutList::AttachText},
        {u"注文附屬字體", u"attachZhu", LayoutList::AttachZhu},
        {u"特殊格式參數", u"technique", LayoutList::Technique},
        {u"帶圈文字參數", u"circle", LayoutList::Circle},
    };
    int row = 0;
    for (const auto& r : rows) {
        const QString name = u"lists."_s + QString::fromUtf16(r.name);
        QComboBox* combo = NewChoiceCombo(group, name, {});
        combo->setMinimumWidth(90);
        listCombos_[r.list] = combo;
        const LayoutList list = r.list;
        grid->addWidget(new QLabel(QString::fromUtf16(r.caption), group), row, 0);
        grid->addWidget(combo, row, 1);
        grid->addWidget(Button(group, u"設置"_s, name + u".set"_s,
                               [this, list, combo] {
                                   if (combo->currentIndex() >= 0)
                                       model_.EditListEntry(list, combo->currentIndex());
                               }),
                        row, 2);
        if (list == LayoutList::AttachText || list == LayoutList::AttachZhu) {
            const bool zhu = list == LayoutList::AttachZhu;
            grid->addWidget(Button(group, u"+"_s, name + u".add"_s,
                                   [this, zhu] {
                                       CDlgMark mark(this);
                                       if (Dialogs().RunModal(mark) && model_.Shared().AddAttachedFont(zhu, mark.Code()))
                                           FillListCombos();
                                       model_.CheckStyleChanged();
                                   }),
                            row, 3);
        }
        ++row;
    }
    return group;
}

void CDlgSetParaHP::FillListCombos()
{
    for (const auto& [list, combo] : listCombos_) {
        const QStringList labels = model_.Shared().ListLabels(list);
        if (labels.isEmpty())
            continue;
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(labels);
        combo->setCurrentIndex(0);
    }
}

void CDlgSetParaHP::Refresh()
{
    binder_->Push();
    for (const std::function<void()>& push : pushes_)
        push();
    const THorizontalControlState state = model_.Controls();
    for (QWidget* control : boxGrid_)
        control->setEnabled(state.boxGridEnabled);
    apply_->setEnabled(state.applyEnabled);
}

void CDlgSetParaHP::accept()
{
    model_.Confirm();
    QDialog::accept();
}

TLayoutDialogResult RunHorizontalLayoutDialog(TStyle& style, bool bookOpen, const TDisplayMode& display,
                                              std::function<void()> refresh)
{
    CDlgSetParaHP dialog(style, bookOpen, display);
    dialog.SetRefresh(std::move(refresh));
    TLayoutDialogResult result;
    result.accepted = Dialogs().RunModal(dialog);
    result.changed = dialog.Model().Changed();
    result.applied = dialog.Model().AppliedOnce();
    return result;
}
