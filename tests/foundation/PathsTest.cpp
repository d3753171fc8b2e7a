#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "foundation/FoundationGlobals.h"
#include "foundation/io/DataFolders.h"
#include "foundation/io/FolderScan.h"
#include "foundation/io/Paths.h"

namespace {

void Touch(const QString& path)
{
    QDir().mkpath(GetFolderPart(path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
}

QStringList Sorted(QStringList list)
{
    list.sort();
    return list;
}

// Each test starts from empty program and project folders and its own
// VELLUMOR_HOME, and puts both back afterwards.
class PathsEnv : public ::testing::Test {
protected:
    void SetUp() override
    {
        savedHome_ = qgetenv("VELLUMOR_HOME");
        hadHome_ = qEnvironmentVariableIsSet("VELLUMOR_HOME");
        qunsetenv("VELLUMOR_HOME");
    }
    void TearDown() override
    {
        if (hadHome_)
            qputenv("VELLUMOR_HOME", savedHome_);
        else
            qunsetenv("VELLUMOR_HOME");
    }
    void SetHome(const QString& folder) { qputenv("VELLUMOR_HOME", folder.toUtf8()); }

    QTemporaryDir tmp_;

private:
    QByteArray savedHome_;
    bool hadHome_ = false;
};

}  // namespace

TEST(PathCutting, CutsAtEitherSeparatorAndTheLastDotOfTheName)
{
    struct Case { const char16_t* path; const char16_t* folder; const char16_t* name; const char16_t* title;
                  const char16_t* stripped; const char16_t* ext; };
    const Case cases[] = {
        {u"a.txt", u"", u"a.txt", u"a", u"a", u"txt"},
        {u"name", u"", u"name", u"name", u"name", u""},
        {u"C:\\書\\卷一.jpg", u"C:\\書", u"卷一.jpg", u"卷一", u"C:\\書\\卷一", u"jpg"},
        {u"/a/b.c/d\\e.tar.gz", u"/a/b.c/d", u"e.tar.gz", u"e.tar", u"/a/b.c/d\\e.tar", u"gz"},
        // A dotted folder does not give the file an extension.
        {u"/home/u/my.books/vol1", u"/home/u/my.books", u"vol1", u"vol1", u"/home/u/my.books/vol1", u""},
        {u"my.books\\vol1", u"my.books", u"vol1", u"vol1", u"my.books\\vol1", u""},
        {u"/x/.hidden", u"/x", u".hidden", u"", u"/x/", u"hidden"},
        {u"/dir/", u"/dir", u"", u"", u"/dir/", u""},
        {u"", u"", u"", u"", u"", u""},
    };
    for (const Case& c : cases) {
        const QString path = QString::fromUtf16(c.path);
        SCOPED_TRACE(path.toStdString());
        EXPECT_EQ(GetFolderPart(path), QString::fromUtf16(c.folder));
        EXPECT_EQ(GetFileNamePart(path), QString::fromUtf16(c.name));
        EXPECT_EQ(GetFileTitlePart(path), QString::fromUtf16(c.title));
        EXPECT_EQ(StripExtension(path), QString::fromUtf16(c.stripped));
        EXPECT_EQ(GetFileExtPart(path), QString::fromUtf16(c.ext));
    }
}

TEST_F(PathsEnv, PathExistsForFilesAndFolders)
{
    Touch(tmp_.filePath("f.txt"));
    EXPECT_TRUE(PathExists(tmp_.filePath("f.txt")));
    EXPECT_TRUE(PathExists(tmp_.path()));
    EXPECT_FALSE(PathExists(tmp_.filePath("missing.txt")));
    EXPECT_FALSE(PathExists(QString()));
}

TEST_F(PathsEnv, ProgramFolderIsTheProgramsUnlessVellumorHomeIsSet)
{
    EXPECT_EQ(GetAppFolder(), QCoreApplication::applicationDirPath());
    EXPECT_EQ(g_ProgramPath, QCoreApplication::applicationFilePath());

    ResetFoundationGlobals();
    SetHome(tmp_.path() + "/");
    EXPECT_EQ(GetAppFolder(), tmp_.path());
    EXPECT_EQ(g_ProgramPath, tmp_.path() + "/" + QFileInfo(QCoreApplication::applicationFilePath()).fileName());
}

TEST_F(PathsEnv, PictureFolderKinds)
{
    SetHome("/opt/v");
    EXPECT_EQ(GetDataFolder(3), QString()) << "no project folder, no character pictures";
    g_ProjectFolder = "/p";
    const std::pair<int32_t, const char*> cases[] = {
        {0, "/opt/v/data/covers"}, {1, "/p"}, {2, "/p"}, {3, "/p/gwords"},
        {4, "/opt/v/data/grounds"}, {5, "/p"}, {-1, ""}, {6, ""},
    };
    for (const auto& [kind, folder] : cases)
        EXPECT_EQ(GetDataFolder(kind), QString::fromUtf8(folder)) << kind;
}

TEST_F(PathsEnv, ResolvesPictureNames)
{
    g_ProjectFolder = tmp_.path();
    for (const char* file : {"seal.jpg", "seal.png", "stamp.PNG.gif", "gwords/字.tif"})
        Touch(tmp_.filePath(file));
    const QString dir = tmp_.path() + "/";
    const std::tuple<const char16_t*, int32_t, QString> cases[] = {
        {u"seal", 1, dir + "seal.jpg"},             // .jpg comes before .png
        {u"stamp.PNG", 2, dir + "stamp.PNG.gif"},   // capitals are no extension
        {u"absent.png", 5, dir + "absent.png"},     // taken as named, existing or not
        {u"absent", 1, QString()},
        {u"字", 3, dir + "gwords/字.tif"},
        {u"", 1, QString()},
        {u"seal", -1, QString()},
    };
    for (const auto& [name, kind, expected] : cases)
        EXPECT_EQ(ResolveImagePath(QString::fromUtf16(name), kind), expected) << QString::fromUtf16(name).toStdString();
    EXPECT_EQ(ResolveImageRef(TImageRef{1, "seal"}), dir + "seal.jpg");
}

TEST_F(PathsEnv, FolderScansAndHiddenEntries)
{
    const QString root = tmp_.path();
    for (const char* file : {"a.TXT", ".hidden.txt", "b.dat", "sub/c.txt", "sub/deeper/e.txt", ".hid/d.txt"})
        Touch(root + "/" + file);
    QDir().mkpath(root + "/.hid/inner");
    // A link back up the tree is listed but not entered.
    ASSERT_TRUE(QFile::link(root, root + "/sub/up"));

    auto all = [&](std::initializer_list<const char*> names) {
        QStringList list;
        for (const char* name : names)
            list << root + "/" + name;
        return Sorted(list);
    };
    QStringList list;
    ListFilesByExt(root, "txt", list, false);
    EXPECT_EQ(Sorted(list), all({"a.TXT", ".hidden.txt"}));
    list.clear();
    ListFilesByExt(root, "txt", list, true);
    EXPECT_EQ(Sorted(list), all({"a.TXT", ".hidden.txt", "sub/c.txt", "sub/deeper/e.txt", ".hid/d.txt"}));
    list.clear();
    ListAllFiles(root, list);
    EXPECT_EQ(Sorted(list), all({"a.TXT", "b.dat", "sub/c.txt", "sub/deeper/e.txt", ".hid/d.txt"}));
    list.clear();
    ListSubFolders(root, list, false);
    EXPECT_EQ(Sorted(list), all({"sub"}));
    list = QStringList{"kept"};
    ListSubFolders(root, list, true);
    EXPECT_EQ(list.first(), "kept") << "scans append";
    list.removeFirst();
    EXPECT_EQ(Sorted(list), all({"sub", "sub/deeper", "sub/up"}));
}

TEST_F(PathsEnv, MissingFolderListsNothing)
{
    for (const QString& folder : {tmp_.filePath("missing"), QString()}) {
        QStringList list;
        ListFilesByExt(folder, "txt", list, true);
        ListAllFiles(folder, list);
        ListSubFolders(folder, list, true);
        EXPECT_TRUE(list.isEmpty()) << folder.toStdString();
    }
}

TEST_F(PathsEnv, GroundListHoldsTheVisibleBackgrounds)
{
    SetHome(tmp_.path());
    for (const char* file : {"paper.jpg", "more/silk.png", ".cache.png"})
        Touch(tmp_.path() + "/data/grounds/" + file);
    TImageRefList grounds;
    grounds.AddNew()->name = "stale";
    ListGrounds(grounds);
    QStringList names;
    for (const TImageRef& ref : grounds) {
        EXPECT_EQ(ref.folderKind, 4);
        names << ref.name;
    }
    EXPECT_EQ(Sorted(names), QStringList({"paper.jpg", "silk.png"}));
    EXPECT_EQ(grounds[FindGround(grounds, "silk.png")].name, "silk.png");
    EXPECT_EQ(FindGround(grounds, "Silk.png"), -1);
    EXPECT_EQ(ResolveImageRef(TImageRef{4, "paper"}), tmp_.path() + "/data/grounds/paper.jpg");
}
