#include "app/dialogs/DialogParts.h"

#include <algorithm>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include "app/dialogs/FontFaces.h"

using namespace Qt::StringLiterals;

QComboBox* NewFaceCombo(QWidget* parent, const QString& name, const QString& face)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(FontFaceNames());
    const int at = face.isEmpty() ? -1 : combo->findText(face, Qt::MatchStartsWith);
    combo->setCurrentIndex(at);
    if (at < 0)
        combo->setEditText(face);
    return combo;
}

QString FaceOfCombo(const QComboBox& combo, const QString& keep)
{
    const QString text = combo.currentText().trimmed();
    return text.isEmpty() ? keep : text;
}

QComboBox* NewStyleCombo(QWidget* parent, const QString& name, int style)
{
    return NewChoiceCombo(parent, name, {u"常規"_s, u"斜體"_s, u"粗體"_s, u"粗斜體"_s}, style);
}

QComboBox* NewChoiceCombo(QWidget* parent, const QString& name, const QStringList& items, int current)
{
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems(items);
    if (!items.isEmpty())
        combo->setCurrentIndex(std::clamp(current, 0, int(items.size()) - 1));
    return combo;
}

void AddLabelled(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field)
{
    grid->addWidget(new QLabel(caption), row, column);
    grid->addWidget(field, row, column + 1);
}

QDialogButtonBox* NewOkCancel(QDialog* dialog, const QString& okCaption)
{
    auto* box = new QDialogButtonBox(dialog);
    QPushButton* ok = box->addButton(okCaption, QDialogButtonBox::AcceptRole);
    ok->setObjectName(u"ok"_s);
    ok->setDefault(true);
    box->addButton(u"取消"_s, QDialogButtonBox::RejectRole)->setObjectName(u"cancel"_s);
    QObject::connect(box, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    return box;
}
