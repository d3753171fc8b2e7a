// Damaged and odd files opened through the window (cut short, empty, or
// carrying a layout value no page can be made of): each is told and refused; the book that was open stays open at the
// volume and page it showed, and no project is left behind.
#include <gtest/gtest.h>

#include <limits>

#include <QDateTime>
#include <QDir>

#include "app/FakeDialogs.h"
#include "app/commands/CommandIds.h"
#include "app/files/FileFrame.h"
#include "foundation/Edition.h"
#include "foundation/params/StyleBinary.h"
#include "support/MainWindowFixture.h"
#include "support/ScratchFiles.h"
#include "typeset/book/Book.h"

using namespace Qt::StringLiterals;

namespace {

// StaleVolume: a volume written after the book's index, read again when
// the book is opened.
enum class Form { Text, Project, Typeset, VolumeData, StaleVolume };
enum class Damage { Empty, CutInFrame, LastPercent, CountPastData, LinesOutOfRange };

struct DamagedCase {
    const char* name;
    Form form;
    Damage damage;
};

// The bytes a file keeps of its size after the damage.
qsizetype KeptBytes(Damage damage, qsizetype size)
{
    switch (damage) {
    case Damage::Empty:
        return 0;
    case Damage::CutInFrame:
        return 2;
    case Damage::LastPercent:
        return size - std::max<qsizetype>(1, size / 100);
    case Damage::CountPastData:
        return size * 3000 / 24236;  // what a cut volume was seen to keep
    case Damage::LinesOutOfRange:
        break;
    }
    return size;
}

class DamagedFiles : public MainWindowFixture, public ::testing::WithParamInterface<DamagedCase> {
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        ASSERT_TRUE(QDir(dir.path()).mkdir(u"書"_s));
        folder = dir.filePath(u"書"_s);
        // A text with its project file, then a book of two volumes, opened.
        textPath = WriteText(u"文.txt"_s, u"\uFEFF【JM文】\n天地玄黃，宇宙洪荒。\n"_s);
        ASSERT_TRUE(window->OpenText(textPath));
        window->Dispatch(Cmd::SaveProject);
        ASSERT_FALSE(g_ProjectDirty);
        for (int v = 1; v <= 2; ++v)
            WriteText(u"書/卷%1.txt"_s.arg(v),
                      u"\uFEFF【JM卷%1】\n"_s.arg(v) + u"子曰：學而時習之，不亦說乎？\n"_s.repeated(60));
        chooser.ExpectFolder(folder);
        prompter.ExpectAsk(u"生成前必須清除當前數據，是否繼續？"_s, Prompter::Answer::Yes);
        prompter.ExpectTell(u"生成排版文件结束！"_s);
        window->Dispatch(Cmd::MakeTypeset);
        ASSERT_NE(g_CurrentBook, nullptr);
        ASSERT_EQ(g_CurrentVolume, 0);
        ASSERT_TRUE(prompter.Done());
    }
    QString Ext(FileKind kind) const { return g_Edition->Extension(kind); }
    QString PathOf(Form form) const
    {
        switch (form) {
        case Form::Text:
            return textPath;
        case Form::Project:
            return dir.filePath(u"文."_s + Ext(FileKind::Project));
        case Form::Typeset:
            return folder + u'.' + Ext(FileKind::Typeset);
        case Form::VolumeData:
        case Form::StaleVolume:
            return folder + u"/卷2."_s + Ext(FileKind::VolumeData);
        }
        return {};
    }
    // The open book's set, its first style's lines per page at the 32-bit
    // maximum, written whole as a project or typeset file.
    static void WriteLinesOutOfRange(Form form, const QString& path)
    {
        TParaSet set = g_CurrentBook->parameters;
        set.styles.First()->TEXT_BOX.size.LINES = std::numeric_limits<int32_t>::max();
        TBinFile file;
        ASSERT_TRUE(file.OpenWrite(path));
        WriteFileFrame(file, form == Form::Project ? FileKind::Project : FileKind::Typeset, 32);
        if (form == Form::Typeset) {
            file.WriteInt32(g_CurrentBook->coverPages);
            file.WriteInt32(g_CurrentBook->backPages);
        }
        WriteParaSet(set, file);
        ASSERT_TRUE(file.Close());
    }
    // The command that reads the damaged file, with the messages it gives.
    void OpenDamaged(Form form, const QString& path)
    {
        const QString damaged = u"文件已損壞，無法打開：%1"_s.arg(QDir::toNativeSeparators(path));
        switch (form) {
        case Form::Text:
            prompter.ExpectTell(u"預處理文本文件是空的，無法打開：%1"_s.arg(QDir::toNativeSeparators(path)));
            chooser.ExpectOpen(path);
            window->Dispatch(Cmd::OpenText);
            break;
        case Form::Project:  // opening its text reads it
            prompter.ExpectTell(damaged);
            chooser.ExpectOpen(textPath);
            window->Dispatch(Cmd::OpenText);
            break;
        case Form::Typeset:
            prompter.ExpectTell(damaged);
            chooser.ExpectOpen(path);
            window->Dispatch(Cmd::OpenTypeset);
            break;
        case Form::VolumeData:
            prompter.ExpectTell(damaged).ExpectTell(u"打開文件出錯！"_s);
            window->Dispatch(Cmd::NextVolume);
            break;
        case Form::StaleVolume: {
            QFile volume(path);
            ASSERT_TRUE(volume.open(QIODevice::ReadWrite));
            volume.setFileTime(QDateTime::currentDateTime().addSecs(3600), QFileDevice::FileModificationTime);
            volume.close();
            prompter.ExpectTell(damaged).ExpectTell(u"打開文件出錯！"_s);
            chooser.ExpectOpen(PathOf(Form::Typeset));
            window->Dispatch(Cmd::OpenTypeset);
            break;
        }
        }
    }

    QString folder;
    QString textPath;
};

TEST_P(DamagedFiles, AreToldAndLeaveTheOpenBookAsItWas)
{
    const DamagedCase c = GetParam();
    const QString path = PathOf(c.form);
    const QByteArray whole = FileBytes(path);
    ASSERT_FALSE(whole.isEmpty());
    if (c.damage == Damage::LinesOutOfRange)
        WriteLinesOutOfRange(c.form, path);
    else
        PutFile(path, whole.left(KeptBytes(c.damage, whole.size())));

    const TBook* book = g_CurrentBook;
    const int32_t pages = g_PageTable.pages.Size();
    const QString title = window->windowTitle();
    const std::vector<QString> lines = g_TextLines;
    OpenDamaged(c.form, path);

    EXPECT_TRUE(prompter.Done());
    EXPECT_EQ(g_CurrentBook, book);
    EXPECT_EQ(g_CurrentVolume, 0);
    EXPECT_EQ(g_PageTable.pages.Size(), pages);
    EXPECT_EQ(g_CurrentPage, 0);
    EXPECT_TRUE(g_VolumeShown);
    EXPECT_EQ(window->windowTitle(), title);
    EXPECT_EQ(g_TextLines, lines);
    EXPECT_TRUE(g_ProjectName.isEmpty());
    EXPECT_FALSE(g_ProjectDirty);
    EXPECT_FALSE(g_VolumeDirty);
    EXPECT_FALSE(g_LayoutDirty);
    // Nothing asks to be saved on closing: nothing changed.
    EXPECT_TRUE(window->close());
}

const DamagedCase kCases[] = {
    {"EmptyText", Form::Text, Damage::Empty},
    {"EmptyProject", Form::Project, Damage::Empty},
    {"ProjectCutInItsFrame", Form::Project, Damage::CutInFrame},
    {"ProjectWithoutItsLastPercent", Form::Project, Damage::LastPercent},
    {"ProjectCutShort", Form::Project, Damage::CountPastData},
    {"ProjectWithLinesOutOfRange", Form::Project, Damage::LinesOutOfRange},
    {"EmptyTypeset", Form::Typeset, Damage::Empty},
    {"TypesetCutInItsFrame", Form::Typeset, Damage::CutInFrame},
    {"TypesetWithoutItsLastPercent", Form::Typeset, Damage::LastPercent},
    {"TypesetCutShort", Form::Typeset, Damage::CountPastData},
    {"TypesetWithLinesOutOfRange", Form::Typeset, Damage::LinesOutOfRange},
    {"EmptyVolume", Form::VolumeData, Damage::Empty},
    {"VolumeCutInItsFrame", Form::VolumeData, Damage::CutInFrame},
    {"VolumeWithoutItsLastPercent", Form::VolumeData, Damage::LastPercent},
    {"VolumeCutShort", Form::VolumeData, Damage::CountPastData},
    {"StaleVolumeCutShort", Form::StaleVolume, Damage::CountPastData},
    {"StaleVolumeWithoutItsLastPercent", Form::StaleVolume, Damage::LastPercent},
};

INSTANTIATE_TEST_SUITE_P(FormAndDamage, DamagedFiles, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<DamagedCase>& info) { return std::string(info.param.name); });

}  // namespace
