#pragma once
// A generated typeset book for the benchmarks: a book folder of volumes of
// ten columns of 19 characters a page (a volume name on the first page, a
// title every eight pages) with its typeset file, and a page view to open
// it in.
#include <cstdint>
#include <memory>

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/TypesetFile.h"
#include "app/files/VolumeDataFile.h"
#include "app/navigation/ViewData.h"
#include "app/navigation/VolumeNavigation.h"
#include "app/view/PageView.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"

inline constexpr int32_t kColumns = 10;
inline constexpr int32_t kCellsPerColumn = 19;
inline const QString kPool = QStringLiteral("之天地玄黃宇宙洪荒日月盈昃辰宿列張寒來暑往");

inline void FillVolume(int32_t pages, const QString& name, uint32_t& seed)
{
    g_TextName = name;
    g_PageTable = TPageTable();
    for (int32_t p = 0; p < pages; ++p) {
        TPageRec* page = AppendPageRecord(g_PageTable);
        page->styleName = kDefaultStyleName;
        if (p == 0)
            page->lines.push_back({QStringLiteral("<JM") + name + u'>', 0});
        for (int32_t c = 0; c < kColumns; ++c) {
            QString text = c == 0 && p % 8 == 1 ? QStringLiteral("<BT1-第%1>").arg(p) : QString();
            for (int32_t i = 0; i < kCellsPerColumn; ++i) {
                seed = seed * 1103515245u + 12345u;
                text += kPool[qsizetype((seed >> 16) % uint32_t(kPool.size()))];
            }
            page->lines.push_back({text + QStringLiteral("<-P>"), 0});
        }
    }
}

// A book folder of volumes of the given page count, with its typeset file.
class GeneratedBook {
public:
    GeneratedBook(const QString& name, int32_t volumes, int32_t pages)
    {
        QDir(dir_.path()).mkdir(name);
        folder = dir_.filePath(name);
        uint32_t seed = 100;
        const QString ext = g_Edition->Extension(FileKind::VolumeData);
        for (int32_t v = 0; v < volumes; ++v) {
            FillVolume(pages, QStringLiteral("卷%1").arg(v + 1), seed);
            WriteVolumeDataFile(folder + QStringLiteral("/v%1.").arg(v, 4, 10, QChar(u'0')) + ext);
        }
        TBookList list;
        TBook* book = AddNewBook(list);
        book->LoadFolder(folder, ext);
        AddNewStyle(book->parameters.styles, {true, false})->NAME = kDefaultStyleName;
        WriteTypesetFile(*book);
    }
    QString TypesetPath() const { return folder + u'.' + g_Edition->Extension(FileKind::Typeset); }

    QString folder;

private:
    QTemporaryDir dir_;
};

struct View {
    View() { data.pages = pages.get(); }
    std::unique_ptr<PageView> pages = std::make_unique<PageView>();
    ViewData data;
};

// As opening the typeset file does: scan, read (and index), show volume 1.
inline bool OpenBook(View& view, const GeneratedBook& book)
{
    ClearBooks(view.data.books);
    g_CurrentBook = nullptr;
    TBook* opened = AddNewBook(view.data.books);
    opened->LoadFolder(book.folder, g_Edition->Extension(FileKind::VolumeData));
    if (ReadTypesetFile(book.TypesetPath(), *opened) != kTypesetRead)
        return false;
    g_CurrentPages = &g_PageTable;
    g_CurrentVolume = -1;
    return GoToVolumePage(0, view.data, opened, 0);
}

