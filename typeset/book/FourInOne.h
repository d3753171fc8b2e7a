#pragma once
// The 4-in-1 grouping: the volumes of a book gathered into groups, each
// shown and printed four pages to a sheet between a cover and a back cover.
// Each group has a page-order list of entries:
//   0xFFFF0000 + 2g      the cover of group g (page 0 of its table)
//   0xFFFF0000 + 2g + 1  its back cover (page 1 of its table)
//   v * 65536 + p        page p of volume v
//   0x99990000           a blank place
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

#include "foundation/OwningList.h"

class TBinFile;
struct TPageTable;

inline constexpr int32_t k4in1CoverBase = int32_t(0xFFFF0000u);
inline constexpr int32_t k4in1Blank = int32_t(0x99990000u);
// The high halves of the marker entries, which name no volume.
inline constexpr int32_t k4in1CoverCode = 0xFFFF;
inline constexpr int32_t k4in1BlankCode = 0x9999;

struct T4in1Data {
    // Per group the index of its last volume, strictly ascending.
    std::vector<int32_t> groupEnds;
    std::vector<std::vector<int32_t>> pageOrders;
    // Per group: page 0 its cover page, page 1 its back-cover page.
    OwningList<TPageTable> groupTables;
};

// "3;6;" for the ends 2 and 5: 1-based volume numbers, each ended by ";".
QString Format4in1Splits(const std::vector<int32_t>& groupEnds);
// Replaces the group ends from such a text, against the volumes of
// g_CurrentBook: the numbers must ascend (else the list becomes empty),
// numbers beyond the last volume are taken as the last one, and the last
// volume always ends the last group. No book (or no volume) gives no groups.
void Parse4in1Splits(T4in1Data& data, QStringView text);
// Rebuilds the page orders and group tables from the group ends, with the
// sections of g_CurrentBook's volumes and the first and last pages of
// g_CurrentPages as every group's cover and back cover. Empty group ends
// leave everything as it was.
void Build4in1PageOrder(T4in1Data& data);
// Where page p of volume v stands in g_4in1Data: its group and slot. False,
// with group and slot 0, when it stands nowhere.
bool Locate4in1Page(int32_t volume, int32_t page, int32_t& group, int32_t& slot);
// Entry slot of the current group's page-order list split into its high half
// (a volume, or a marker code) and low half. False, giving a blank, when the
// group or slot does not exist.
bool Decode4in1Entry(int32_t slot, int32_t& volume, int32_t& page);
// Group ends, page-order lists and group tables, each list after its int32
// count; the tables in the page-list form. Returns the bytes written.
int32_t Write4in1Data(TBinFile& file, const T4in1Data& data);
