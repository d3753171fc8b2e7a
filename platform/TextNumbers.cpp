#include "platform/TextNumbers.h"

int32_t ParseIntLikeAtoi(QStringView text)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || (text[i] >= u'\t' && text[i] <= u'\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulate in 64 bits and wrap to 32 like the 32-bit C runtime does for
    // overlong inputs, without signed overflow.
    uint32_t value = 0;
    for (; i < n && text[i] >= u'0' && text[i] <= u'9'; ++i)
        value = value * 10u + uint32_t(text[i].unicode() - u'0');
    return negative ? int32_t(0u - value) : int32_t(value);
}
