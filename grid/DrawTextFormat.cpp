#include "grid/DrawTextFormat.h"

#include <Qt>

int QtTextFlags(uint32_t format)
{
    int flags = Qt::AlignLeft;
    if (format & DT_RIGHT)
        flags = Qt::AlignRight;
    else if (format & DT_CENTER)
        flags = Qt::AlignHCenter;

    if (!(format & DT_SINGLELINE))
        flags |= Qt::AlignTop;
    else if (format & DT_VCENTER)
        flags |= Qt::AlignVCenter | Qt::TextSingleLine;
    else if (format & DT_BOTTOM)
        flags |= Qt::AlignBottom | Qt::TextSingleLine;
    else
        flags |= Qt::AlignTop | Qt::TextSingleLine;

    if (format & DT_WORDBREAK)
        flags |= Qt::TextWordWrap;
    if (format & DT_EXPANDTABS)
        flags |= Qt::TextExpandTabs;
    if (format & DT_NOCLIP)
        flags |= Qt::TextDontClip;
    return flags;
}
