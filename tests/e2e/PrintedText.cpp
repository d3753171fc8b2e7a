// A text opened in the window and printed into a PDF file in each edition:
// the PDF is text, not pictures of it. pdftotext of every sheet gives every
// Han character of the sheet's pages.
#include <gtest/gtest.h>

#include <map>

#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>

#include "app/printing/BookPrinting.h"
#include "app/view/CollatorView.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "render/pipeline/ShownPages.h"
#include "support/Editions.h"
#include "support/MainWindowFixture.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;

namespace {

using Counts = std::map<char16_t, int>;

// The Han characters of a text, counted; what stands inside "<" … ">" tags
// is not drawn and not counted.
Counts HanCharacters(const QString& text)
{
    Counts counts;
    const QString drawn = QString(text).remove(QRegularExpression(u"<[^>]*>"_s));
    for (QChar c : drawn)
        if (c.unicode() >= 0x4E00 && c.unicode() <= 0x9FFF)
            ++counts[c.unicode()];
    return counts;
}

Counts PageCharacters(int32_t page)
{
    Counts counts;
    if (page < 0 || page >= g_PageTable.pages.Size())
        return counts;
    for (const auto& line : g_PageTable.pages[size_t(page)].lines)
        for (const auto& [c, n] : HanCharacters(line.text))
            counts[c] += n;
    return counts;
}

QString SheetText(const QString& pdf, int sheet)
{
    QProcess process;
    const QString number = QString::number(sheet);
    process.start(u"pdftotext"_s, {u"-f"_s, number, u"-l"_s, number, pdf, u"-"_s});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class PrintedText : public MainWindowFixture, public ::testing::WithParamInterface<EditionKind> {
protected:
    void SetUp() override
    {
        previous_ = InstallEdition(&EditionFor(GetParam()));
        MainWindowFixture::SetUp();
    }
    void TearDown() override
    {
        MainWindowFixture::TearDown();
        InstallEdition(previous_);
    }

private:
    const Edition* previous_ = nullptr;
};

}  // namespace

TEST_P(PrintedText, EverySheetGivesItsPagesCharacters)
{
    const QString line = u"子曰：「學而時習之，不亦說乎？有朋自遠方來，不亦樂乎？人不知而不慍，不亦君子乎？」\n"_s;
    const QString path = WriteText(u"論語.txt"_s, u"\uFEFF【JM論語卷第一】\n【BT1-學而第一】\n"_s + line.repeated(30));
    ASSERT_TRUE(window->OpenText(path));
    const int32_t sheets = GetShownPageCount();
    ASSERT_GE(sheets, 2);
    const QString pdfPath = dir.filePath(u"printed.pdf"_s);
    {
        QPdfWriter pdf(pdfPath);
        PreparePdfWriter(pdf);
        ASSERT_EQ(PrintBookUnits(window->View(), pdf, 1, sheets), sheets);
    }
    for (int32_t sheet = 0; sheet < sheets; ++sheet) {
        const TextPages pages = ShownPageToTextPages(sheet);
        Counts wanted = PageCharacters(pages.first);
        for (const auto& [c, n] : PageCharacters(pages.second))
            wanted[c] += n;
        const QString text = SheetText(pdfPath, sheet + 1);
        ASSERT_FALSE(text.isEmpty()) << "no text on sheet " << sheet + 1;
        Counts found = HanCharacters(text);
        for (const auto& [c, n] : wanted)
            EXPECT_GE(found[c], n) << "sheet " << sheet + 1 << ": " << QString(QChar(c)).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(AllEditions, PrintedText,
                         ::testing::Values(EditionKind::Woodblock, EditionKind::Vertical, EditionKind::Horizontal),
                         EditionName);
