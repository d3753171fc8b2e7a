#include "app/dialogs/ModernLayoutDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "app/dialogs/CDlgMark.h"
#include "app/dialogs/CDlgSelGround.h"
#include "app/dialogs/ColorSwatch.h"
#include "app/dialogs/GroundControls.h"
#include "app/dialogs/DialogParts.h"
#include "app/dialogs/DialogServices.h"
#include "app/dialogs/FieldBinder.h"
#include "platform/Chooser.h"

using namespace Qt::StringLiterals;

ModernLayoutDialog::ModernLayoutDialog(QWidget* parent) : QDialog(parent), binder_(new FieldBinder(this))
{
    binder_->SetOnEdited([this](QLineEdit* edit) {
        const auto bound = edited_.find(edit);
        if (bound != edited_.end())
            bound->second();
        Refresh();
    });
}

void ModernLayoutDialog::Build(const QString& title, const QStringList& punctuationLabels)
{
    setWindowTitle(title);
    auto* grid = new QGridLayout;
    grid->addWidget(BuildBackgroundGroup(), 0, 0);
    grid->addWidget(BuildPunctuationGroup(punctuationLabels), 1, 0);
    grid->addWidget(BuildBoxGroup(), 0, 1, 2, 1);
    grid->addWidget(BuildEditionGroup(), 0, 2);
    grid->addWidget(BuildListsGroup(), 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = Button(this, u"確定"_s, u"ok"_s, [this] { accept(); });
    ok->setDefault(true);
    buttons->addWidget(ok);
    buttons->addWidget(Button(this, u"取消"_s, u"cancel"_s, [this] { reject(); }));
    apply_ = Button(this, u"應用"_s, u"apply"_s, [this] { Model().Apply(); });
    buttons->addWidget(apply_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    FillListCombos();
    Refresh();
}

QPushButton* ModernLayoutDialog::Button(QWidget* parent, const QString& caption, const QString& name,
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

QLineEdit* ModernLayoutDialog::Edit(QWidget* parent, const QString& name, int32_t* value, bool count,
                                    std::function<void()> edited)
{
    QLineEdit* edit = count ? binder_->Count(parent, name, value, 1) : binder_->Hundredths(parent, name, value);
    edit->setMinimumWidth(60);
    edited_[edit] = std::move(edited);
    return edit;
}

QCheckBox* ModernLayoutDialog::Check(QWidget* parent, const QString& caption, const QString& name,
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

QComboBox* ModernLayoutDialog::Choice(QWidget* parent, const QString& name, const QStringList& items,
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

QLabel* ModernLayoutDialog::Shown(QWidget* parent, const QString& name, std::function<double()> value)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setMinimumWidth(60);
    pushes_.push_back([label, value = std::move(value)] { label->setText(QString::number(value())); });
    return label;
}

QPushButton* ModernLayoutDialog::ColorPick(QWidget* parent, const QString& name, ColorSwatch* swatch,
                                           LayoutField field, const ColorRef* color)
{
    pushes_.push_back([swatch, color] { swatch->SetColor(*color); });
    QPushButton* pick = Button(parent, u"選擇"_s, name, [this, field, color] {
        ColorRef chosen = *color;
        if (CurrentChooser().Colour(chosen))
            Model().SetShared(field, int32_t(chosen));
    });
    swatch->SetPick(pick);
    return pick;
}

void ModernLayoutDialog::AddBoxFontRows(QGroupBox* group, int row)
{
    auto* grid = static_cast<QGridLayout*>(group->layout());
    QCheckBox* doubleLine = Check(
        group, u"小字雙行"_s, u"textBox.doubleLineZhu"_s,
        [this](bool on) { Model().SetShared(LayoutField::TextDoubleLineZhu, on); },
        [this] { return Model().Work().TEXT_BOX.DOUBLE_LINE_ZHU; });
    boxGrid_.push_back(doubleLine);
    grid->addWidget(doubleLine, row++, 0, 1, 2);
    auto* fonts = new QHBoxLayout;
    fonts->addWidget(Button(group, u"正文字體"_s, u"textBox.textFont"_s, [this] { Model().EditBoxFont(false); }));
    fonts->addWidget(Button(group, u"注文字體"_s, u"textBox.noteFont"_s, [this] { Model().EditBoxFont(true); }));
    grid->addLayout(fonts, row, 0, 1, 2);
}

QGroupBox* ModernLayoutDialog::BuildBackgroundGroup()
{
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    TGroundChoice& ground = Model().Shared().Ground();
    auto* swatch = new ColorSwatch(group, u"ground.backColor"_s);
    QPushButton* colorPick =
        ColorPick(group, u"ground.colorPick"_s, swatch, LayoutField::BackColor, &Model().Work().BACK_COLOR);
    QPushButton* texturePick = Button(group, u"選擇"_s, u"ground.texturePick"_s, [this, &ground] {
        CDlgSelGround choose(&ground.textures, this);
        if (Dialogs().RunModal(choose))
            Model().SetShared(LayoutField::Texture, choose.SelectedIndex());
    });
    ground_ = std::make_unique<GroundControls>(group, *grid, swatch, colorPick, texturePick, [this](int id) {
        Model().SetShared(LayoutField::UseTexture, id);
        Refresh();
    });
    grid->addWidget(Check(
                        group, u"顯示印章"_s, u"ground.stamp"_s,
                        [this](bool on) { Model().SetShared(LayoutField::ShowStamp, on); },
                        [this] { return Model().Work().SHOW_STAMP; }),
                    2, 0, 1, 3);
    grid->addWidget(Choice(
                        group, u"newVolume"_s, {u"新卷另起一頁"_s, u"新卷另起單數頁"_s},
                        [this](int index) { Model().SetNewVolume(index); },
                        [this] { return Model().Work().NEW_VOLUME_PAGE_TYPE == TNewVolumePageType::NEXT_PAGE ? 0 : 1; }),
                    3, 0, 1, 3);
    return group;
}

QGroupBox* ModernLayoutDialog::BuildPunctuationGroup(const QStringList& labels)
{
    auto* group = new QGroupBox(u"標點"_s, this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(Choice(
                        group, u"punct.mode"_s, labels,
                        [this](int index) { Model().SetShared(LayoutField::PunctuationMode, index); },
                        [this] { return int(Model().Work().BIAO_DIAN.BIAODIAN_TYPE); }),
                    0, 0, 1, 3);
    grid->addWidget(Check(
                        group, u"使用正文顏色"_s, u"punct.useTextColor"_s,
                        [this](bool on) { Model().SetShared(LayoutField::PunctuationUseTextColor, on); },
                        [this] { return Model().Work().BIAO_DIAN.USE_TEXT_COLOR; }),
                    1, 0);
    auto* swatch = new ColorSwatch(group, u"punct.color"_s);
    grid->addWidget(swatch, 1, 1);
    grid->addWidget(ColorPick(group, u"punct.colorPick"_s, swatch, LayoutField::PunctuationColor,
                              &Model().Work().BIAO_DIAN.BIAO_DIAN_COLOR),
                    1, 2);
    return group;
}

QGroupBox* ModernLayoutDialog::BuildListsGroup()
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
                                       Model().EditListEntry(list, combo->currentIndex());
                               }),
                        row, 2);
        if (list == LayoutList::AttachText || list == LayoutList::AttachZhu) {
            const bool zhu = list == LayoutList::AttachZhu;
            grid->addWidget(Button(group, u"+"_s, name + u".add"_s,
                                   [this, zhu] {
                                       CDlgMark mark(this);
                                       if (Dialogs().RunModal(mark) &&
                                           Model().Shared().AddAttachedFont(zhu, mark.Code()))
                                           FillListCombos();
                                       Model().CheckStyleChanged();
                                   }),
                            row, 3);
        }
        ++row;
    }
    return group;
}

void ModernLayoutDialog::FillListCombos()
{
    for (const auto& [list, combo] : listCombos_) {
        const QStringList labels = Model().Shared().ListLabels(list);
        if (labels.isEmpty())
            continue;
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(labels);
        combo->setCurrentIndex(0);
    }
}

void ModernLayoutDialog::Refresh()
{
    binder_->Push();
    for (const std::function<void()>& push : pushes_)
        push();
    const bool grid = BoxGridEnabled();
    for (QWidget* control : boxGrid_)
        control->setEnabled(grid);
    ground_->Show(Model().Shared().Ground(), Model().Shared().Controls());
    apply_->setEnabled(Model().Changed());
}

ModernLayoutDialog::~ModernLayoutDialog() = default;

void ModernLayoutDialog::accept()
{
    if (Model().Confirm())
        QDialog::accept();
}

TLayoutDialogResult RunModernLayoutDialog(ModernLayoutDialog& dialog, std::function<void()> refresh)
{
    dialog.Model().SetRefresh(std::move(refresh));
    TLayoutDialogResult result;
    result.accepted = Dialogs().RunModal(dialog);
    result.changed = dialog.Model().Changed();
    result.applied = dialog.Model().AppliedOnce();
    return result;
}
