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
