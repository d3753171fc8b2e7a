// Messages stand over the modal dialog open at the time: a message shown
// from the layout dialog keeps that dialog in front of the main window
// once answered.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "app/MessageBoxPrompter.h"

namespace {

// The message box on screen, its parent, and the modal window after it
// is answered with its first button.
struct Seen {
    QWidget* parent = nullptr;
    bool modal = false;
};

void AnswerTheMessageLater(Seen& seen)
{
    QTimer::singleShot(0, [&seen] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_TRUE(box);
        seen.parent = box->parentWidget();
        seen.modal = box->isModal();
        box->buttons().first()->click();
    });
}

TEST(MessageParent, AMessageOverAModalDialogStandsOverTheDialog)
{
    QMainWindow main;
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    MessageBoxPrompter prompter(&main);

    Seen alone;
    AnswerTheMessageLater(alone);
    prompter.Tell(QStringLiteral("訊息"));
    EXPECT_EQ(alone.parent, &main) << "without a dialog: over the main window";

    QDialog layout(&main);
    layout.setModal(true);
    layout.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&layout));
    ASSERT_EQ(QApplication::activeModalWidget(), &layout);
    for (const bool ask : {false, true}) {
        Seen over;
        AnswerTheMessageLater(over);
        if (ask)
            prompter.Ask(QStringLiteral("保存？"), Prompter::Buttons::YesNoCancel);
        else
            prompter.Tell(QStringLiteral("訊息"));
        EXPECT_EQ(over.parent, &layout) << "ask " << ask;
        EXPECT_TRUE(over.modal);
        EXPECT_EQ(QApplication::activeModalWidget(), &layout) << "the dialog is the modal window again";
        EXPECT_TRUE(layout.isVisible());
    }
}

}  // namespace
