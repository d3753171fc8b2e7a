#include "platform/WinTypes.h"

int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t product = int64_t(a) * int64_t(b);
    const bool negative = (product < 0) != (c < 0);
    const uint64_t num = uint64_t(product < 0 ? -product : product);
    const uint64_t den = uint64_t(c < 0 ? -int64_t(c) : int64_t(c));
    const uint64_t q = (num + den / 2) / den;
    if (q > uint64_t(INT32_MAX) + (negative ? 1u : 0u))
        return -1;  // overflow, as the Windows function reports it
    return negative ? int32_t(-int64_t(q)) : int32_t(q);
}
