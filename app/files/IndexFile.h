#pragma once
// The index file of a book (inside the book folder, named after it): per
// volume what opening the book needs without reading every volume. No
// version and no magic:
//
//   int32 V · V × { contents tree · section list (name, page count) ·
//                   int32 page count · int32 cover pages · int32 back pages }
#include <cstdint>

#include <QByteArray>

class TBinFile;
class TFile;
struct TBook;

// One volume's entry; the bytes written.
int32_t WriteVolumeIndexEntry(TBinFile& file, const TFile& volume);
// Writes every volume's entry. Nothing happens for a book without a folder;
// a failed save is reported and gives false.
bool WriteIndexFile(const TBook& book);

// Reads the entries into the book's volumes. False when the file cannot be
// opened, ends early, nests its contents too deep, or lists another number
// of volumes than the book has (volumes added or removed): the caller then
// rebuilds it. Never writes past the book's volumes.
bool ReadIndexFile(TBook& book);
// The same over the bytes of a file.
bool ReadIndexFile(const QByteArray& bytes, TBook& book);
