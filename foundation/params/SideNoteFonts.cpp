#include "foundation/params/SideNoteFonts.h"

#include <memory>
#include <utility>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/TaggedListText.h"

using namespace Qt::StringLiterals;

void SetSizedFont(TFontStyle& font, const QString& face, int32_t size)
{
    font.TEXT_TYPE = 0;
    font.NAME = face;
    font.COLOR = 0;
    font.SIZE = size;
    font.WIDTH = size;
    font.WORD_HEIGHT = size;
    font.WORD_WIDTH = size;
    font.TYPE = FontType::NORMAL;
    font.ALIGN = FontAlign::MID;
    font.DOUBLE_LINE = false;
}

TFontStyle* GetSideCommentFont(const QString& name, const QString& face, int32_t size)
{
    if (!g_CurCePiList)
        return nullptr;
    if (TFontStyle* found = g_CurCePiList->FindByName(&TFontStyle::MARKSTRING, name))
        return found;
    TFontStyle* entry = g_CurCePiList->AddNew();
    SetSizedFont(*entry, face, size);
    entry->MARKSTRING = name;
    entry->index = g_CurCePiList->Size() - 1;
    return entry;
}

bool ReadCePiArrayBin(TBinFile& file, int32_t version, TFontStyleList& list)
{
    // The named entries are moved across in one pass: removing the others
    // one at a time costs the square of a big damaged list.
    TFontStyleList read;
    const bool complete = ReadFontStyleList(file, version, read);
    list.Clear();
    for (TFontStyle& font : read)
        if (!font.MARKSTRING.isEmpty())
            list.Append(std::make_unique<TFontStyle>(std::move(font)));
    return complete;
}

void WriteCePiArrayText(TTextFile& file, const TFontStyleList& list)
{
    WriteTaggedList(file, list, u"<CE_PI%1>"_s, u"</CE_PI>"_s, FontStyleToText);
}

void ReadCePiArrayText(TFontStyleList& list, QStringView text)
{
    ReadTaggedList(list, text, u"<CE_PI%1>"_s, u"</CE_PI>"_s, FontStyleFromText,
                   [](TFontStyle& font, int32_t i) { font.index = i; });
}
