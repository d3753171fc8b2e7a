#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

using namespace Qt::StringLiterals;

namespace {

class BookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir_.isValid());
        root_ = dir_.filePath(u"书"_s);
    }

    // Paths ending in "/" are folders, others empty files, below the book folder.
    void Make(const QStringList& paths)
    {
        for (const QString& rel : paths) {
            const QString path = root_ + u'/' + rel;
            if (rel.endsWith(u'/')) {
                ASSERT_TRUE(QDir().mkpath(path));
            } else {
                ASSERT_TRUE(QDir().mkpath(path.section(u'/', 0, -2)));
                QFile file(path);
                ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            }
        }
    }
    void Link(const QString& rel, const QString& target)
    {
        ASSERT_TRUE(QFile::link(target, root_ + u'/' + rel));
    }

    // The tree as text: folders as title{...}, volumes by their path below the
    // book folder. Every link must agree with its node.
    QString Tree(const ElementBase& node) const
    {
        QString out = node.kind == kVolumeNode ? node.name.mid(root_.size() + 1) : node.name + u'{';
        for (const TChildLink& link : node.children) {
            EXPECT_EQ(link.node->parent, &node);
            EXPECT_EQ(link.kind, link.node->kind);
            EXPECT_EQ(link.index, link.node->index);
            out += Tree(*link.node) + u' ';
        }
        return node.kind == kVolumeNode ? out : out + u'}';
    }
    QString Tree(const TBook& book) const { return book.folders.IsEmpty() ? QString() : Tree(book.folders[0]); }
    // Volume list order, each index checked against its position.
    static QString Volumes(const TBook& book, const QString& base)
    {
        QStringList names;
        for (int32_t i = 0; i < book.volumes.Size(); ++i) {
            EXPECT_EQ(book.volumes[i].index, i);
            names << book.volumes[i].name.mid(base.size() + 1);
        }
        return names.join(u' ');
    }
    QString Volumes(const TBook& book) const { return Volumes(book, root_); }

    QTemporaryDir dir_;
    QString root_;
};

TEST_F(BookTest, ScansFoldersIntoTreeAndVolumeOrder)
{
    struct Case {
        const char* what;
        QStringList paths;
        QString tree;
        QString volumes;
    };
    const Case cases[] = {
        {"sorted files, empty folder dropped", {u"b.txt"_s, u"a.txt"_s, u"x/"_s, u"x/y/"_s, u"x/note.doc"_s},
         u"书{a.txt b.txt }"_s, u"a.txt b.txt"_s},
        {"a folder holding only a folder stays", {u"only/deeper/v.txt"_s},
         u"书{only{deeper{only/deeper/v.txt } } }"_s, u"only/deeper/v.txt"_s},
        {"sub-folders before files, depth first", {u"z.txt"_s, u"b/v.txt"_s, u"a/w.txt"_s, u"a/c/u.txt"_s},
         u"书{a{c{a/c/u.txt } a/w.txt } b{b/v.txt } z.txt }"_s, u"a/c/u.txt a/w.txt b/v.txt z.txt"_s},
        {"titles trimmed, extension cut", {u" 卷\u3000 /v.txt"_s, u"vol.1/w.txt"_s},
         u"书{卷{ 卷\u3000 /v.txt } vol{vol.1/w.txt } }"_s, u" 卷\u3000 /v.txt vol.1/w.txt"_s},
        // UTF-16 units: upper case first; U+20000 (D840 DC00) before U+FF21,
        // the other way round from UTF-8 bytes.
        {"UTF-16 unit order", {u"\uFF21.txt"_s, u"\U00020000.txt"_s, u"a.txt"_s, u"B.txt"_s},
         u"书{B.txt a.txt \U00020000.txt \uFF21.txt }"_s, u"B.txt a.txt \U00020000.txt \uFF21.txt"_s},
        {"extension case, hidden folders", {u"c.TXT"_s, u"d.text"_s, u".h.txt"_s, u".hidden/v.txt"_s},
         u"书{.h.txt c.TXT }"_s, u".h.txt c.TXT"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ASSERT_TRUE(QDir(root_).removeRecursively());
        Make(c.paths);
        TBook book;
        book.LoadFolder(root_, u"txt"_s);
        EXPECT_EQ(book.bookFolder, root_);
        EXPECT_EQ(Tree(book), c.tree);
        EXPECT_EQ(Volumes(book), c.volumes);
        for (const TFolder& folder : book.folders)
            EXPECT_EQ(folder.owner, &book);
    }
}

TEST_F(BookTest, LoadingAgainGivesTheSameTreeAndIndexes)
{
    Make({u"b/v.txt"_s, u"a/w.txt"_s, u"e/"_s, u"z.txt"_s});
    TBook book;
    book.LoadFolder(root_, u"txt"_s);
    const QString tree = Tree(book);
    const QString volumes = Volumes(book);
    ASSERT_EQ(book.folders.Size(), 3);

    book.LoadFolder(root_, u"txt"_s);
    EXPECT_EQ(Tree(book), tree);
    EXPECT_EQ(Volumes(book), volumes);
    EXPECT_EQ(book.folders.Size(), 3);
    for (int32_t i = 0; i < book.folders.Size(); ++i)
        EXPECT_EQ(book.folders[i].index, i);

    book.LoadFolder(QString(), u"txt"_s);  // nothing happens
    EXPECT_EQ(Tree(book), tree);
}

TEST_F(BookTest, LinkedFoldersAreScannedOnceAndLoopsEnd)
{
    QTemporaryDir outside;
    ASSERT_TRUE(QDir().mkpath(outside.filePath(u"in"_s)));
    QFile(outside.filePath(u"in/o.txt"_s)).open(QIODevice::WriteOnly);
    Make({u"a/v.txt"_s});
    Link(u"a/up"_s, root_);
    Link(u"a/self"_s, root_ + u"/a"_s);
    Link(u"ext"_s, outside.filePath(u"in"_s));

    TBook book;
    book.LoadFolder(root_, u"txt"_s);
    EXPECT_EQ(Tree(book), u"书{a{a/v.txt } ext{ext/o.txt } }"_s);
}

TEST_F(BookTest, DetachingAFolderTakesItsSubtreeOut)
{
    Make({u"a/c/u.txt"_s, u"a/w.txt"_s, u"b/v.txt"_s});
    TBook book;
    book.LoadFolder(root_, u"txt"_s);
    TFolder& root = book.folders[0];
    TFolder& a = book.folders[1];
    ASSERT_EQ(a.name, u"a"_s);

    a.Detach();
    EXPECT_EQ(Tree(book), u"书{b{b/v.txt } }"_s);
    EXPECT_FALSE(root.RemoveChildLink(&a));
    EXPECT_EQ(a.parent, nullptr);
    EXPECT_TRUE(a.children.empty());
    for (ElementBase* below : {static_cast<ElementBase*>(&book.folders[2]), static_cast<ElementBase*>(&book.volumes[0]),
                               static_cast<ElementBase*>(&book.volumes[1])}) {
        EXPECT_TRUE(below->detached);
        EXPECT_EQ(below->parent, nullptr);
    }

    // Deleting a node unlinks it from a live parent.
    book.volumes.RemoveAt(2);
    EXPECT_EQ(Tree(book), u"书{b{} }"_s);
}

TEST_F(BookTest, TicksFollowTheSubtreeAndOneLevelUp)
{
    Make({u"a/v.txt"_s, u"a/w.txt"_s, u"x.txt"_s});
    TBook book;
    book.LoadFolder(root_, u"txt"_s);
    TFolder& root = book.folders[0];
    TFolder& a = book.folders[1];
    auto ticks = [&] {
        QString out = QString::number(root.ticked) + QString::number(a.ticked) + u' ';
        for (const TFile& v : book.volumes)
            out += QString::number(v.ticked);
        return out;
    };
    EXPECT_EQ(ticks(), u"11 111"_s);
    SetTickedRecursive(book.volumes[0], false);
    EXPECT_EQ(ticks(), u"11 011"_s);
    SetTickedRecursive(book.volumes[1], false);
    EXPECT_EQ(ticks(), u"10 001"_s);  // the root is two levels up: unchanged
    SetTickedRecursive(book.volumes[2], false);
    EXPECT_EQ(ticks(), u"00 000"_s);
    SetTickedRecursive(root, true);
    EXPECT_EQ(ticks(), u"11 111"_s);
}

TEST_F(BookTest, DeletingTheCurrentBookClearsIt)
{
    TBookList books;
    TBook* first = AddNewBook(books);
    TBook* second = AddNewBook(books);
    TBook stranger;

    g_CurrentBook = second;
    RemoveBook(books, &stranger);
    RemoveBook(books, first);
    EXPECT_EQ(books.Size(), 1);
    EXPECT_EQ(g_CurrentBook, second);
    RemoveBook(books, second);
    EXPECT_TRUE(books.IsEmpty());
    EXPECT_EQ(g_CurrentBook, nullptr);

    g_CurrentBook = AddNewBook(books);
    ClearBooks(books);
    EXPECT_EQ(g_CurrentBook, nullptr);
}

}  // namespace
