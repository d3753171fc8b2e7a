#include "typeset/search/SearchCursor.h"

#include <algorithm>

#include <QString>

#include "platform/Prompter.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/search/SearchSections.h"

namespace {

const QString kNothingBelow = QStringLiteral("下方沒有文字！");
const QString kNothingAbove = QStringLiteral("上方沒有文字！");

int32_t LineCount(const TPageTable& table, int32_t page)
{
    const TPageRec* record = table.pages.GetAtOrNull(page);
    return record ? int32_t(record->lines.size()) : 0;
}

int32_t LineLength(const TPageTable& table, int32_t page, int32_t line)
{
    const TPageRec* record = table.pages.GetAtOrNull(page);
    if (!record || line < 0 || size_t(line) >= record->lines.size())
        return 0;
    return DisplayLength(record->lines[size_t(line)].text);
}

void SetCursor(TPageTable& table, int32_t page, int32_t line, int32_t column)
{
    table.findPage = page;
    table.findLine = line;
    table.findColumn = column;
}

}  // namespace

bool StepCursorForward(TPageTable& table, int32_t shownFirstPage)
{
    if (table.gridHits.IsEmpty()) {
        SetCursor(table, shownFirstPage == 0 && g_CoverPages == 1 ? 1 : shownFirstPage, 0, 0);
        return true;
    }
    if (++table.findColumn < LineLength(table, table.findPage, table.findLine))
        return true;
    int32_t line = table.findLine + 1;
    for (int32_t page = std::max(table.findPage, 0); page < table.pages.Size(); ++page, line = 0) {
        for (; line < LineCount(table, page); ++line) {
            if (LineLength(table, page, line) > 0) {
                SetCursor(table, page, line, 0);
                return true;
            }
        }
    }
    TellUser(kNothingBelow);
    return false;
}

bool StepCursorBackward(TPageTable& table, int32_t shownLastPage)
{
    if (table.gridHits.IsEmpty()) {
        const int32_t last = std::max(LineCount(table, shownLastPage) - 1, 0);
        SetCursor(table, shownLastPage, last, LineLength(table, shownLastPage, last));
    }
    if (table.findColumn > 0) {
        --table.findColumn;
        return true;
    }
    const int32_t lastPage = std::min(table.findPage, table.pages.Size() - 1);
    int32_t line = table.findPage == lastPage ? table.findLine - 1 : LineCount(table, lastPage) - 1;
    for (int32_t page = lastPage; page >= 0; --page) {
        for (; line >= 0; --line) {
            if (const int32_t length = LineLength(table, page, line); length > 0) {
                SetCursor(table, page, line, length - 1);
                return true;
            }
        }
        line = LineCount(table, page - 1) - 1;
    }
    TellUser(kNothingAbove);
    return false;
}
