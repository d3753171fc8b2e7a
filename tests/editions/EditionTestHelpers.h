#pragma once
// Helpers the print editions' tests share: .pra files in a scratch folder,
// and the typeset page table as text with each page's used size.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include "foundation/params/ParaFile.h"
#include "foundation/params/Style.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/pages/PageTableDump.h"
#include "typeset/typesetter/Typesetter.h"

// .pra texts written to and read from numbered files of a scratch folder.
class ParaFileScratch {
public:
    // A file holding text in UTF-8 with a byte-order mark; its path.
    QString Store(const QString& text)
    {
        const QString path = dir_.filePath(QStringLiteral("in%1.pra").arg(++count_));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write("\xEF\xBB\xBF" + text.toUtf8());
        return path;
    }
    // The text of the set's exported .pra file.
    QString Exported(const TParaSet& set)
    {
        const QString path = dir_.filePath(QStringLiteral("out%1.pra").arg(++count_));
        EXPECT_TRUE(ExportParaFile(path, set));
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QString();
        const QByteArray bytes = f.readAll();
        return QString::fromUtf16(reinterpret_cast<const char16_t*>(bytes.constData()), bytes.size() / 2);
    }
    QString FilePath(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
    int count_ = 0;
};

// Typesets lines under set into table and dumps the pages, each with the
// size its lines used (SHOW_DUMP=1 prints it, for checking a golden).
inline QString DumpTypesetPages(const std::vector<QString>& lines, TParaSet& set, TPageTable& table,
                                TTypesetter& typesetter)
{
    g_TextLines = lines;
    EXPECT_TRUE(TypesetPages(set, table, typesetter));
    QString dump;
    for (const TPageRec& page : table.pages)
        dump += DumpPage(page, page.index) + QStringLiteral("  used %1\n").arg(page.usedSize);
    if (qEnvironmentVariableIsSet("SHOW_DUMP"))
        std::fprintf(stderr, "----\n%s", dump.toUtf8().constData());
    return dump;
}
