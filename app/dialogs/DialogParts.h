#pragma once
// Controls that the dialogs build the same way.
#include <QString>

class QComboBox;
class QGridLayout;
#include <QStringList>
class QDialog;
#include <QDialogButtonBox>

class QWidget;

// An editable face combo listing FontFaceNames, on the entry that begins
// with face (case-insensitive); a face not listed is shown as stored.
QComboBox* NewFaceCombo(QWidget* parent, const QString& name, const QString& face);
// The face the combo holds: its text, or keep when that is empty.
QString FaceOfCombo(const QComboBox& combo, const QString& keep);
// "常規", "斜體", "粗體", "粗斜體" on style (0..3).
QComboBox* NewStyleCombo(QWidget* parent, const QString& name, int style);
// The OK button (with its caption: 確定 or 确定) and 取消, wired to the dialog.
QDialogButtonBox* NewOkCancel(QDialog* dialog, const QString& okCaption);
// A drop-down list of items on current (clamped into the list).
QComboBox* NewChoiceCombo(QWidget* parent, const QString& name, const QStringList& items, int current = 0);
// A caption in column and the field beside it, in one grid row.
void AddLabelled(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field);
