#pragma once
// What the program last saw of each file it read or wrote: its size and
// modification time. A file that no longer matches was written by someone
// else since, and is not written over without a question.
#include <QString>

// Notes the file as it is on disk now (after a whole read or a save).
void RememberFileStamp(const QString& path);
// True when the file is gone, was never seen, or still is as it was seen.
bool FileUnchangedSinceSeen(const QString& path);
