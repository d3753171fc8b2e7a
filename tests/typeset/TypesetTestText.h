#pragma once
// Text helpers of the typesetting tests: literals as QString, and readable
// failure output for strings and span records.
#include <ostream>

#include <QString>

#include "typeset/markup/Spans.h"

inline QString S(const char16_t* text)
{
    return QString::fromUtf16(text);
}

inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const TZwSpan& span, std::ostream* os)
{
    *os << "{" << span.kind << ", \"" << span.text.toStdString() << "\"}";
}

inline void PrintTo(const TTsSpan& span, std::ostream* os)
{
    *os << "{" << span.kind << ", \"" << span.text.toStdString() << "\", \"" << span.param.toStdString() << "\"}";
}

inline void PrintTo(const TQdSpan& span, std::ostream* os)
{
    *os << "{\"" << span.text.toStdString() << "\", \"" << span.name.toStdString() << "\"}";
}

inline void PrintTo(const TZtSpan& run, std::ostream* os)
{
    *os << "{\"" << run.text.toStdString() << "\", font \"" << run.fontName.toStdString() << "\", " << run.charHeight
        << "x" << run.charWidth << ", spacing \"" << run.spacing.toStdString() << "\", emphasis \""
        << run.emphasisName.toStdString() << "\"}";
}
