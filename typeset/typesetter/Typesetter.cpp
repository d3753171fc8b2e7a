// The run over a text, styles and parameter files, the odd-page start.
#include "typeset/typesetter/Typesetter.h"

#include <QDir>

#include "foundation/FoundationGlobals.h"
#include "foundation/io/Paths.h"
#include "foundation/params/LayoutRanges.h"
#include "foundation/params/ParaFile.h"
#include "foundation/text/StringUtils.h"
#include "platform/Prompter.h"
#include "typeset/TypesetEdition.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/LineSteps.h"

namespace {

int32_t PagesAndCovers() { return (g_TypesetTable ? g_TypesetTable->pages.Size() : 0) + g_CoverPages; }

}  // namespace

void TTypesetter::Run() { CurrentTypesetEdition().Run(*this); }

void TTypesetter::ProcessLine(const QString& line) { CurrentTypesetEdition().ProcessLine(*this, line); }

bool TTypesetter::StartOnOddPage() { return CurrentTypesetEdition().StartOnOddPage(*this); }

void TTypesetter::PointEngineAt(TStyle* target)
{
    style = target;
    PointCurrentListsAt(target);
    if (!target)
        return;
    g_TypesetStyleName = target->NAME;
    textContext.box = &target->TEXT_BOX;
    headContext.box = &target->HEAD_BOX;
}

bool TTypesetter::SelectStyle(QStringView argument)
{
    std::vector<QString> items;
    SplitByChar(argument, ',', items);
    const QString name = items.empty() ? QString() : items.front();
    if (!paraSet || name.isEmpty() || IsCoverName(name))
        return false;
    TStyleList& styles = paraSet->styles;
    TStyle* target = nullptr;
    if (styles.Size() == 1 && styles.First()->NAME.isEmpty()) {
        target = styles.First();
        target->NAME = name;
    } else if (!(target = styles.FindByName(&TStyle::NAME, name))) {
        target = AddNewStyle(styles, display);
        target->NAME = name;
    }
    PointEngineAt(target);
    return true;
}

bool TTypesetter::LoadStyleFile(const QString& fileName)
{
    if (textPath.isEmpty() || !paraSet)
        return false;
    QString name = fileName;
    name.replace(u'\\', u'/');
    const QString path = QDir(GetFolderPart(textPath)).filePath(name);
    // Read into a copy, taken only when it holds a style, so that a file
    // that cannot be read or names no style leaves the set as it was.
    TParaSet scratch = *paraSet;
    if (!ImportParaFile(path, scratch, display) || scratch.styles.IsEmpty())
        return false;
    // A value no page can be made with (a damaged or hand-edited file) would
    // hang or wreck the typesetting: the file is refused and the reader told.
    if (const std::optional<TLayoutFault> fault = FindLayoutFault(scratch)) {
        TellUser(QStringLiteral("文件已損壞，無法打開：%1\n%2")
                     .arg(QDir::toNativeSeparators(path), LayoutFaultMessage(*fault)));
        return false;
    }
    const QString coverName = cover ? cover->NAME : QString();
    PointEngineAt(nullptr);
    ClearStyles(paraSet->styles);
    *paraSet = std::move(scratch);
    // The cover records were replaced along with the styles.
    if (!coverName.isEmpty())
        cover = coverName == kBackCoverName ? GetBackCoverPara(*paraSet) : GetCoverPara(*paraSet);
    return true;
}

void TypesetEdition::Run(TTypesetter& typesetter) const
{
    typesetter.PointEngineAt(typesetter.style);
    TLayoutContext& head = typesetter.headContext;
    head.mode = TLayoutMode::Head;
    head.Reset();
    typesetter.current = &typesetter.textContext;
    StartBody(typesetter.textContext);
    typesetter.insideCover = false;
    g_CoverPages = 0;
    g_BackPages = 0;
    // Lines between two progress questions: a few milliseconds of work.
    constexpr size_t kProgressLines = 512;
    for (size_t i = 0; i < g_TextLines.size(); ++i) {
        if (typesetter.progress && i % kProgressLines == 0 && !typesetter.progress(i, g_TextLines.size())) {
            typesetter.stopped = true;
            break;
        }
        typesetter.ProcessLine(g_TextLines[i]);
    }
    FinishBody(*typesetter.current);
}

void StartBody(TLayoutContext& text)
{
    text.mode = TLayoutMode::Body;
    text.Reset();
    g_TypesetPage = nullptr;
    text.NewPage();
}

void FinishBody(TLayoutContext& context)
{
    context.FlushPendingLines();
    if (g_TypesetTable && (g_TypesetTable->pages.Size() + g_CoverPages + g_BackPages) % 2 != 0)
        context.NewPage();
}

bool TypesetEdition::StartOnOddPage(TTypesetter& typesetter) const
{
    TLayoutContext& context = *typesetter.current;
    const bool pageEmpty = context.column == 0 && context.heldColumns.empty();
    if (pageEmpty && PagesAndCovers() % 2 != 0)
        return false;
    context.NewPage();
    if (PagesAndCovers() % 2 == 0)
        context.NewPage();
    return true;
}

void DeleteUnusedStyles(TParaSet& set, const TPageTable& table)
{
    auto inUse = [&](const QString& name) {
        for (const TPageRec& page : table.pages)
            if (page.styleName == name)
                return true;
        return false;
    };
    for (int32_t i = set.styles.Size() - 1; i >= 0; --i)
        if (!inUse(set.styles.GetAtOrNull(i)->NAME))
            RemoveStyleAt(set.styles, i);
}

bool TypesetPages(TParaSet& set, TPageTable& table, TTypesetter& typesetter)
{
    g_TypesetTable = &table;
    typesetter.paraSet = &set;
    typesetter.title.clear();
    typesetter.cover = nullptr;
    typesetter.stopped = false;
    ClearPageRecords(table);
    if (set.styles.IsEmpty())
        AddNewStyle(set.styles, typesetter.display)->NAME = kDefaultStyleName;
    typesetter.style = set.styles.First();
    if (!typesetter.style) {
        TellUser(QStringLiteral("添加框架参数出错！"));
        return false;
    }
    typesetter.Run();
    g_LoadingText = false;
    if (set.styles.Size() >= 2)
        DeleteUnusedStyles(set, table);
    // Nothing may keep pointing into styles the run replaced or deleted.
    typesetter.PointEngineAt(nullptr);
    typesetter.cover = nullptr;
    g_TypesetPage = nullptr;
    return !typesetter.stopped;
}

void AddPagePicture(const QString& name)
{
    if (!g_TypesetPage)
        return;
    TPageItem* item = g_TypesetPage->pictures.AddNew();
    item->kind = TPageItemKind::WholePage;
    item->name = name;
}

void AddPageSeal(const QString& name, int32_t left, int32_t right, int32_t top, int32_t bottom)
{
    if (!g_TypesetPage)
        return;
    TPageItem* item = g_TypesetPage->seals.AddNew();
    item->kind = TPageItemKind::Seal;
    item->name = name;
    item->SetSealRect({left, top, right, bottom});
}
