#pragma once
// The typeset file of a book, beside the book folder (F.<ext> for the
// folder F): the book's cover counts and parameter set.
//
//   int32 version (32 written) · [from 29] the typeset magic ·
//   int32 cover pages · int32 back-cover pages · [from 28] the cover list ·
//   the style list
//
// Files of versions 21 to 27 hold the style list alone, with the covers as
// "COVER" and "BACK" among the styles (converted by the woodblock edition;
// the others read no style from them and refuse the file).
#include <cstdint>

#include <QByteArray>
#include <QString>

#include "app/files/FileFrame.h"

struct TBook;

// What ReadTypesetFile gives.
inline constexpr int32_t kTypesetRead = 0;
inline constexpr int32_t kTypesetFailed = 2;

// Writes the book's cover counts and set. On success the book folder
// becomes g_ProjectFolder and its parent g_LastTypesetFolder. Nothing
// happens for a book without a folder; a failed save is reported and gives
// false.
bool WriteTypesetFile(const TBook& book);

// Reads the file's counts and set into the book, touching nothing else: a
// book that cannot be opened leaves the open one as it was. Refused
// silently when the file cannot be opened, else after a message; Damaged
// after the damaged-file message. version gets the file's version.
FileRead ReadTypesetParameters(const QString& path, TBook& book, int32_t& version);
// Makes the book's set the one in use, its first style current, and reads
// its index file: when that cannot be read or the file is older than
// version 25, the index is rebuilt from the volumes' data files and written
// again; the entries of volumes written after the index are refreshed.
int32_t UseTypesetBook(TBook& book, int32_t version);
// Both in turn. kTypesetFailed, silently when the file cannot be opened,
// else after a message.
int32_t ReadTypesetFile(const QString& path, TBook& book);
// The same over the bytes of a file.
int32_t ReadTypesetFile(const QByteArray& bytes, TBook& book);
// Whether the file opens and is of this edition by its version and magic
// (nothing else is read); false after the reader's refusal ("不是排版文件！"
// for another edition's).
bool IsTypesetFileOfEdition(const QString& path);

// Reads every volume's data file to refill its index entry, then writes
// the index file. False, after "打開文件出錯！", at the first volume that
// cannot be read. Leaves the last volume in g_PageTable.
bool RebuildIndex(TBook& book);
