#include "app/dialogs/CDlgSetPara4in1.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/FieldBinder.h"
#include "app/dialogs/DialogParts.h"
#include "app/dialogs/RecordDialogParts.h"

using namespace Qt::StringLiterals;

CDlgSetPara4in1::CDlgSetPara4in1(const TPara4in1& values, const QString& splitText, QWidget* parent)
    : QDialog(parent), values_(values), splitText_(splitText)
{
    setWindowTitle(u"4合1排版參數"_s);
    auto* binder = new FieldBinder(this);
    binder->SetOnEdited([binder](QLineEdit*) { binder->Push(); });
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(u"分冊設置：輸入每個新分冊包含的最後一個原分冊號，用分號隔開"_s), 0, 0, 1, 4);
    split_ = new QLineEdit(splitText_, this);
    split_->setObjectName(u"splitText"_s);
    grid->addWidget(split_, 1, 0, 1, 4);
    continuous_ = new QCheckBox(u"各分冊頁碼連續"_s, this);
    continuous_->setObjectName(u"continuousPages"_s);
    continuous_->setChecked(values_.continuousPages);
    grid->addWidget(continuous_, 2, 0, 1, 4);

    const struct {
        const char16_t* caption;
        const char16_t* name;
        int32_t* field;
    } edits[] = {
        {u"標題欄寬度", u"titleWidth", &values_.titleWidth},
        {u"標題位置", u"titlePos", &values_.titlePos},
        {u"上下欄間距", u"halfGap", &values_.halfGap},
        {u"頁碼位置", u"pageNumberPos", &values_.pageNumberPos},
    };
    int i = 0;
    for (const auto& e : edits) {
        AddLabelled(grid, 3 + i / 2, (i % 2) * 2, QString::fromUtf16(e.caption),
                    binder->Hundredths(this, QString::fromUtf16(e.name), e.field));
        ++i;
    }
    const FontEditFlags every{true, true, true};
    grid->addWidget(NewFontButton(this, u"標題字體"_s, u"titleFont"_s, &values_.titleFont.TEXT_FONT, every), 5, 0, 1, 2);
    grid->addWidget(NewFontButton(this, u"頁碼字體"_s, u"pageNumberFont"_s, &values_.pageNumberFont.TEXT_FONT, every),
                    5, 2, 1, 2);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(NewOkCancel(this, u"確定"_s));
}

void CDlgSetPara4in1::accept()
{
    values_.continuousPages = continuous_->isChecked();
    splitText_ = split_->text();
    QDialog::accept();
}
