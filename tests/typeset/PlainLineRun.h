#pragma once
// A minimal run over plain source lines (text, notes, runs, empty lines)
// through the layout context, standing in for the line interpreter: it
// points the engine at one style and takes the interpreter's own steps of a
// run and of a line (its first page, a line's start, its text, the even
// page count at the end), without reading line tags; a test sets the
// line-head state a tag would set through the setup hook. Header only, so
// that the benchmarks use it as well.
#include <functional>
#include <vector>

#include <QString>

#include "foundation/params/Style.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/layout/LayoutContext.h"
#include "typeset/markup/BracketTags.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/typesetter/LineSteps.h"

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
        StartBody(context);
    }

    // setup runs where the line's leading tags would take effect.
    void Line(const QString& line, const Setup& setup = {})
    {
        if (!BeginSourceLine(context, line))
            return;
        if (setup)
            setup(context);
        QString text = NormalizeBracketTags(line);
        PrepareLineText(context, text);
        context.ResetLineState();
        context.LayoutInputLine(text);
    }

    void Lines(const std::vector<QString>& lines)
    {
        for (const QString& line : lines)
            Line(line);
    }

    void Finish() { FinishBody(context); }

    TLayoutContext context;
};
