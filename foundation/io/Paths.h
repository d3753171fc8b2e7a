#pragma once
// Path cutting, existence tests and the program's own folder.
//
// "/" separates path components; the cutting functions also take "\" so that
// names stored in files made on Windows cut the same way. The extension
// functions look for the last "." in the last component only, so a dotted
// folder ("my.books/vol1") does not cut the path.
#include <QString>

// g_ProgramFolder, found first by InitAppFolder when it is still empty.
QString GetAppFolder();
// Sets g_ProgramPath and g_ProgramFolder: the folder is the program's own,
// or the environment variable VELLUMOR_HOME when that is set; the path is the
// program file's name in that folder.
void InitAppFolder();

// The text before the last separator; empty when there is none.
QString GetFolderPart(const QString& path);
// The text after the last separator; the whole path when there is none.
QString GetFileNamePart(const QString& path);
// The file name without the text from its last ".".
QString GetFileTitlePart(const QString& path);
// The text before the last "." of the name; the whole path when there is none.
QString StripExtension(const QString& path);
// The text after the last "." of the name; empty when there is none.
QString GetFileExtPart(const QString& path);

// Whether a file or folder of that path exists; false for an empty path.
bool PathExists(const QString& path);
