#pragma once
// Special formats (特殊格式): reversed or boxed text runs named by 【TS…】.
// A style keeps them in its TECH_ARRAY; while a text is typeset a tag with a
// new name adds an entry to the current style's list (g_CurTechList).
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/OwningList.h"
#include "platform/WinTypes.h"

class TBinFile;
class TTextFile;

namespace TechniqueType {
enum : int32_t { TYPE_FANBAI = 0, TYPE_KUANG = 1 };  // light text on a coloured ground; boxed
}
namespace TechniqueWidthType {
enum : int32_t { WIDTH_TYPE_BY_SIZE = 0, WIDTH_TYPE_BY_WIDTH = 1 };  // frame by character size or width
}

struct TTechnique {
    int32_t TYPE = TechniqueType::TYPE_FANBAI;
    int32_t WIDTH_TYPE = TechniqueWidthType::WIDTH_TYPE_BY_SIZE;
    int32_t LINES_WIDTH = 100;  // frame line width, follows the zoom
    ColorRef COLOR = 0;         // frame or ground colour; black until the user picks one
    int32_t spare = 0;          // kept in the binary form only
    QString MARK;               // the name used in 【TS…】
    int32_t index = -1;         // position in its list
};

using TTechniqueList = OwningList<TTechnique>;

inline void ClearTechniqueList(TTechniqueList& list) { list.Clear(); }
inline void AssignTechniqueList(TTechniqueList& target, const TTechniqueList& source) { target.Assign(source); }

// Index of the first entry whose MARK equals name exactly; -1 when none.
int32_t FindTechniqueIndex(const TTechniqueList& list, const QString& name);
// The entry of that name in g_CurTechList, appended with the defaults when
// missing; null when there is no current list.
TTechnique* FindOrAddTechnique(const QString& name);

// Same count and pairwise equal TYPE, WIDTH_TYPE, LINES_WIDTH, COLOR and
// spare; the names are not compared.
bool EqualTechniqueLists(const TTechniqueList& a, const TTechniqueList& b);

// A copy with LINES_WIDTH multiplied by zoom (truncated).
TTechnique& ScaleTechnique(TTechnique& out, double zoom, const TTechnique& source);
// Rebuilds out from the scaled entries of source, each index its position.
TTechniqueList& ScaleTechniqueList(const TTechniqueList& source, TTechniqueList& out, double zoom);

// Binary form: five int32 (TYPE, WIDTH_TYPE, LINES_WIDTH, COLOR, spare) and
// MARK; a list is an int32 count and the entries. Bytes written.
int32_t WriteTechnique(TBinFile& file, const TTechnique& technique);
int32_t WriteTechniqueList(const TTechniqueList& list, TBinFile& file);
// Clears the list and reads the entries the data holds, each index its
// position; false when the data ended early.
bool ReadTechniqueList(TBinFile& file, int32_t version, TTechniqueList& list);

// Tagged-text form: the item lines of one entry, and the list as
// "<TECH%d>" … "</TECH>" blocks (not read for versions up to 24).
void TechniqueToText(TTextFile& file, const TTechnique& technique);
void TechniqueFromText(TTechnique& technique, QStringView block);
void TechniqueListToText(TTextFile& file, const TTechniqueList& list);
void TechniqueListFromText(TTechniqueList& list, QStringView text, int32_t version);
