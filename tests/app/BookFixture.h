#pragma once
// A typeset book on disk for the tests of the book files, the opening and
// the navigation: a book folder of volume-data files, each volume a few
// pages with a volume name and titles, and its typeset file beside it.
#include <gtest/gtest.h>

#include <vector>

#include <QDir>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/FrameServices.h"
#include "app/files/TypesetFile.h"
#include "app/files/VolumeDataFile.h"
#include "app/navigation/ViewData.h"
#include "app/navigation/VolumeNavigation.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"
#include "typeset/book/FourInOne.h"
#include "typeset/pages/PageRecord.h"

// Every layer's working state back to its start.
// The working state as at start, mid-test; the installed frame stays.
inline void ResetWorkingState()
{
    FrameServices* frame = InstallFrameServices(nullptr);
    ResetAppGlobals();
    ResetRenderGlobals();
    ResetTypesetGlobals();
    ResetFoundationGlobals();
    InstallFrameServices(frame);
}

// Writes a volume of pageCount pages: page 0 names the volume, page 1
// carries a first-level title and, when there is a page 2, a second-level
// title below it.
inline void WriteVolume(const QString& path, const QString& name, int32_t pageCount)
{
    g_TextName = name;
    g_PageTable = TPageTable();
    for (int32_t p = 0; p < pageCount; ++p) {
        TPageRec* page = AppendPageRecord(g_PageTable);
        page->styleName = kDefaultStyleName;
        QString line = QStringLiteral("第%1頁").arg(p);
        if (p == 0)
            line.prepend(QStringLiteral("<JM") + name + u'>');
        else if (p <= 2)
            line.prepend(QStringLiteral("<BT%1-題%1>").arg(p));
        page->lines = {{line, 0}};
    }
    ASSERT_TRUE(WriteVolumeDataFile(path));
}

class BookOnDisk {
public:
    // A book folder "書" of volumes "卷1", "卷2", … of the given page counts.
    explicit BookOnDisk(const std::vector<int32_t>& pageCounts)
    {
        QDir(root.path()).mkdir(QStringLiteral("書"));
        folder = root.filePath(QStringLiteral("書"));
        for (size_t v = 0; v < pageCounts.size(); ++v)
            WriteVolume(VolumePath(int32_t(v)), QStringLiteral("卷%1").arg(v + 1), pageCounts[v]);
        g_PageTable = TPageTable();
        g_TextName.clear();
    }

    QString VolumePath(int32_t v) const
    {
        return folder + QStringLiteral("/卷%1.").arg(v + 1) + g_Edition->Extension(FileKind::VolumeData);
    }
    QString TypesetPath() const { return folder + u'.' + g_Edition->Extension(FileKind::Typeset); }
    QString IndexPath() const
    {
        return folder + QStringLiteral("/書.") + g_Edition->Extension(FileKind::Index);
    }

    // Scans the folder into a new book of list.
    TBook& Scan(TBookList& list) const
    {
        TBook* book = AddNewBook(list);
        book->LoadFolder(folder, g_Edition->Extension(FileKind::VolumeData));
        return *book;
    }
    // Writes a typeset file of one style for the scanned book.
    void WriteTypeset(TBook& book) const
    {
        AddNewStyle(book.parameters.styles, {true, false})->NAME = kDefaultStyleName;
        ASSERT_TRUE(WriteTypesetFile(book));
    }

    QTemporaryDir root;
    QString folder;
};

// Opens the book as opening its typeset file does, after the frame's reset,
// at the first page of its first volume.
inline void OpenBookOnDisk(const BookOnDisk& disk, ViewData& view, FrameServices& frame)
{
    {
        TBookList scratch;
        disk.WriteTypeset(disk.Scan(scratch));
    }
    frame.ResetProjectState();
    TBook& book = disk.Scan(view.books);
    ASSERT_EQ(ReadTypesetFile(disk.TypesetPath(), book), kTypesetRead);
    g_CurrentPages = &g_PageTable;
    g_CurrentVolume = -1;
    ASSERT_TRUE(GoToVolumePage(0, view, &book, 0));
}
