#include "app/dialogs/FieldBinder.h"

#include <algorithm>
#include <cmath>

#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>

QString ShownHundredths(int32_t value) { return QString::number(value / 100.0, 'g', 15); }

int32_t StoredHundredths(double value)
{
    const double stored = value * 100 + 0.5;
    if (!std::isfinite(stored))
        return 0;
    return int32_t(std::clamp(stored, double(INT32_MIN), double(INT32_MAX)));
}

QLineEdit* FieldBinder::Hundredths(QWidget* parent, const QString& name, int32_t* field)
{
    return Bind(parent, name, {nullptr, field, true, INT32_MIN});
}

QLineEdit* FieldBinder::DerivedLength(QWidget* parent, const QString& name, int32_t* field)
{
    QLineEdit* edit = Bind(parent, name, {nullptr, field, true, 0});
    edit->setReadOnly(true);
    return edit;
}

QLineEdit* FieldBinder::Count(QWidget* parent, const QString& name, int32_t* field, int32_t minimum)
{
    return Bind(parent, name, {nullptr, field, false, minimum});
}

QLineEdit* FieldBinder::Bind(QWidget* parent, const QString& name, Binding binding)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    binding.edit = edit;
    bindings_.push_back(binding);
    edit->setText(Shown(binding));
    QObject::connect(edit, &QLineEdit::textEdited, this, [this, binding](const QString& text) { Take(binding, text); });
    QObject::connect(edit, &QLineEdit::editingFinished, this, [binding] {
        const QSignalBlocker block(binding.edit);
        binding.edit->setText(Shown(binding));
    });
    return edit;
}

void FieldBinder::Take(const Binding& binding, const QString& text)
{
    const QLocale c = QLocale::c();
    bool ok = false;
    if (binding.hundredths) {
        const double value = c.toDouble(text.trimmed(), &ok);
        if (ok)
            *binding.field = StoredHundredths(value);
    } else {
        const int32_t value = c.toInt(text.trimmed(), &ok);
        ok = ok && value >= binding.minimum;
        if (ok)
            *binding.field = value;
    }
    if (!ok)
        return;
    typing_ = binding.edit;
    if (onEdited_)
        onEdited_(binding.edit);
    typing_ = nullptr;
}

void FieldBinder::Push()
{
    for (const Binding& binding : bindings_) {
        if (binding.edit == typing_)
            continue;
        const QString shown = Shown(binding);
        if (binding.edit->text() != shown) {
            const QSignalBlocker block(binding.edit);
            binding.edit->setText(shown);
        }
    }
}

QString FieldBinder::Shown(const Binding& binding)
{
    // A length's minimum is INT32_MIN but for derived lengths.
    return binding.hundredths ? ShownHundredths(std::max(*binding.field, binding.minimum))
                              : QString::number(*binding.field);
}
