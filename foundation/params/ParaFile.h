#pragma once
// The layout-parameter file (.pra): the tagged-text form of a parameter set,
// covers and styles, inside a "<HEAD>" with the version, a "<PARA_COVER>"
// block and the edition's block ("<PARA_KB>" here). Written as UTF-16LE,
// read in any encoding TTextFile reads, leniently: unknown keys are ignored
// and missing items keep their values.
//
// The body of a "<STYLE>" block is the edition's (through g_Edition), as
// are the block's name and the oldest version read; WoodblockEdition's
// StyleToText and StyleFromText, defined in ParaFile.cpp, are the woodblock
// body.
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/params/Style.h"

class TTextFile;

// Writes the set (callers pass g_CurrentParaSet). False when the file
// cannot be opened or the writing failed (the old file then stays).
bool ExportParaFile(const QString& path, const TParaSet& set);
// Reads a file into the set. False, the set unchanged, when the file cannot
// be opened or has no "<HEAD>" or a version older than the edition reads.
// Covers and styles are replaced only by non-empty blocks (files before 28:
// styles always, legacy covers moved). The set keeps at least one style.
// The set's old styles are deleted: pointers into them must be re-pointed
// (RepointStyle, PointCurrentListsAt).
bool ImportParaFile(const QString& path, TParaSet& set, const TDisplayMode& display);
// The same from a file opened for reading (a file or a buffer).
bool ImportParaFile(TTextFile& file, TParaSet& set, const TDisplayMode& display);

void CoverParasToText(TTextFile& file, const TCoverList& covers);
void StylesToText(TTextFile& file, const TStyleList& styles);
void StyleToText(TTextFile& file, const TStyle& style);

void CoverParasFromText(QStringView text, TCoverList& covers, int32_t version);
// Replaces the list by the styles of the "<STYLE>" blocks of the text.
void StylesFromText(TStyleList& styles, QStringView text, int32_t version, const TDisplayMode& display);
void StyleFromText(QStringView text, TStyle& style, int32_t version, const TDisplayMode& display);
// The items of a "<FRAME>" block.
void ParseFrameKeys(TStyle& style, QStringView frame);
