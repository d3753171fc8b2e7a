// A folder of three texts becomes a typeset book: generated, opened, stepped
// through to its last volume, and printed into a PDF whose pages, fonts and
// ink are checked with poppler's tools. Cancelling any question leaves the
// open project as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QDockWidget>
#include <QImage>
#include <QLabel>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QLineEdit>
#include <QPrinter>
#include <QStandardPaths>
#include <QProcess>
#include <QRegularExpression>
#include <QDoubleSpinBox>
#include <QPrinter>
#include <QPushButton>
#include <QComboBox>

#include "app/FakeDialogs.h"
#include "app/commands/CommandIds.h"
#include "app/panes/DirectoryPane.h"
#include "app/printing/BookPrinting.h"
#include "app/printing/PrintPreviewWindow.h"
#include "app/view/CollatorView.h"
#include "foundation/Edition.h"
#include "render/pipeline/ShownPages.h"
#include "support/MainWindowFixture.h"
#include "support/ScratchFiles.h"
#include "typeset/book/Book.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

using namespace Qt::StringLiterals;
using Answer = Prompter::Answer;

namespace {

const QString kDone = u"生成排版文件结束！"_s;
const QString kClear = u"生成前必須清除當前數據，是否繼續？"_s;

// The standard output of a poppler tool; empty when it cannot run.
QString RunTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

class BookFlow : public MainWindowFixture {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        QDir(dir.path()).mkdir(u"書"_s);
        folder = dir.filePath(u"書"_s);
    }
    QString Ext(FileKind kind) const { return g_Edition->Extension(kind); }
    QString VolumeFile(int v) const { return folder + u"/卷%1."_s.arg(v) + Ext(FileKind::VolumeData); }
    QString TypesetFile() const { return folder + u'.' + Ext(FileKind::Typeset); }
    void WriteVolumes()
    {
        for (int v = 1; v <= 3; ++v) {
            QFile file(folder + u"/卷%1.txt"_s.arg(v));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("\xEF\xBB\xBF");
            file.write((u"【JM論語卷第%1】\n【BT1-學而第%1】\n"_s.arg(v) +
                        u"子曰：「學而時習之，不亦說乎？有朋自遠方來，不亦樂乎？」\n"_s.repeated(40 * v))
                           .toUtf8());
        }
    }
    void Generate()
    {
        WriteVolumes();
        chooser.ExpectFolder(folder);
        prompter.ExpectTell(kDone);
        window->Dispatch(Cmd::MakeTypeset);
    }
    // The book's volumes shown as 4-in-1 sheets (with the default page
    // order when the book gives none).
    bool ShowFourInOne()
    {
        if (g_4in1Data.pageOrders.empty()) {
            Parse4in1Splits(g_4in1Data, u""_s);
            Build4in1PageOrder(g_4in1Data);
        }
        return window->View().ToggleFourInOne();
    }
    // A dirty text project open and shown.
    void OpenDirtyText()
    {
        const QString path = WriteText(u"文.txt"_s, u"\uFEFF【JM文】\n天地玄黃，宇宙洪荒。\n"_s);
        ASSERT_TRUE(window->OpenText(path));
        ASSERT_TRUE(g_ProjectDirty);
        projectName = g_ProjectName;
        pages = g_PageTable.pages.Size();
    }
    void ExpectProjectUntouched() const
    {
        EXPECT_EQ(g_ProjectName, projectName);
        EXPECT_TRUE(g_ProjectDirty);
        EXPECT_EQ(g_PageTable.pages.Size(), pages);
        EXPECT_EQ(g_CurrentBook, nullptr);
        EXPECT_FALSE(QFile::exists(VolumeFile(1)));
        EXPECT_TRUE(prompter.Done());
        EXPECT_TRUE(chooser.Done());
    }

    QString folder;
    QString projectName;
    int pages = 0;
};

}  // namespace

TEST_F(BookFlow, GeneratesOpensStepsAndPrints)
{
    Generate();
    ASSERT_TRUE(prompter.Done());
    for (int v = 1; v <= 3; ++v) {
        const QByteArray head = LeBytes().I32(32).WStr(g_Edition->Magic(FileKind::VolumeData)).Data();
        EXPECT_EQ(Hex(FileBytes(VolumeFile(v)).left(head.size())), Hex(head));
    }
    const QByteArray typesetHead = LeBytes().I32(32).WStr(g_Edition->Magic(FileKind::Typeset)).Data();
    EXPECT_EQ(Hex(FileBytes(TypesetFile()).left(typesetHead.size())), Hex(typesetHead));
    EXPECT_EQ(Hex(FileBytes(folder + u"/書."_s + Ext(FileKind::Index)).left(4)), Hex(LeBytes().I32(3).Data()));

    // Open at its first volume, the edit pane in place of the text pane.
    ASSERT_NE(g_CurrentBook, nullptr);
    EXPECT_EQ(g_CurrentBook->volumes.Size(), 3);
    EXPECT_EQ(g_CurrentVolume, 0);
    EXPECT_TRUE(g_VolumeShown);
    EXPECT_TRUE(g_ProjectName.isEmpty());
    EXPECT_TRUE(window->EditDock().isVisible());
    // The directory pane holds the book with its volumes.
    const QTreeWidget& tree = window->FileView().Tree();
    ASSERT_EQ(tree.topLevelItemCount(), 1);
    EXPECT_EQ(tree.topLevelItem(0)->childCount(), 3);
    EXPECT_FALSE(window->TextDock().isVisible());
    EXPECT_TRUE(window->windowTitle().startsWith(u"卷1 - "_s));

    // Through the volumes with the 視圖 commands.
    EXPECT_FALSE(window->Commands().IsEnabled(Cmd::PreviousVolume));
    ASSERT_TRUE(window->Dispatch(Cmd::NextVolume));
    EXPECT_EQ(g_CurrentVolume, 1);
    ASSERT_TRUE(window->Dispatch(Cmd::LastPage));
    EXPECT_EQ(g_CurrentVolume, 2);
    EXPECT_TRUE(window->windowTitle().startsWith(u"卷3 - "_s));
    EXPECT_FALSE(window->Commands().IsEnabled(Cmd::NextVolume));
    ASSERT_TRUE(window->Dispatch(Cmd::FirstPage));
    ASSERT_EQ(g_CurrentVolume, 0);
    ASSERT_GE(GetShownPageCount(), 2);

    // Two pages into a PDF through the print cycle; the view comes back.
    CollatorView& view = window->View();
    const int32_t shown = g_CurrentPage;
    const double zoom = view.Renderer().ZoomFactor;
    const QString pdfPath = dir.filePath(u"book.pdf"_s);
    WinRect frame;
    {
        QPdfWriter pdf(pdfPath);
        PreparePdfWriter(pdf);
        ASSERT_EQ(PrintBookUnits(view, pdf, 1, 2), 2);
        frame = view.Renderer().FrameRect;  // the last printed page's, in printer pixels × 100
    }
    EXPECT_EQ(g_CurrentPage, shown);
    EXPECT_DOUBLE_EQ(view.Renderer().ZoomFactor, zoom);
    EXPECT_FALSE(view.Renderer().Printing);

    EXPECT_TRUE(RunTool(u"pdfinfo"_s, {pdfPath}).contains(QRegularExpression(u"Pages:\\s+2\\b"_s)));
    const QStringList fonts = RunTool(u"pdffonts"_s, {pdfPath}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty()) << "no font in the PDF";
    bool cjk = false;
    for (const QString& line : fonts) {
        EXPECT_TRUE(line.contains(u" yes "_s)) << line.toStdString() << " is not embedded";
        cjk = cjk || line.contains(QRegularExpression(u"CJK|Ming|Kai|HanaMin"_s));
    }
    EXPECT_TRUE(cjk) << fonts.join(u'\n').toStdString();

    // Ink along the frame's left edge on the second page, at 100 dpi.
    constexpr double kScale = 100.0 / 600.0;
    const QString png = dir.filePath(u"page"_s);
    RunTool(u"pdftoppm"_s,
            {u"-f"_s, u"2"_s, u"-l"_s, u"2"_s, u"-r"_s, u"100"_s, u"-singlefile"_s, u"-png"_s, pdfPath, png});
    const QImage page(png + u".png"_s);
    ASSERT_FALSE(page.isNull());
    if (qEnvironmentVariableIsSet("VELLUMOR_KEEP_PRINT"))
        page.save(qEnvironmentVariable("VELLUMOR_KEEP_PRINT"));
    const int x = int(frame.left / 100 * kScale);
    int dark = 0;
    for (int y = int(frame.top / 100 * kScale) + 5; y < int(frame.bottom / 100 * kScale) - 5; ++y)
        for (int dx = -2; dx <= 2; ++dx)
            dark += qGray(page.pixel(std::clamp(x + dx, 0, page.width() - 1), y)) < 128 ? 1 : 0;
    EXPECT_GT(dark, int((frame.bottom - frame.top) / 100 * kScale) / 2) << "frame edge at x=" << x;
}

// The preview paints the shown units through the same cycle.
TEST_F(BookFlow, PreviewShowsEveryUnit)
{
    Generate();
    FakeDialogs dialogs;
    int previewed = -1;
    dialogs.OnRun([&previewed](QDialog& dialog) {
        dialog.resize(900, 700);
        dialog.show();
        QTest::qWait(50);
        if (auto* preview = qobject_cast<PrintPreviewWindow*>(&dialog))
            previewed = preview->Sheets().Count();
        if (qEnvironmentVariableIsSet("VELLUMOR_KEEP_PREVIEW"))
            dialog.grab().save(qEnvironmentVariable("VELLUMOR_KEEP_PREVIEW"));
        return false;
    });
    const int32_t shown = g_CurrentPage;
    window->Dispatch(Cmd::PrintPreview);
    EXPECT_EQ(previewed, GetShownPageCount());
    EXPECT_EQ(g_CurrentPage, shown);
}

// 4-in-1 sheets of other volumes are read for the print only: the shown
// volume, its unsaved edit and its file stay as they were. The command asks
// the volume's save question first; Cancel prints nothing.
TEST_F(BookFlow, FourInOneSheetsOfOtherVolumesLeaveTheShownVolumeAlone)
{
    Generate();
    CollatorView& view = window->View();
    ASSERT_TRUE(ShowFourInOne());
    ASSERT_EQ(g_CurrentVolume, 0);
    const QByteArray fileBefore = FileBytes(VolumeFile(1));
    TPageRec* edited = g_PageTable.pages.GetAtOrNull(1);
    ASSERT_NE(edited, nullptr);
    edited->lines.front().text = u"改"_s;
    g_VolumeDirty = true;
    const int32_t count = GetShownPageCount();
    const int32_t shown = g_CurrentPage;
    const double zoom = view.Renderer().ZoomFactor;
    int otherSheets = 0;
    for (int32_t s = 0; s < count; ++s) {
        int32_t volume = 0, page = 0;
        Decode4in1Entry(ShownPageToTextPages(s).first, volume, page);
        otherSheets += volume == 1 || volume == 2;
    }
    ASSERT_GT(otherSheets, 0) << "the group's sheets are all the shown volume's";

    prompter.ExpectAsk(u"排版文字已修改，是否保存？"_s, Answer::Cancel);
    EXPECT_FALSE(AskSaveBeforePrinting(1, count));

    QPdfWriter pdf(dir.filePath(u"sheets.pdf"_s));
    PreparePdfWriter(pdf);
    EXPECT_GT(PrintBookUnits(view, pdf, 1, count), 1);
    EXPECT_EQ(g_CurrentVolume, 0);
    EXPECT_EQ(g_PageTable.pages.GetAtOrNull(1), edited);
    EXPECT_EQ(edited->lines.front().text, u"改"_s);
    EXPECT_TRUE(g_VolumeDirty);
    EXPECT_EQ(g_TextName, u"卷1"_s);
    EXPECT_EQ(FileBytes(VolumeFile(1)), fileBefore);
    EXPECT_EQ(g_CurrentPage, shown);
    EXPECT_DOUBLE_EQ(view.Renderer().ZoomFactor, zoom);
}

// 取消 in the progress window stops between two volumes: the volumes before
// stay written, the rest and the book's files are not, and the message says
// how far it came.
TEST_F(BookFlow, CancelStopsTheGenerationBetweenVolumes)
{
    WriteVolumes();
    FakeDialogs dialogs;
    dialogs.ChooseFile(folder);
    QStringList shown;
    dialogs.OnProgress([&shown](QDialog& progress) {
        shown << progress.findChild<QLabel*>()->text();
        if (ProgressStepOf(progress) == 2)
            PressCancel(progress);
    });
    prompter.ExpectTell(u"生成排版文件已取消：已生成2冊，共3冊，未寫排版文件。"_s);
    window->Dispatch(Cmd::MakeTypeset);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(shown, (QStringList{u"卷1（1/3）"_s, u"卷2（2/3）"_s, u"卷3（3/3）"_s}));
    EXPECT_TRUE(QFile::exists(VolumeFile(1)));
    EXPECT_TRUE(QFile::exists(VolumeFile(2)));
    EXPECT_FALSE(QFile::exists(VolumeFile(3)));
    EXPECT_FALSE(QFile::exists(TypesetFile()));
    EXPECT_EQ(g_CurrentBook, nullptr);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

// 4-in-1 sheets of three volumes show the printing's progress by volume;
// 取消 at the second volume prints the first volume's sheets only and says
// so, and the view is as it was.
TEST_F(BookFlow, CancelStopsPrintingSheetsBetweenVolumes)
{
    Generate();
    CollatorView& view = window->View();
    ASSERT_TRUE(ShowFourInOne());
    const int32_t count = GetShownPageCount();
    int32_t beforeSecond = -1;
    for (int32_t s = 0; s < count && beforeSecond < 0; ++s) {
        int32_t volume = 0, page = 0;
        if (Decode4in1Entry(ShownPageToTextPages(s).first, volume, page) && volume == 1)
            beforeSecond = s;
    }
    ASSERT_GT(beforeSecond, 0) << "no sheet of the second volume";
    const int32_t shown = g_CurrentPage;

    FakeDialogs dialogs;
    QStringList steps;
    dialogs.OnProgress([&steps](QDialog& progress) {
        steps << progress.findChild<QLabel*>()->text();
        if (ProgressStepOf(progress) == 1)
            PressCancel(progress);
    });
    prompter.ExpectTell(u"打印已取消：已打印1冊，共3冊"_s);
    QPdfWriter pdf(dir.filePath(u"sheets.pdf"_s));
    PreparePdfWriter(pdf);
    EXPECT_EQ(PrintBookUnits(view, pdf, 1, count), beforeSecond);
    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(steps, (QStringList{u"卷1（1/3）"_s, u"卷2（2/3）"_s}));
    EXPECT_EQ(g_CurrentVolume, 0);
    EXPECT_EQ(g_CurrentPage, shown);
    EXPECT_TRUE(view.updatesEnabled());
}

// The same through the window: 四合一顯示 (a command without a menu entry),
// then 文件/打印 into a PDF file, every sheet of the book's one group, which
// holds all three volumes. The run to the end writes them all; a second run
// cancelled at the second volume writes the first volume's sheets only.
TEST_F(BookFlow, PrintCommandPrintsTheSheetsOfEveryVolumeWithProgress)
{
    Generate();
    if (g_4in1Data.pageOrders.empty()) {
        Parse4in1Splits(g_4in1Data, u""_s);
        Build4in1PageOrder(g_4in1Data);
    }
    ASSERT_EQ(g_4in1Data.pageOrders.size(), 1u);
    ASSERT_TRUE(window->Dispatch(Cmd::FourInOne));
    ASSERT_TRUE(g_FourInOneMode);
    const int32_t count = GetShownPageCount();
    const auto printInto = [this](const QString& name) {
        // As a user fills the print window: its PDF destination and file.
        return [path = dir.filePath(name)](QDialog& dialog) {
            dialog.show();
            auto* printers = dialog.findChild<QComboBox*>(u"printers"_s);
            auto* file = dialog.findChild<QLineEdit*>(u"filename"_s);
            if (!printers || !file)
                return false;
            printers->setCurrentIndex(printers->findText(u"PDF"_s, Qt::MatchContains));
            file->setText(path);
            dialog.hide();
            return true;
        };
    };
    const auto pdfPages = [this](const QString& name) {
        QProcess info;
        info.start(u"pdfinfo"_s, {dir.filePath(name)});
        info.waitForFinished();
        const QRegularExpressionMatch pages =
            QRegularExpression(u"Pages:\\s+(\\d+)"_s).match(QString::fromUtf8(info.readAllStandardOutput()));
        return pages.hasMatch() ? pages.captured(1).toInt() : -1;
    };

    QStringList steps;
    {
        FakeDialogs dialogs;
        dialogs.OnRun(printInto(u"all.pdf"_s));
        dialogs.OnProgress([&steps](QDialog& progress) { steps << progress.findChild<QLabel*>()->text(); });
        window->Dispatch(Cmd::Print);
    }
    EXPECT_EQ(steps, (QStringList{u"卷1（1/3）"_s, u"卷2（2/3）"_s, u"卷3（3/3）"_s}));
    EXPECT_EQ(g_CurrentVolume, 0);

    {
        FakeDialogs dialogs;
        dialogs.OnRun(printInto(u"first.pdf"_s));
        dialogs.OnProgress([](QDialog& progress) {
            if (ProgressStepOf(progress) == 1)
                PressCancel(progress);
        });
        prompter.ExpectTell(u"打印已取消：已打印1冊，共3冊"_s);
        window->Dispatch(Cmd::Print);
        EXPECT_TRUE(prompter.Done());
    }
    if (QStandardPaths::findExecutable(u"pdfinfo"_s).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    EXPECT_EQ(pdfPages(u"all.pdf"_s), count);
    const int firstOnly = pdfPages(u"first.pdf"_s);
    EXPECT_GT(firstOnly, 0);
    EXPECT_LT(firstOnly, count);
}

TEST_F(BookFlow, CancelledFolderChoiceLeavesTheProject)
{
    OpenDirtyText();
    WriteVolumes();
    chooser.ExpectFolder(QString());
    window->Dispatch(Cmd::MakeTypeset);
    ExpectProjectUntouched();
}

TEST_F(BookFlow, NoToTheClearingQuestionLeavesTheProject)
{
    OpenDirtyText();
    WriteVolumes();
    chooser.ExpectFolder(folder);
    prompter.ExpectAsk(kClear, Answer::No);
    window->Dispatch(Cmd::MakeTypeset);
    ExpectProjectUntouched();
}

TEST_F(BookFlow, CancelAtTheProjectQuestionStopsTheGeneration)
{
    OpenDirtyText();
    WriteVolumes();
    chooser.ExpectFolder(folder);
    prompter.ExpectAsk(kClear, Answer::Yes).ExpectAsk(u"是否保存當前項目？"_s, Answer::Cancel);
    window->Dispatch(Cmd::MakeTypeset);
    ExpectProjectUntouched();
}

TEST_F(BookFlow, CancelledOpeningLeavesTheProject)
{
    OpenDirtyText();
    chooser.ExpectOpen(QString());
    window->Dispatch(Cmd::OpenTypeset);
    chooser.ExpectOpen(TypesetFile());
    prompter.ExpectAsk(u"是否保存當前項目？"_s, Answer::Cancel);
    window->Dispatch(Cmd::OpenTypeset);
    ExpectProjectUntouched();
}

TEST_F(BookFlow, CancelledPrintDialogPrintsNothing)
{
    Generate();
    FakeDialogs dialogs;
    dialogs.OnRun([](QDialog&) { return false; });
    const int32_t shown = g_CurrentPage;
    window->Dispatch(Cmd::Print);
    EXPECT_EQ(dialogs.RunCount(), 1);
    EXPECT_EQ(g_CurrentPage, shown);
}

// Page setup keeps the margins in hundredths of a millimetre and the
// orientation as 1 (portrait) or 2 (landscape).
TEST_F(BookFlow, PageSetupKeepsMarginsAndOrientation)
{
    FakeDialogs dialogs;
    dialogs.OnRun([](QDialog& dialog) {
        Child<QDoubleSpinBox>(dialog, u"left"_s)->setValue(12.5);
        Child<QDoubleSpinBox>(dialog, u"bottom"_s)->setValue(3);
        Child<QComboBox>(dialog, u"orientation"_s)->setCurrentIndex(0);
        return true;
    });
    dialogs.OnRun([](QDialog& dialog) {
        Child<QDoubleSpinBox>(dialog, u"top"_s)->setValue(40);
        return false;
    });
    window->Dispatch(Cmd::PrintSetup);
    EXPECT_EQ(g_PrintMargins, (WinRect{1250, 200, 200, 300}));
    EXPECT_EQ(g_PrintOrientation, 1);
    window->Dispatch(Cmd::PrintSetup);  // cancelled: nothing changes
    EXPECT_EQ(g_PrintMargins, (WinRect{1250, 200, 200, 300}));
}

// Margins that leave the paper no room are refused at 確定, naming the
// margin and what it may be; the dialog stays open and nothing is kept.
TEST_F(BookFlow, PageSetupRefusesMarginsWiderThanThePaper)
{
    QPrinter printer(QPrinter::HighResolution);
    const QSizeF paper = printer.pageLayout().pageSize().size(QPageSize::Millimeter);
    const double rightMax = paper.width() - 10 - 150;
    prompter.ExpectTell(u"右邊距應在0至%1毫米之間（不能是150.00）！"_s.arg(rightMax, 0, 'f', 2));
    FakeDialogs dialogs;
    dialogs.OnRun([](QDialog& dialog) {
        Child<QComboBox>(dialog, u"orientation"_s)->setCurrentIndex(0);
        Child<QDoubleSpinBox>(dialog, u"left"_s)->setValue(150);
        Child<QDoubleSpinBox>(dialog, u"right"_s)->setValue(150);
        Child<QPushButton>(dialog, u"ok"_s)->click();
        EXPECT_EQ(dialog.result(), QDialog::Rejected);  // still open
        return false;
    });
    window->Dispatch(Cmd::PrintSetup);
    EXPECT_EQ(g_PrintMargins, (WinRect{200, 200, 200, 200}));
}
