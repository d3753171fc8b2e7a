#pragma once
// The text form in which cells travel through the clipboard and drag and
// drop: cells separated by tabs, rows by line feeds.
#include <vector>

#include <QString>
#include <QStringList>

// Splits pasted text into rows of cell texts. Rows are split at "\n"; an
// empty row that a line feed follows still counts (its one token is empty);
// within a row, tokens are split at tabs, commas and line feeds, runs of
// separators counting as one, and each token is trimmed of white space.
std::vector<QStringList> SplitPastedText(const QString& text);
