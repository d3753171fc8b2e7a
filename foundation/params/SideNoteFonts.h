#pragma once
// Side-note fonts (側批): a style's CE_PI_ARRAY, font styles whose MARKSTRING
// is the name used in 【CP…】. While a text is typeset a tag with a new name
// adds a font to the current style's list (g_CurCePiList). The list is
// written with WriteFontStyleList.
#include <cstdint>

#include <QString>
#include <QStringView>

#include "foundation/params/FontStyle.h"

class TBinFile;
class TTextFile;

// A plain font of one size: the face, black, upright, centred, single line,
// every length (SIZE, WIDTH, WORD_HEIGHT, WORD_WIDTH) = size, TEXT_TYPE 0.
void SetSizedFont(TFontStyle& font, const QString& face, int32_t size);

// The font of that name in g_CurCePiList; a missing one is appended as a
// sized font of face. Null when there is no current list.
TFontStyle* GetSideCommentFont(const QString& name, const QString& face, int32_t size);

// Reads a font-style list and drops the entries without a name; the kept
// entries keep their file positions as index. False when the data ended early.
bool ReadCePiArrayBin(TBinFile& file, int32_t version, TFontStyleList& list);

// "<CE_PI%d>" … "</CE_PI>" per entry; entries without a name are kept.
void WriteCePiArrayText(TTextFile& file, const TFontStyleList& list);
void ReadCePiArrayText(TFontStyleList& list, QStringView text);
