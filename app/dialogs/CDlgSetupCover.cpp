#include "app/dialogs/CDlgSetupCover.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/DialogParts.h"
#include "app/dialogs/RecordDialogParts.h"

using namespace Qt::StringLiterals;

CDlgSetupCover::CDlgSetupCover(const TFontPair& fonts, QWidget* parent) : QDialog(parent), fonts_(fonts)
{
    setWindowTitle(u"設置封面字體參數"_s);
    const FontEditFlags every{true, true, true};
    auto* row = new QHBoxLayout;
    row->addWidget(NewFontButton(this, u"大字字體"_s, u"textFont"_s, &fonts_.TEXT_FONT, every));
    row->addWidget(NewFontButton(this, u"小字字體"_s, u"noteFont"_s, &fonts_.ZHU_FONT, every));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(NewOkCancel(this, u"确定"_s));
}
