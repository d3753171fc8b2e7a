// The layout dialog on the style of an open text: 應用 re-typesets, and
// the applied change is offered for saving even after 確定 or 取消.
#include <gtest/gtest.h>

#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include "app/AppGlobals.h"
#include "app/dialogs/CDlgSetUp.h"
#include "app/frame/MainWindow.h"
#include "app/text/TextOpening.h"
#include "FakeDialogs.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "support/ScriptedPrompter.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

class LayoutDialogFlowTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        ResetAppGlobals();
        ResetRenderGlobals();
        ResetTypesetGlobals();
        ResetFoundationGlobals();
    }
    QTemporaryDir folder;
    ScriptedPrompter prompter;
};

TEST_F(LayoutDialogFlowTest, ApplyingFewerCharactersPerLineRetypesetsIntoMorePages)
{
    QString text;
    for (int i = 0; i < 40; ++i)
        text += u"天地玄黃宇宙洪荒日月盈昃辰宿列張寒來暑往秋收冬藏\n"_s;
    QFile file(folder.filePath(u"t.txt"_s));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.toUtf8().prepend("\xEF\xBB\xBF"));
    file.close();
    MainWindow window;
    ASSERT_TRUE(window.OpenText(file.fileName()));
    ASSERT_NE(g_CurrentStyle, nullptr);
    const int32_t pagesBefore = g_PageTable.pages.Size();

    FakeDialogs fake;
    fake.OnRun([](QDialog& d) {
        QLineEdit* perLine = Child<QLineEdit>(d, u"textBox.perLine"_s);
        perLine->clear();
        QTest::keyClicks(perLine, u"5"_s);
        Child<QPushButton>(d, u"apply"_s)->click();
        return true;
    });
    int32_t pagesAtApply = 0;
    TTypesetter typesetter;
    const TLayoutDialogResult result = RunLayoutDialog(*g_CurrentStyle, false, {}, [&] {
        ASSERT_TRUE(BuildPagesFromText(typesetter, false));
        pagesAtApply = g_PageTable.pages.Size();
    });
    EXPECT_GT(pagesAtApply, pagesBefore);
    EXPECT_TRUE(result.accepted);
    EXPECT_FALSE(result.changed);
    EXPECT_TRUE(LayoutNeedsSaving(result));
    EXPECT_EQ(g_CurrentStyle->TEXT_BOX.size.TEXT_PER_LINE, 5);
}

}  // namespace
