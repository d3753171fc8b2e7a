#include <gtest/gtest.h>

#include "support/ScratchFiles.h"

#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/SafeWriteFile.h"
#include "support/FileSizeLimit.h"

namespace {
bool WriteText(const QString& path, const QByteArray& bytes)
{
    SafeWriteFile file;
    return file.Open(path) && file.Write(bytes.constData(), bytes.size()) && file.Commit();
}
}  // namespace

TEST(SafeWriteFile, ReplacesTheTargetOnlyOnCommit)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.bin");
    ASSERT_TRUE(WriteText(path, "old"));
    {
        SafeWriteFile file;
        ASSERT_TRUE(file.Open(path));
        ASSERT_TRUE(file.Write("new", 3));
        EXPECT_EQ(FileBytes(path), "old");  // not yet committed
    }                                     // dropped without commit
    EXPECT_EQ(FileBytes(path), "old");
    ASSERT_TRUE(WriteText(path, "new"));
    EXPECT_EQ(FileBytes(path), "new");
}

TEST(SafeWriteFile, FailsInAReadOnlyFolderAndKeepsTheOldFile)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root writes into read-only folders";
    QTemporaryDir dir;
    const QString path = dir.filePath("a.bin");
    ASSERT_TRUE(WriteText(path, "old"));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    EXPECT_FALSE(WriteText(path, "new"));
    QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    EXPECT_EQ(FileBytes(path), "old");
}

TEST(SafeWriteFile, ReportsAWriteThatRunsOutOfSpaceAndKeepsTheOldFile)
{
    // A file-size limit makes the disk "full" for this process, also for root.
    QTemporaryDir dir;
    const QString path = dir.filePath("a.bin");
    ASSERT_TRUE(WriteText(path, "old"));
    // Both a write larger than Qt's own buffer and one smaller than it.
    for (const qsizetype size : {qsizetype(1) << 16, qsizetype(9840)}) {
        FileSizeLimit limit(1024);
        EXPECT_FALSE(WriteText(path, QByteArray(size, 'x'))) << size;
        EXPECT_EQ(FileBytes(path), "old");
    }
}

// A save killed before its temporary file took the target's place leaves
// that file; the next save of the target removes it, and nothing else: not a
// user's file of a like name, not the file of a save still running.
TEST(SafeWriteFile, RemovesWhatAKilledSaveLeftAtTheNextSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("a.bin");
    ASSERT_TRUE(WriteText(path, "old"));
    const QString killed = path + ".vellumor-save-999999999-k1ll3d";  // no such process
    const QString running = path + ".vellumor-save-" + QString::number(getppid()) + "-runnin";
    const QStringList users = {path + ".backup", path + ".abc123", dir.filePath("b.bin.vellumor-save-999999999-x")};
    for (const QString& other : QStringList{killed, running} + users)
        PutFile(other, "copy");

    ASSERT_TRUE(WriteText(path, "new"));
    EXPECT_EQ(FileBytes(path), "new");
    EXPECT_FALSE(QFile::exists(killed));
    EXPECT_TRUE(QFile::exists(running));
    for (const QString& other : users)
        EXPECT_TRUE(QFile::exists(other)) << other.toStdString();
    // A save leaves nothing of its own beside the target.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2 + users.size());
}
