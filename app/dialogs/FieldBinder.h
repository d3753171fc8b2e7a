#pragma once
// Binds the edit controls of a dialog to its working fields. Lengths are
// shown divided by 100 and a typed value v is stored as (int)(v × 100 + 0.5);
// counts are shown and typed as integers. A field takes what the user types
// (textEdited: typing only) as soon as it parses; partial input that does not
// parse keeps the previous value. Push() shows every field again except the
// edit being typed in, with signals blocked, so nothing is reformatted under
// the caret; that edit is reformatted when its editing finishes.
#include <cstdint>
#include <functional>
#include <vector>

#include <QObject>
#include <QString>

#include <QLineEdit>
class QWidget;

// The shown form of a length in hundredths.
QString ShownHundredths(int32_t value);
// (int)(value × 100 + 0.5), kept inside the int32 range.
int32_t StoredHundredths(double value);

class FieldBinder : public QObject {
public:
    explicit FieldBinder(QObject* parent) : QObject(parent) {}

    // Runs after a field took a typed value (the dialog's side effects).
    void SetOnEdited(std::function<void(QLineEdit*)> onEdited) { onEdited_ = std::move(onEdited); }

    // A length edit over *field.
    QLineEdit* Hundredths(QWidget* parent, const QString& name, int32_t* field);
    // A read-only length derived from others: shown as 0 when a box leaves
    // it no room, never as a negative setting.
    QLineEdit* DerivedLength(QWidget* parent, const QString& name, int32_t* field);
    // A count edit over *field; values below minimum are refused (the field
    // keeps its value and the edit shows it again when editing ends).
    QLineEdit* Count(QWidget* parent, const QString& name, int32_t* field, int32_t minimum);
    // Shows every field in its edit, except the one being typed in.
    void Push();

private:
    struct Binding {
        QLineEdit* edit;
        int32_t* field;
        bool hundredths;
        int32_t minimum;
    };
    QLineEdit* Bind(QWidget* parent, const QString& name, Binding binding);
    void Take(const Binding& binding, const QString& text);
    static QString Shown(const Binding& binding);

    std::vector<Binding> bindings_;
    std::function<void(QLineEdit*)> onEdited_;
    QLineEdit* typing_ = nullptr;
};
