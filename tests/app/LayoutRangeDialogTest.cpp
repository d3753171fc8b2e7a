// The layout dialogs of the three editions refuse a value outside its range:
// 確定 and 應用 name the field and its range and write nothing; the dialog
// stays open, and a value in range is then taken.
#include <gtest/gtest.h>

#include <functional>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "FakeDialogs.h"
#include "app/dialogs/CDlgSetParaHP.h"
#include "app/dialogs/CDlgSetParaSP.h"
#include "app/dialogs/CDlgSetUp.h"
#include "foundation/FoundationGlobals.h"
#include "support/Editions.h"
#include "support/ScriptedPrompter.h"

using namespace Qt::StringLiterals;

namespace {

using RunDialog = std::function<TLayoutDialogResult(TStyle&)>;

struct Case {
    EditionKind edition;
    RunDialog run;
    const char16_t* edit;
    const char16_t* bad;
    const char16_t* message;
    const char16_t* good;
    std::function<int32_t(const TStyle&)> stored;
    int32_t expected;
};

void Type(QDialog& d, const QString& name, const QString& text)
{
    QLineEdit* edit = Child<QLineEdit>(d, name);
    edit->clear();
    QTest::keyClicks(edit, text);
}

TEST(LayoutRangeDialog, OutOfRangeValueIsRefusedWithItsFieldNamed)
{
    const RunDialog woodblock = [](TStyle& s) { return RunLayoutDialog(s, false, {}, {}); };
    const RunDialog vertical = [](TStyle& s) { return RunVerticalLayoutDialog(s, false, {}, {}); };
    const RunDialog horizontal = [](TStyle& s) { return RunHorizontalLayoutDialog(s, false, {}, {}); };
    const Case cases[] = {
        {EditionKind::Woodblock, woodblock, u"textBox.lines", u"100000000",
         u"每頁行數應在1至250之間，不能是100000000！", u"12", [](const TStyle& s) { return s.TEXT_BOX.size.LINES; },
         12},
        {EditionKind::Woodblock, woodblock, u"frame.outBorder", u"10000000",
         u"外框綫粗應在0至100之間，不能是10000000！", u"8", [](const TStyle& s) { return s.OUT_BORDER; }, 800},
        {EditionKind::Woodblock, woodblock, u"textBox.perLine", u"99999", u"每行大字應在1至648之間，不能是99999！",
         u"30", [](const TStyle& s) { return s.TEXT_BOX.size.TEXT_PER_LINE; }, 30},
        {EditionKind::Vertical, vertical, u"textBox.width", u"0", u"頁內框寬應在28至10000之間，不能是0！", u"300",
         [](const TStyle& s) { return s.TEXT_BOX.size.BOX_WIDTH; }, 30000},
        {EditionKind::Vertical, vertical, u"textBox.width", u"999999.99",
         u"頁內框寬應在28至10000之間，不能是999999.99！", u"400",
         [](const TStyle& s) { return s.TEXT_BOX.size.BOX_WIDTH; }, 40000},
        {EditionKind::Horizontal, horizontal, u"textBox.width", u"0", u"頁內框寬應在1至10000之間，不能是0！", u"500",
         [](const TStyle& s) { return s.TEXT_BOX.size.BOX_WIDTH; }, 50000},
        {EditionKind::Horizontal, horizontal, u"textBox.wordLines", u"100000",
         u"大字行數應在1至740之間，不能是100000！", u"20", [](const TStyle& s) { return s.TEXT_BOX.size.WORD_LINES; },
         20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf16(c.message).toStdString());
        const Edition* previous = InstallEdition(&EditionFor(c.edition));
        {
            TStyle style;
            const TStyle before = style;
            ScriptedPrompter prompter;
            prompter.ExpectTell(QString::fromUtf16(c.message)).ExpectTell(QString::fromUtf16(c.message));
            FakeDialogs fake;
            fake.OnRun([&](QDialog& d) {
                Type(d, QString::fromUtf16(c.edit), QString::fromUtf16(c.bad));
                Child<QPushButton>(d, u"apply"_s)->click();
                Child<QPushButton>(d, u"ok"_s)->click();
                EXPECT_NE(d.result(), QDialog::Accepted);
                EXPECT_EQ(c.stored(style), c.stored(before));
                Type(d, QString::fromUtf16(c.edit), QString::fromUtf16(c.good));
                return true;
            });
            const TLayoutDialogResult result = c.run(style);
            EXPECT_TRUE(result.accepted);
            EXPECT_EQ(c.stored(style), c.expected);
        }
        InstallEdition(previous);
    }
}

}  // namespace
