// Seeds of the targets that read layout-parameter files (.pra).
#include "FuzzTarget.h"

#include "foundation/Edition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/ParaFile.h"
#include "foundation/params/TaggedBlock.h"

namespace {
// The blocks of a style. Each seed holds one of them, so that the seeds stay
// small (a whole file is some 20 KB, and the time per input grows with it)
// and the fuzzer combines them.
const char* const kStyleBlocks[] = {
    "FRAME", "TEXT_BOX", "HEAD_BOX", "MID_UP_FONT", "TECH_ARRAY", "CIRCLE_ARRAY", "QUAN_DIAN_ARRAY",
    "CE_PI_ARRAY", "BIAO_DIAN", "ATTATCH_FONT_GROUP", "ATTATCH_RICH_FONT_GROUP",
};

QString Wrapped(QStringView name, const QString& body)
{
    return OpenTag(name) + QStringLiteral("\r\n") + body + CloseTag(name) + QStringLiteral("\r\n");
}

// Seeds in UTF-8, where the tags are plain bytes for the fuzzer.
void AddEditionSeeds(SeedWriter& seeds, char edition, const QString& exported)
{
    const QString head = Wrapped(u"HEAD", TaggedBlock(exported, u"HEAD"));
    const QString edit = g_Edition->ParaBlockName();
    // The filled style is the last one.
    const QString style = exported.mid(exported.lastIndexOf(QStringLiteral("<STYLE>")));
    const QByteArray prefix = QByteArray(1, edition) + "\xEF\xBB\xBF";
    seeds.Add(QStringLiteral("covers-%1").arg(int(edition)),
              prefix + (head + Wrapped(u"PARA_COVER", TaggedBlock(exported, u"PARA_COVER"))).toUtf8());
    for (const char* block : kStyleBlocks) {
        const QString name = QString::fromLatin1(block);
        const QString text = head + Wrapped(edit, Wrapped(u"STYLE", Wrapped(name, TaggedBlock(style, name))));
        seeds.Add(QStringLiteral("%1-%2").arg(name).arg(int(edition)), prefix + text.toUtf8());
    }
}
}  // namespace

QString ExportedParaText(const QByteArray& exported)
{
    // UTF-16LE after its byte-order mark.
    return QString::fromUtf16(reinterpret_cast<const char16_t*>(exported.constData() + 2),
                              (exported.size() - 2) / 2);
}

QByteArray ExportedParaFile(const TParaSet& set)
{
    return FileBytes([&](const QString& path) { ExportParaFile(path, set); });
}

void AddParaFileSeeds(SeedWriter& seeds)
{
    const TParaSet set = SeedParaSet();
    for (char edition = 0; edition < 3; ++edition) {
        InstallFuzzEdition(uint8_t(edition));
        AddEditionSeeds(seeds, edition, ExportedParaText(ExportedParaFile(set)));
    }
}
