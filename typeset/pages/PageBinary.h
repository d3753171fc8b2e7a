#pragma once
// The stored form of pages, as the volume-data file and the 4-in-1 group
// tables hold them. Texts of a page are scrambled strings, picture names
// plain ones. The volume name, the used size, the head-box lines and the
// collected lines are not stored.
//
// Older files: before version 28 the cover pages are named "COVER" and
// "BACK"; before version 32 a page has no lines-per-page override of its
// own and its lines no sizes, and an override is carried as a first line
// "<LLn>".
#include <cstdint>

class TBinFile;
struct TPageItem;
struct TPageRec;
struct TPageTable;

// The version of the forms the writers produce.
inline constexpr int32_t kPageFormVersion = 32;

// Writers return the bytes written. Readers return false when the data
// ended early: what was read stays, a page, line or item cut short is
// dropped, and a damaged count never reads on past the data.
int32_t WritePageItem(TBinFile& file, const TPageItem& item);
bool ReadPageItem(TBinFile& file, TPageItem& item);

int32_t WritePageBin(TBinFile& file, const TPageRec& page);
bool ReadPageBin(TBinFile& file, TPageRec& page, int32_t version);

// The page count, then every page.
int32_t WritePageList(const TPageTable& table, TBinFile& file);
// Empties the table first; each page gets its position as index.
bool ReadPageList(TBinFile& file, int32_t version, TPageTable& table);
