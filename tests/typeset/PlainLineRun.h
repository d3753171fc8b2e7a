#pragma once
// A minimal run over plain source lines (text, notes, runs, empty lines)
// through the layout context, standing in for the line interpreter: it
// points the engine at one style, starts the first page, lays out each line
// and pads the table to an even page count. Line tags are not read; a test
// sets the line-head state a tag would set through the setup hook. Header
// only, so that the benchmarks use it as well.
#include <functional>
#include <vector>

#include <QString>

#include "foundation/params/Style.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/BracketTags.h"
#include "typeset/pages/PageRecord.h"

class PlainLineRun {
public:
    using Setup = std::function<void(TLayoutContext&)>;

    PlainLineRun(TStyle& style, TPageTable& table)
    {
        ClearPageRecords(table);
        g_TypesetTable = &table;
        g_TypesetStyleName = style.NAME;
        PointCurrentListsAt(&style);
        context.box = &style.TEXT_BOX;
        context.mode = TLayoutMode::Body;
        context.Reset();
        g_TypesetPage = nullptr;
        context.NewPage();
    }

    // setup runs where the line's leading tags would take effect.
    void Line(const QString& line, const Setup& setup = {})
    {
        if (line.isEmpty()) {
            context.FinishLine();
            return;
        }
        if (context.freshColumn && context.column >= context.LinesPerPage())
            context.NewPage();
        context.lineHeadMode = TLineHeadMode::None;
        if (setup)
            setup(context);
        QString text = NormalizeBracketTags(line);
        if (context.justified) {
            const QString exempt = QStringLiteral("【HH】");
            context.exempt = text.size() > exempt.size() && text.endsWith(exempt);
            if (context.exempt)
                text.chop(exempt.size());
        }
        context.ResetLineState();
        context.LayoutInputLine(text);
    }

    void Lines(const std::vector<QString>& lines)
    {
        for (const QString& line : lines)
            Line(line);
    }

    void Finish()
    {
        context.FlushPendingLines();
        if (g_TypesetTable && (g_TypesetTable->pages.Size() + g_CoverPages + g_BackPages) % 2 != 0)
            context.NewPage();
    }

    TLayoutContext context;
};
