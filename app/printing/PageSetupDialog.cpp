#include "app/printing/PageSetupDialog.h"

#include <cmath>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>

#include "app/dialogs/DialogParts.h"

namespace {

using namespace Qt::StringLiterals;

constexpr double kHundredthsPerMm = 100.0;
constexpr double kMaxMarginMm = 200.0;

}  // namespace

PageSetupDialog::PageSetupDialog(const WinRect& margins, int16_t orientation, QWidget* parent) : QDialog(parent)
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
