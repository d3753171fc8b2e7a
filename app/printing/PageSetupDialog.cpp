#include "app/printing/PageSetupDialog.h"

#include <algorithm>
#include <cmath>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

#include "app/dialogs/DialogParts.h"
#include "platform/Prompter.h"

namespace {

using namespace Qt::StringLiterals;

constexpr double kHundredthsPerMm = 100.0;
constexpr double kMaxMarginMm = 200.0;
// What the margins must leave of the sheet across and down.
constexpr double kMinPrintedMm = 10.0;

// "右邊距應在0至50毫米之間（不能是150）！"
QString MarginMessage(const QString& field, double max, double value)
{
    return u"%1應在0至%2毫米之間（不能是%3）！"_s.arg(field).arg(max, 0, 'f', 2).arg(value, 0, 'f', 2);
}

}  // namespace

PageSetupDialog::PageSetupDialog(const WinRect& margins, int16_t orientation, QSizeF paper, QWidget* parent)
    : QDialog(parent), paper_(paper)
{
    setWindowTitle(u"頁面設置"_s);
    auto* form = new QFormLayout(this);
    const std::pair<const char*, QString> rows[] = {{"left", u"左邊距(毫米)"_s},
                                                    {"top", u"上邊距(毫米)"_s},
                                                    {"right", u"右邊距(毫米)"_s},
                                                    {"bottom", u"下邊距(毫米)"_s}};
    const int32_t values[] = {margins.left, margins.top, margins.right, margins.bottom};
    for (int i = 0; i < 4; ++i) {
        margins_[i] = AddMargin(rows[i].first, values[i]);
        form->addRow(rows[i].second, margins_[i]);
    }
    orientation_ = NewChoiceCombo(this, u"orientation"_s, {u"縱向"_s, u"橫向"_s}, orientation == 1 ? 0 : 1);
    form->addRow(u"方向"_s, orientation_);
    form->addRow(NewOkCancel(this, u"確定"_s));
}

QDoubleSpinBox* PageSetupDialog::AddMargin(const char* name, int32_t hundredths)
{
    auto* box = new QDoubleSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setDecimals(2);
    box->setRange(0.0, kMaxMarginMm);
    box->setValue(hundredths / kHundredthsPerMm);
    return box;
}

WinRect PageSetupDialog::Margins() const
{
    auto at = [this](int i) { return int32_t(std::lround(margins_[i]->value() * kHundredthsPerMm)); };
    return {at(0), at(1), at(2), at(3)};
}

int16_t PageSetupDialog::Orientation() const { return orientation_->currentIndex() == 0 ? 1 : 2; }

QString PageSetupDialog::MarginFault() const
{
    const QSizeF sheet = Orientation() == 1 ? paper_ : paper_.transposed();
    // Each pair across a side of the sheet: the first, then the second
    // within what the first leaves.
    const struct {
        int first, second;
        double side;
        const char16_t* names[2];
    } pairs[] = {{0, 2, sheet.width(), {u"左邊距", u"右邊距"}}, {1, 3, sheet.height(), {u"上邊距", u"下邊距"}}};
    for (const auto& pair : pairs) {
        const double first = margins_[pair.first]->value();
        const double second = margins_[pair.second]->value();
        const double firstMax = std::max(pair.side - kMinPrintedMm, 0.0);
        if (first > firstMax)
            return MarginMessage(QString::fromUtf16(pair.names[0]), firstMax, first);
        const double secondMax = firstMax - first;
        if (second > secondMax)
            return MarginMessage(QString::fromUtf16(pair.names[1]), secondMax, second);
    }
    return {};
}

void PageSetupDialog::accept()
{
    const QString fault = paper_.isEmpty() ? QString() : MarginFault();
    if (!fault.isEmpty()) {
        TellUser(fault);
        return;
    }
    QDialog::accept();
}
