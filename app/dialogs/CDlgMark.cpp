#include "app/dialogs/CDlgMark.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/dialogs/DialogParts.h"

using namespace Qt::StringLiterals;

CDlgMark::CDlgMark(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(u"輸入字體代碼"_s);
    code_ = new QLineEdit(this);
    code_->setObjectName(u"code"_s);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(u"字體代碼"_s));
    row->addWidget(code_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addWidget(NewOkCancel(this, u"确定"_s));
}

QString CDlgMark::Code() const { return code_->text(); }
