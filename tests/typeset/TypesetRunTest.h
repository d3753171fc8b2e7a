#pragma once
// Base of the tests that typeset a few lines under the fixture style and
// look at the columns made.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "FixtureStyle.h"
#include "PlainLineRun.h"
#include "TypesetTestText.h"
#include "foundation/FoundationGlobals.h"

inline void PrintTo(const std::vector<QString>& columns, std::ostream* os)
{
    for (const QString& column : columns)
        *os << "\n  " << column.toStdString();
}

class TypesetRunTest : public ::testing::Test {
protected:
    using Lines = std::vector<std::pair<QString, PlainLineRun::Setup>>;

    void SetUp() override { MakeFixtureStyle(style); }

    void Typeset(const Lines& lines)
    {
        PlainLineRun run(style, table);
        for (const auto& [line, setup] : lines)
            run.Line(line, setup);
        run.Finish();
    }
    void Typeset(const std::vector<QString>& lines)
    {
        Lines plain;
        for (const QString& line : lines)
            plain.push_back({line, {}});
        Typeset(plain);
    }
    // The body columns of every page, in order.
    std::vector<QString> ColumnsOf(const std::vector<QString>& lines)
    {
        Typeset(lines);
        return AllColumns();
    }
    std::vector<QString> AllColumns() const
    {
        std::vector<QString> columns;
        for (const TPageRec& page : table.pages)
            for (const TPageLine& line : page.lines)
                columns.push_back(line.text);
        return columns;
    }

    TStyle style;
    TPageTable table;
};
