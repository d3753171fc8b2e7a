#pragma once
// A generated typeset book for the benchmarks, of real size: a book folder
// of volumes of 25 pages of ten columns of 19 characters (about 4,750
// characters), a volume name on the first page and two titles a page (50 a
// volume), with its typeset file. Its index is written the first time the
// book is opened.
#include <cstdint>

#include <QDir>
#include <QTemporaryDir>

#include "app/AppGlobals.h"
#include "app/files/TypesetFile.h"
#include "app/files/VolumeDataFile.h"
#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "render/RenderGlobals.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/book/Book.h"

inline constexpr int32_t kColumns = 10;
inline constexpr int32_t kCellsPerColumn = 19;
inline constexpr int32_t kPagesPerVolume = 25;
inline constexpr int32_t kColumnsPerTitle = 5;
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
            QString text = c % kColumnsPerTitle == 0 ? QStringLiteral("<BT1-第%1之%2>").arg(p).arg(c) : QString();
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
    GeneratedBook(const QString& name, int32_t volumes, int32_t pages = kPagesPerVolume)
    {
        QDir(dir_.path()).mkdir(name);
        folder = dir_.filePath(name);
        uint32_t seed = 100;
        const QString ext = g_Edition->Extension(FileKind::VolumeData);
        for (int32_t v = 0; v < volumes; ++v) {
            FillVolume(pages, QStringLiteral("卷%1").arg(v + 1), seed);
            WriteVolumeDataFile(folder + QStringLiteral("/v%1.").arg(v, 4, 10, QChar(u'0')) + ext);
        }
        g_PageTable = TPageTable();
        TBookList list;
        TBook* book = AddNewBook(list);
        book->LoadFolder(folder, ext);
        AddNewStyle(book->parameters.styles, {true, false})->NAME = kDefaultStyleName;
        WriteTypesetFile(*book);
    }
    QString TypesetPath() const { return folder + u'.' + g_Edition->Extension(FileKind::Typeset); }
    QString IndexPath() const
    {
        return folder + u'/' + GetFileNamePart(folder) + u'.' + g_Edition->Extension(FileKind::Index);
    }

    QString folder;

private:
    QTemporaryDir dir_;
};
