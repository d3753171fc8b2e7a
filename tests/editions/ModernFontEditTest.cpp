#include <gtest/gtest.h>

#include "app/dialogs/ModernFontEdit.h"
#include "foundation/params/FontDialogs.h"

namespace {

// A dialog that changes every field and reports what it was allowed.
class ChangingDialogs final : public FontDialogs {
public:
    bool EditLayoutFont(TFontStyle& values, const FontStyleDialogFlags& f) override
    {
        flags = f;
        values.NAME = QStringLiteral("HanaMinB");
        values.WORD_HEIGHT = values.WORD_WIDTH = 4321;
        values.DOUBLE_LINE = !values.DOUBLE_LINE;
        values.ALIGN = 9;
        return confirm;
    }
    bool EditEditorFont(TFontAndColor&) override { return false; }
    FontStyleDialogFlags flags;
    bool confirm = true;
};

TEST(ModernFontEdit, HeightAlwaysWidthAndDoubleLineByFlag)
{
    ChangingDialogs dialogs;
    FontDialogs* previous = InstallFontDialogs(&dialogs);
    TFontStyle style;
    EXPECT_TRUE(EditFontStyle(false, style, false));
    EXPECT_TRUE(dialogs.flags.wordHeightEditable);
    EXPECT_EQ(style.NAME, QStringLiteral("HanaMinA"));
    EXPECT_EQ(style.WORD_HEIGHT, 4321);
    EXPECT_EQ(style.WORD_WIDTH, 0);
    EXPECT_FALSE(style.DOUBLE_LINE);
    EXPECT_EQ(style.ALIGN, FontAlign::MOVE);

    EXPECT_TRUE(EditFontStyle(true, style, true));
    EXPECT_EQ(style.WORD_WIDTH, 4321);
    EXPECT_TRUE(style.DOUBLE_LINE);

    dialogs.confirm = false;
    const TFontStyle before = style;
    EXPECT_FALSE(EditFontStyle(true, style, true));
    EXPECT_EQ(style, before);
    InstallFontDialogs(previous);
}

}  // namespace
