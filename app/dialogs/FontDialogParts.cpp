#include "app/dialogs/FontDialogParts.h"

#include <algorithm>

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
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
    auto* combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->addItems({u"常規"_s, u"斜體"_s, u"粗體"_s, u"粗斜體"_s});
    combo->setCurrentIndex(std::clamp(style, 0, 3));
    return combo;
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
