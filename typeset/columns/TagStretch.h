#pragma once
// The one scan that every reader of column strings shares: find the next
// opener, take its parameter up to the next ">", take the enclosed text up to
// its closer, go on after the closer. Malformed strings (as typed into the
// edit grid) are read by these rules, so every reader treats them alike:
// - an opener with no ">" after it is no tag: its letters are dropped; so is
//   one whose ">" comes after another "<" (a parameter never holds a tag);
// - a stretch without its closer runs to the end of the text;
// - a closer without an opener is plain text.
// Stretches with an empty enclosed text are not reported, and neither is
// empty plain text. The scan always ends: every step moves forward.
#include <cstdint>
#include <functional>

#include <QString>
#include <QStringView>

struct StretchForm {
    QStringView opener;  // "<ZT"; an opener that ends in ">" takes no parameter
    QStringView closer;
    QStringView otherCloser;  // a second way to end the stretch; may be null
};

struct TagStretch {
    int32_t form = 0;  // index into the forms given to the scan
    QStringView param;
    QStringView body;
    // Which closer ended it: 0 the first, 1 the other, -1 none (it ran to the end).
    int32_t closer = -1;
};

// Where the parameter that starts at from ends: the index of its ">"; -1
// when there is none, or when a "<" comes first.
qsizetype TagParamEnd(QStringView text, qsizetype from);

// Calls plain for the text between stretches (pieces on either side of a
// dropped opener joined) and stretch for each stretch, in text order. Where
// several forms open at once, the first opener in the text wins.
void ScanStretches(QStringView text, const StretchForm* forms, int32_t formCount,
                   const std::function<void(QStringView)>& plain,
                   const std::function<void(const TagStretch&)>& stretch);

template <int32_t N>
void ScanStretches(QStringView text, const StretchForm (&forms)[N], const std::function<void(QStringView)>& plain,
                   const std::function<void(const TagStretch&)>& stretch)
{
    ScanStretches(text, forms, N, plain, stretch);
}
