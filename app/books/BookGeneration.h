#pragma once
// Making a typeset book from a folder of pre-processed texts: each text is
// typeset under its own parameters and written as its volume-data file, the
// styles and covers of all volumes are gathered into the book's set (the
// first of a name wins), and the book's typeset and index files follow.
#include <functional>
#include <memory>

#include <QString>

class CollatorView;
class TFile;
struct TBook;

// Runs the new-file steps; false when the user cancelled a save question.
using FileNewStep = std::function<bool()>;

// The folder choice, the question when pages are shown, then every volume
// and the book's files. Gives the generated book, which g_CurrentBook and
// the set in use point into (keep it alive until another book or project
// replaces it); null after a Cancel, a refusal or a failed volume, with the
// state of the open project untouched by a Cancel and emptied otherwise.
std::unique_ptr<TBook> GenerateTypesetBook(CollatorView& view, const FileNewStep& fileNew);

// Typesets one text (its project file read first when there is one),
// records the volume's contents and counts, gathers its styles and covers
// and writes its volume-data file beside it. False, after a message, when
// the text cannot be read, its cover counts differ from the agreed ones, or
// the file cannot be written.
bool GenerateVolumeFromText(TFile& volume, CollatorView& view, const QString& textPath);

// Writes the book's typeset and index files, makes it the open book and
// rebuilds the 4-in-1 page orders for it. False when a file could not be
// written.
bool FinishGeneratedBook(TBook& book);

// Points the set in use, the current style and g_CurrentBook back at the
// project's own set when they point into book, so that book can go.
void LeaveBook(const TBook& book);

// 32825: generates, then opens the generated book (after success only).
void OnFileMakeTypeset(CollatorView& view, const FileNewStep& fileNew, const std::function<void()>& showBookPanes);
