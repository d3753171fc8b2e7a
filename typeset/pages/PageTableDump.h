#pragma once
// A page table as readable text, for golden tests of the typesetter and
// for looking at what it made. One block per page:
//
//   page 0: style "para0", lines per page 0
//     volume: 卷一
//     centre: 上|中|下
//     picture 5 "圖.png" 0 1 0 4
//     seal 1 "印.png" 10 20 30 40
//     line 0 (0): <M=0>{3000}天地<-P>
//     head 0 (0): …
//     collected 0 "0": …
//
// Empty parts are left out. U+3000 is written {3000} so that indents show.
#include <cstdint>

#include <QString>

struct TPageRec;
struct TPageTable;

QString DumpPage(const TPageRec& page, int32_t position);
QString DumpPageTable(const TPageTable& table);
