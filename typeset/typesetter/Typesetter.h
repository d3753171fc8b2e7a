#pragma once
// The typesetter: walks the source lines of a pre-processed text once, in
// order, and fills a page table under the styles of a parameter set. A line
// that opens with a bracket line tag (【BS…】, 【TP…】, 【JM…】 …) switches
// covers, styles, pictures, titles or the head of the next paragraph; the
// rest of the line, and every other line, is poured into the text box's
// layout context. Side notes and head notes cut out of a line are set
// afterwards at the page and column of their anchors.
//
// The engine changes the set it is given: styles are added, replaced by a
// parameter file named in the text, or deleted when no page uses them, and
// the style lists grow. Holders of pointers into the set re-point them
// after a run (RepointStyle).
//
// Run, ProcessLine and StartOnOddPage are the edition's (through
// CurrentTypesetEdition()); their woodblock forms are TypesetEdition's.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include <QString>
#include <QStringView>

#include "foundation/params/Style.h"
#include "typeset/layout/LayoutContext.h"

struct TPageTable;

class TTypesetter {
public:
    // The book title of a 【SM…】 line; empty at the start of each run.
    QString title;
    TLayoutContext textContext;
    TLayoutContext headContext;
    TLayoutContext* current = nullptr;
    // The text being typeset; its folder serves 【CS…】 parameter files.
    QString textPath;
    TParaSet* paraSet = nullptr;
    TStyle* style = nullptr;
    TCoverPara* cover = nullptr;
    bool insideCover = false;
    // The view's display modes, which the page size of new styles follows.
    TDisplayMode display;
    // Asked now and then with the lines done and the lines in all (a long
    // text's progress); false stops the run, which then fails (stopped).
    std::function<bool(size_t done, size_t lines)> progress;
    bool stopped = false;

    // One pass over g_TextLines.
    void Run();
    // Interprets one source line; the rest of a line after some tags is
    // interpreted again as a line of its own.
    void ProcessLine(const QString& line);
    // Starts the next odd page; true when pages were added.
    bool StartOnOddPage();

    // The style named by the first item of the argument becomes current,
    // added with the defaults when the set has none of that name. False for
    // an empty name and the cover names.
    bool SelectStyle(QStringView argument);
    // Reads the parameter file of that name, in the folder of the text, into
    // the set. False when the text has no path, the file gives no style, or
    // a value of it is out of its range (the reader is told).
    bool LoadStyleFile(const QString& fileName);
    // Points the engine at the style: the page style name, the current-list
    // globals and the boxes of both contexts.
    void PointEngineAt(TStyle* target);
};

// Typesets g_TextLines into the table under the set. False, the table
// empty, when the set can have no style; false, the table partial, when
// the typesetter's progress stopped the run. Afterwards g_LoadingText is clear,
// the styles no page carries are deleted, and the current-list globals are
// released.
bool TypesetPages(TParaSet& set, TPageTable& table, TTypesetter& typesetter);

// Deletes, from the last to the first, the styles that no page of the table
// carries.
void DeleteUnusedStyles(TParaSet& set, const TPageTable& table);

// A whole-page picture, and a seal at page positions, on the page being
// filled.
void AddPagePicture(const QString& name);
void AddPageSeal(const QString& name, int32_t left, int32_t right, int32_t top, int32_t bottom);
