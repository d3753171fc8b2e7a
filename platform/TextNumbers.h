#pragma once
// Numbers in the text forms are read the way C's atoi reads them: leading
// white space, an optional sign, then digits up to the first other character.
// "12abc" is 12, "abc" is 0. QString::toInt would refuse both.
#include <cstdint>

#include <QStringView>

int32_t ParseIntLikeAtoi(QStringView text);
