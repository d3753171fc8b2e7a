#include "app/dialogs/CDlgQuanDian.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogs/FieldBinder.h"
#include "app/dialogs/DialogParts.h"
#include "app/dialogs/RecordDialogParts.h"

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kSymbols[] = {u'○', u'◎', u'●', u'✔', u'☉'};

QString CharToString(int32_t unit) { return unit == 0 ? QString() : QString(QChar(char16_t(unit))); }

}  // namespace

CDlgQuanDian::CDlgQuanDian(const TQuanDian& values, QWidget* parent)
    : QDialog(parent), values_(values), binder_(new FieldBinder(this))
{
    setWindowTitle(u"圈點參數"_s);
    symbols_ = new QListWidget(this);
    symbols_->setObjectName(u"symbols"_s);
    for (const char16_t symbol : kSymbols)
        symbols_->addItem(QString(QChar(symbol)));
    symbols_->setMaximumWidth(60);
    auto* add = new QPushButton(u"->"_s, this);
    add->setObjectName(u"add"_s);
    add->setMaximumWidth(40);
    connect(add, &QPushButton::clicked, this, &CDlgQuanDian::AddSelectedSymbol);

    auto* left = new QVBoxLayout;
    left->addWidget(new QLabel(u"可選符號"_s));
    left->addWidget(symbols_);
    auto* grid = new QGridLayout;
    for (int i = 0; i < kRows; ++i)
        BuildRow(i, grid);
    auto* top = new QHBoxLayout;
    top->addLayout(left);
    top->addWidget(add);
    top->addLayout(grid);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(NewOkCancel(this, u"确定"_s));
    ShowMarks();
}

void CDlgQuanDian::BuildRow(int i, QGridLayout* grid)
{
    Row& row = rows_[i];
    const QString n = QString::number(i + 1);
    row.mark = new QLineEdit(this);
    row.mark->setObjectName(u"mark"_s + n);
    row.mark->setMaxLength(1);
    row.mark->setMaximumWidth(40);
    row.font = NewFontButton(this, u"字體"_s, u"font"_s + n, &row.fontCopy, {true, false, true});
    row.x = binder_->Hundredths(this, u"xMove"_s + n, &row.xMove);
    row.y = binder_->Hundredths(this, u"yMove"_s + n, &row.yMove);
    row.remove = new QPushButton(u"×"_s, this);
    row.remove->setObjectName(u"remove"_s + n);
    row.remove->setMaximumWidth(30);
    connect(row.remove, &QPushButton::clicked, this, [this, i] { RemoveMark(i); });
    row.labels = {new QLabel(u"左右移動"_s, this), new QLabel(u"上下移動"_s, this)};
    QWidget* cells[] = {row.mark, row.font, row.labels[0], row.x, row.labels[1], row.y, row.remove};
    for (int c = 0; c < 7; ++c)
        grid->addWidget(cells[c], i, c);
}

void CDlgQuanDian::ShowMarks()
{
    const int count = values_.marks.Size();
    for (int i = 0; i < kRows; ++i) {
        Row& row = rows_[i];
        if (i < count) {
            const TQdChar& mark = values_.marks[i];
            row.mark->setText(CharToString(mark.QD_CHAR));
            row.xMove = mark.X_MOVE;
            row.yMove = mark.Y_MOVE;
            row.fontCopy = mark.font;
        } else if (i == 0) {
            row.mark->clear();
            row.xMove = 0;
            row.yMove = 0;
        }
        const bool shown = i < count;
        row.remove->setHidden(!shown);
        if (i > 0) {
            for (QWidget* w : {static_cast<QWidget*>(row.mark), static_cast<QWidget*>(row.font),
                               static_cast<QWidget*>(row.x), static_cast<QWidget*>(row.y),
                               static_cast<QWidget*>(row.labels[0]), static_cast<QWidget*>(row.labels[1])})
                w->setHidden(!shown);
        }
    }
    binder_->Push();
}

void CDlgQuanDian::TakeRows()
{
    for (int i = 0; i < kRows && i < values_.marks.Size(); ++i) {
        TQdChar& mark = values_.marks[i];
        const QString text = rows_[i].mark->text();
        if (!text.isEmpty())
            mark.QD_CHAR = text.at(0).unicode();
        mark.X_MOVE = rows_[i].xMove;
        mark.Y_MOVE = rows_[i].yMove;
        mark.font = rows_[i].fontCopy;
    }
}

void CDlgQuanDian::AddSelectedSymbol()
{
    TakeRows();
    const int symbol = symbols_->currentRow();
    if (symbol < 0 || !symbols_->currentItem()->isSelected() || values_.marks.Size() >= kRows)
        return;
    TQdChar* mark = AddQdChar(values_);
    mark->QD_CHAR = kSymbols[symbol];
    mark->font = rows_[0].fontCopy;
    ShowMarks();
}

void CDlgQuanDian::RemoveMark(int row)
{
    TakeRows();
    if (row < 0 || row >= values_.marks.Size())
        return;
    DeleteQdChar(values_, row);
    ShowMarks();
}

void CDlgQuanDian::accept()
{
    TakeRows();
    QDialog::accept();
}
