#include "app/dialogs/CDlgSetUp.h"
#include "platform/Chooser.h"

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
#include "app/dialogs/GroundControls.h"
#include "app/dialogs/DialogServices.h"
#include "app/dialogs/DialogParts.h"
#include "app/dialogs/FieldBinder.h"
#include "foundation/Picture.h"
#include "foundation/io/DataFolders.h"

using namespace Qt::StringLiterals;

namespace {

QPushButton* Button(QWidget* parent, const QString& caption, const QString& name)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}


}  // namespace

CDlgSetUp::CDlgSetUp(TStyle& style, bool bookOpen, const TDisplayMode& display, QWidget* parent)
    : QDialog(parent), model_(style, bookOpen, display), binder_(new FieldBinder(this))
{
    setWindowTitle(u"仿刻本版式參數"_s);
    binder_->SetOnEdited([this](QLineEdit* edit) {
        const auto bound = editFields_.find(edit);
        if (bound != editFields_.end())
            model_.Edited(bound->second);
        Refresh();
    });

    auto* grid = new QGridLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildFrameGroup());
    left->addWidget(BuildBackgroundGroup());
    left->addWidget(BuildPunctuationGroup());
    left->addStretch();
    grid->addLayout(left, 0, 0, 2, 1);
    grid->addWidget(BuildBoxGroup(false), 0, 1);
    grid->addWidget(BuildBoxGroup(true), 1, 1);
    grid->addWidget(BuildCentreGroup(), 0, 2);
    grid->addWidget(BuildListsGroup(), 1, 2);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    QPushButton* ok = Button(this, u"確定"_s, u"ok"_s);
    ok->setDefault(true);
    QPushButton* cancel = Button(this, u"取消"_s, u"cancel"_s);
    apply_ = Button(this, u"應用"_s, u"apply"_s);
    connect(ok, &QPushButton::clicked, this, &CDlgSetUp::accept);
    connect(cancel, &QPushButton::clicked, this, &CDlgSetUp::reject);
    connect(apply_, &QPushButton::clicked, this, [this] {
        model_.Apply();
        Refresh();
    });
    for (QPushButton* b : {ok, cancel, apply_})
        buttons->addWidget(b);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    FillListCombos();
    Refresh();
}

QLineEdit* CDlgSetUp::Edit(QWidget* parent, const QString& name, LayoutField field, int32_t* value, bool count)
{
    QLineEdit* edit = count ? binder_->Count(parent, name, value, 1) : binder_->Hundredths(parent, name, value);
    edit->setMinimumWidth(60);
    editFields_[edit] = field;
    return edit;
}

int CDlgSetUp::AddEditRows(QGridLayout* grid, int row, std::initializer_list<EditRow> rows)
{
    for (const EditRow& r : rows)
        AddLabelled(grid, row++, 0, QString::fromUtf16(r.caption),
                    Edit(grid->parentWidget(), QString::fromUtf16(r.name), r.field, r.value));
    return row;
}

QCheckBox* CDlgSetUp::Check(QWidget* parent, const QString& caption, const QString& name, LayoutField field)
{
    auto* check = new QCheckBox(caption, parent);
    check->setObjectName(name);
    checkFields_[check] = field;
    connect(check, &QCheckBox::clicked, this, [this, field](bool on) {
        model_.Set(field, on ? 1 : 0);
        Refresh();
    });
    return check;
}

QPushButton* CDlgSetUp::ColorPick(QWidget* parent, const QString& name, ColorSwatch* swatch, LayoutField field,
                                  ColorRef* color)
{
    QPushButton* pick = Button(parent, u"選擇"_s, name);
    swatch->SetPick(pick);
    swatches_[swatch] = color;
    connect(pick, &QPushButton::clicked, this, [this, field, color] {
        ColorRef chosen = *color;
        if (CurrentChooser().Colour(chosen))
            model_.Set(field, int32_t(chosen));
        Refresh();
    });
    return pick;
}

QGroupBox* CDlgSetUp::BuildFrameGroup()
{
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    TStyle& w = model_.Work();
    int row = AddEditRows(grid, 0, {
        {u"外框綫粗", u"frame.outBorder", LayoutField::OutBorder, &w.OUT_BORDER},
        {u"内框綫粗", u"frame.inBorder", LayoutField::InBorder, &w.IN_BORDER},
        {u"内外框留白", u"frame.space", LayoutField::Space, &w.SPACE},
    });
    auto* swatch = new ColorSwatch(group, u"frame.color"_s);
    grid->addWidget(new QLabel(u"框色"_s), row, 0);
    grid->addWidget(swatch, row, 1);
    grid->addWidget(ColorPick(group, u"frame.colorPick"_s, swatch, LayoutField::BorderColor, &w.BORDER_COLOR), row, 2);
    return group;
}

QGroupBox* CDlgSetUp::BuildBackgroundGroup()
{
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    auto* swatch = new ColorSwatch(group, u"ground.backColor"_s);
    QPushButton* colorPick =
        ColorPick(group, u"ground.colorPick"_s, swatch, LayoutField::BackColor, &model_.Work().BACK_COLOR);
    QPushButton* texturePick = Button(group, u"選擇"_s, u"ground.texturePick"_s);
    connect(texturePick, &QPushButton::clicked, this, [this] {
        CDlgSelGround choose(&model_.Ground().textures, this);
        if (Dialogs().RunModal(choose))
            model_.Set(LayoutField::Texture, choose.SelectedIndex());
        Refresh();
    });
    ground_ = std::make_unique<GroundControls>(group, *grid, swatch, colorPick, texturePick, [this](int id) {
        model_.Set(LayoutField::UseTexture, id);
        Refresh();
    });
    grid->addWidget(Check(group, u"顯示印章"_s, u"ground.stamp"_s, LayoutField::ShowStamp), 2, 0, 1, 3);
    return group;
}

QGroupBox* CDlgSetUp::BuildBoxGroup(bool head)
{
    const QString prefix = head ? u"headBox."_s : u"textBox."_s;
    auto* group = new QGroupBox(head ? u"頁眉框"_s : u"文本框"_s, this);
    auto* grid = new QGridLayout(group);
    TBoxSize& size = head ? model_.Work().HEAD_BOX.size : model_.Work().TEXT_BOX.size;
    using F = LayoutField;
    const struct {
        const char16_t* caption;
        const char16_t* name;
        F text, headField;
        int32_t* value;
        bool count;
        bool locked;  // by an open book (text box only)
    } rows[] = {
        {u"頁內框寬", u"width", F::TextWidth, F::TextWidth, &size.BOX_WIDTH, false, true},
        {u"頁內框高", u"height", F::TextHeight, F::HeadHeight, &size.BOX_HEIGHT, false, true},
        {u"頂部空白", u"top", F::TextTop, F::HeadTop, &size.TOP_SPACE, false, false},
        {u"底部空白", u"bottom", F::TextBottom, F::HeadBottom, &size.BOTTOM_SPACE, false, false},
        {u"每頁行數", u"lines", F::TextLines, F::HeadLines, &size.LINES, true, true},
        {u"每行大字", u"perLine", F::TextPerLine, F::HeadPerLine, &size.TEXT_PER_LINE, true, true},
        {u"每行小字", u"zhuPerLine", F::ZhuPerLine, F::HeadZhuPerLine, &size.ZHU_PER_LINE, true, true},
    };
    int row = 0;
    for (const auto& r : rows) {
        QLineEdit* edit = Edit(group, prefix + QString::fromUtf16(r.name), head ? r.headField : r.text, r.value, r.count);
        if (head && r.value == &size.BOX_WIDTH)
            edit->setReadOnly(true);  // follows the text box
        if (!head && r.locked)
            textBoxGrid_.push_back(edit);
        AddLabelled(grid, row++, 0, QString::fromUtf16(r.caption), edit);
    }
    const struct {
        const char16_t* caption;
        const char16_t* name;
        int32_t* value;
    } derived[] = {
        {u"行寬", u"pitch", &size.pitch},
        {u"大字間距", u"textPitch", &size.textCharSize},
        {u"小字間距", u"notePitch", &size.noteCharSize},
    };
    for (const auto& d : derived) {
        QLineEdit* edit = binder_->Hundredths(group, prefix + QString::fromUtf16(d.name), d.value);
        edit->setReadOnly(true);
        if (!head && d.value != &size.pitch)
            textBoxGrid_.push_back(edit);
        AddLabelled(grid, row++, 0, QString::fromUtf16(d.caption), edit);
    }
    auto* fonts = new QHBoxLayout;
    for (const bool note : {false, true}) {
        QPushButton* font = Button(group, note ? u"注文字體"_s : u"正文字體"_s, prefix + (note ? u"noteFont"_s : u"textFont"_s));
        connect(font, &QPushButton::clicked, this, [this, head, note] {
            model_.EditBoxFont(head, note);
            Refresh();
        });
        fonts->addWidget(font);
    }
    grid->addLayout(fonts, row++, 0, 1, 2);
    QCheckBox* doubleLine = head ? new QCheckBox(u"小字雙行"_s, group)
                                 : Check(group, u"小字雙行"_s, prefix + u"doubleLineZhu"_s, LayoutField::TextDoubleLineZhu);
    if (head) {
        // Bound to nothing: it shows the head box's value, which is kept as it is.
        doubleLine->setObjectName(prefix + u"doubleLineZhu"_s);
        doubleLine->setChecked(model_.Work().HEAD_BOX.DOUBLE_LINE_ZHU);
        doubleLine->setEnabled(false);
    } else {
        textBoxGrid_.push_back(doubleLine);
    }
    grid->addWidget(doubleLine, row, 0, 1, 2);
    return group;
}

QGroupBox* CDlgSetUp::BuildCentreGroup()
{
    auto* group = new QGroupBox(u"版心"_s, this);
    auto* grid = new QGridLayout(group);
    TStyle& w = model_.Work();
    AddLabelled(grid, 0, 0, u"寬度"_s, Edit(group, u"centre.width"_s, LayoutField::MidWidth, &w.MID_WIDTH));
    const QStringList fish = {u"顺向"_s, u"逆向"_s, u" 无"_s};
    const struct {
        const char16_t* caption;
        const char16_t* name;
        LayoutField field;
    } fishes[] = {{u"上魚尾", u"centre.upFish", LayoutField::UpFish}, {u"下魚尾", u"centre.downFish", LayoutField::DownFish}};
    int row = 1;
    for (const auto& f : fishes) {
        QComboBox* combo = NewChoiceCombo(group, QString::fromUtf16(f.name), fish);
        comboFields_[combo] = f.field;
        const LayoutField field = f.field;
        connect(combo, &QComboBox::activated, this, [this, field](int index) {
            model_.Set(field, index);
            Refresh();
        });
        AddLabelled(grid, row++, 0, QString::fromUtf16(f.caption), combo);
    }
    row = AddEditRows(grid, row, {
        {u"上部高度", u"centre.upHeight", LayoutField::MidUpHeight, &w.MID_UP_HEIGHT},
        {u"中部高度", u"centre.midHeight", LayoutField::MidMidHeight, &w.MID_MID_HEIGHT},
        {u"中縫黑綫", u"centre.line", LayoutField::MidLine, &w.MID_LINE},
    });
    grid->addWidget(Check(group, u"下部文字"_s, u"centre.showDown"_s, LayoutField::ShowMidDown), row++, 0, 1, 2);
    const char16_t* parts[] = {u"上部文字", u"中部文字", u"下部文字"};
    for (int part = 0; part < 3; ++part) {
        auto* line = new QHBoxLayout;
        line->addWidget(new QLabel(QString::fromUtf16(parts[part])));
        for (const bool note : {false, true}) {
            QPushButton* font = Button(group, note ? u"小字字體"_s : u"大字字體"_s,
                                       u"centre.font%1.%2"_s.arg(part).arg(note ? u"note"_s : u"text"_s));
            connect(font, &QPushButton::clicked, this, [this, part, note] {
                model_.EditCentreFont(part, note);
                Refresh();
            });
            line->addWidget(font);
        }
        grid->addLayout(line, row++, 0, 1, 2);
    }
    return group;
}

void CDlgSetUp::AddListRow(QGridLayout* grid, int row, const QString& caption, const QString& name, LayoutList list)
{
    QWidget* parent = grid->parentWidget();
    auto* combo = NewChoiceCombo(parent, u"lists."_s + name, {});
    combo->setMinimumWidth(90);
    listCombos_[list] = combo;
    QPushButton* set = Button(parent, u"設置"_s, u"lists."_s + name + u".set"_s);
    connect(set, &QPushButton::clicked, this, [this, list, combo] {
        if (combo->currentIndex() < 0)
            return;
        model_.EditListEntry(list, combo->currentIndex());
        Refresh();
    });
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(combo, row, 1);
    grid->addWidget(set, row, 2);
    if (list == LayoutList::AttachText || list == LayoutList::AttachZhu) {
        QPushButton* add = Button(parent, u"+"_s, u"lists."_s + name + u".add"_s);
        add->setMaximumWidth(30);
        const bool zhu = list == LayoutList::AttachZhu;
        connect(add, &QPushButton::clicked, this, [this, zhu] { AddCode(zhu); });
        grid->addWidget(add, row, 3);
    }
}

QGroupBox* CDlgSetUp::BuildListsGroup()
{
    auto* group = new QGroupBox(this);
    auto* grid = new QGridLayout(group);
    AddListRow(grid, 0, u"正文附屬字體"_s, u"attachText"_s, LayoutList::AttachText);
    AddListRow(grid, 1, u"注文附屬字體"_s, u"attachZhu"_s, LayoutList::AttachZhu);
    AddListRow(grid, 2, u"特殊格式參數"_s, u"technique"_s, LayoutList::Technique);
    AddListRow(grid, 3, u"帶圈文字參數"_s, u"circle"_s, LayoutList::Circle);
    AddListRow(grid, 4, u"圈點參數"_s, u"quanDian"_s, LayoutList::QuanDian);
    AddListRow(grid, 5, u"側批參數"_s, u"cePi"_s, LayoutList::CePi);
    return group;
}

QGroupBox* CDlgSetUp::BuildPunctuationGroup()
{
    auto* group = new QGroupBox(u"標點"_s, this);
    auto* grid = new QGridLayout(group);
    QComboBox* mode = NewChoiceCombo(group, u"punct.mode"_s,
                            {u"無標點"_s, u"句讀"_s, u"句點"_s, u"標點(全高)"_s, u"標點(部分半高)"_s});
    comboFields_[mode] = LayoutField::PunctuationMode;
    connect(mode, &QComboBox::activated, this, [this](int index) {
        model_.Set(LayoutField::PunctuationMode, index);
        Refresh();
    });
    QCheckBox* useText = Check(group, u"正文色"_s, u"punct.useTextColor"_s, LayoutField::PunctuationUseTextColor);
    auto* swatch = new ColorSwatch(group, u"punct.color"_s);
    punctuationPick_ = ColorPick(group, u"punct.colorPick"_s, swatch, LayoutField::PunctuationColor,
                                 &model_.Work().BIAO_DIAN.BIAO_DIAN_COLOR);
    QCheckBox* bold = Check(group, u"粗體"_s, u"punct.bold"_s, LayoutField::PunctuationBold);
    punctuationExtras_ = {useText, swatch, punctuationPick_, bold};
    grid->addWidget(mode, 0, 0, 1, 3);
    grid->addWidget(useText, 1, 0);
    grid->addWidget(swatch, 1, 1);
    grid->addWidget(punctuationPick_, 1, 2);
    grid->addWidget(bold, 2, 0);
    return group;
}

void CDlgSetUp::AddCode(bool zhu)
{
    CDlgMark mark(this);
    if (!Dialogs().RunModal(mark))
        return;
    if (model_.AddAttachedFont(zhu, mark.Code()))
        FillListCombos();
    Refresh();
}

void CDlgSetUp::FillListCombos()
{
    for (const auto& [list, combo] : listCombos_) {
        const QStringList labels = model_.ListLabels(list);
        if (labels.isEmpty())
            continue;
        const QSignalBlocker block(combo);
        combo->clear();
        combo->addItems(labels);
        combo->setCurrentIndex(0);
    }
}

CDlgSetUp::~CDlgSetUp() = default;

void CDlgSetUp::Refresh()
{
    binder_->Push();
    for (const auto& [check, field] : checkFields_) {
        const QSignalBlocker block(check);
        check->setChecked(*model_.Flag(field));
    }
    for (const auto& [combo, field] : comboFields_) {
        const QSignalBlocker block(combo);
        const int32_t* value = model_.Field(field);
        combo->setCurrentIndex(value ? *value : int(model_.Work().BIAO_DIAN.BIAODIAN_TYPE));
    }
    for (const auto& [swatch, color] : swatches_)
        swatch->SetColor(*color);

    const TLayoutControlState state = model_.Controls();
    for (QWidget* control : textBoxGrid_)
        control->setEnabled(state.textBoxGridEnabled);
    ground_->Show(model_.Ground(), state);
    for (QWidget* control : punctuationExtras_)
        control->setHidden(!state.punctuationExtrasShown);
    punctuationPick_->setEnabled(state.punctuationColorPickEnabled);
    apply_->setEnabled(state.applyEnabled);
}

void CDlgSetUp::accept()
{
    if (model_.Confirm())
        QDialog::accept();
}

TLayoutDialogResult RunLayoutDialog(TStyle& style, bool bookOpen, const TDisplayMode& display,
                                    std::function<void()> refresh)
{
    CDlgSetUp dialog(style, bookOpen, display);
    dialog.SetRefresh(std::move(refresh));
    TLayoutDialogResult result;
    result.accepted = Dialogs().RunModal(dialog);
    result.changed = dialog.Model().Changed();
    result.applied = dialog.Model().AppliedOnce();
    return result;
}
