#include "PipelineFuzz.h"

#include <cstdio>
#include <cstdlib>

#include <QFile>

#include "render/RenderGlobals.h"
#include "support/PipelineRun.h"
#include "typeset/TypesetGlobals.h"

void FuzzPipeline(EditionKind edition, FuzzInput input)
{
    InstallFuzzEdition(uint8_t(edition));
    ResetRenderGlobals();
    ResetTypesetGlobals();
    const std::optional<TPipelineRun> run = RunPipelineInput(input.RestBytes());
    if (!run)
        return;
    const QString fault = PipelineFault(*run);
    if (fault.isEmpty())
        return;
    std::fprintf(stderr, "pipeline: %s\n", fault.toUtf8().constData());
    std::abort();
}

void WritePipelineSeeds(SeedWriter& seeds, const char* sample)
{
    // Single pages, the defaults, a text in UTF-8.
    const QByteArray prefix(2, '\0');
    QFile file(QStringLiteral(VELLUMOR_SAMPLES "/") + QString::fromLatin1(sample));
    if (file.open(QIODevice::ReadOnly)) {
        // Pieces of the sample of up to 40 lines, each a seed.
        const QList<QByteArray> lines = file.readAll().split('\n');
        for (qsizetype at = 0, n = 0; at < lines.size() && n < 12; at += 40, ++n)
            seeds.Add(QStringLiteral("sample-%1").arg(n), prefix + lines.mid(at, 40).join('\n'));
    }
    seeds.AddTexts(QStringLiteral("tags"),
                   {
                       "天地玄黃，宇宙洪荒。\n日月盈昃，辰宿列張。",
                       "【TT】寒來暑往，秋收冬藏。閏餘成歲，律呂調陽。雲騰致雨，露結為霜。",
                       "【-1BK】金生麗水，玉出崑岡。劍號巨闕，珠稱夜光。\n【2-1BK】果珍李柰，菜重芥薑。",
                       "正文【ZJ25】甲【-ZJ】正文\n【ZJ-1】事二亍【-ZJ】于亏云互五井亘些亞亟",
                       "【ZJ0】海鹹河淡【-ZJ】鱗潛羽翔",
                       "【BX】龍師火帝鳥官人皇始制文字乃服衣裳推位讓國有虞陶唐弔民伐罪周發殷湯\n坐朝問道",
                       "【SM千字文千字文千字文千字文千字文千字文千字文千字文千字文】\n【JM卷一】\n垂拱平章",
                       "【HS3】愛育黎首，臣伏戎羌。遐邇壹體，率賓歸王。\n【DH】鳴鳳在竹，白駒食場。",
                       "化被草木<ZW><R>賴及<-R><L>萬方<-L><-ZW>蓋此身髮",
                   },
                   prefix);
}
