#pragma once
// The advance of one cell of a text run under its spacing parameter "b-c"
// (each cell takes c/b of its length).
#include <cstdint>

#include <QStringView>

struct TZtSpan;

// length × c ÷ b, truncated toward zero, when spacing holds a "-" after its
// first character and b is positive; otherwise length. A c of 0 or below is
// read as 1. The product is taken in 64 bits and the result held to the
// int32 range.
int32_t ScaleByRatio(int32_t length, QStringView spacing);

// The run's advance per cell in the installed edition: its character height
// scaled by its spacing (the horizontal edition scales the character width).
int32_t ScaleByRatioText(const TZtSpan& run);
