#include "foundation/params/Font.h"

#include <array>

#include <QFontDatabase>

#include "foundation/io/BinFile.h"
#include "foundation/params/FontDialogs.h"
#include "foundation/params/FontStyle.h"
#include "foundation/params/RecordListIo.h"
#include "foundation/params/TaggedListText.h"
#include "foundation/text/TextItems.h"
#include "platform/Archive.h"

using namespace Qt::StringLiterals;

namespace {

const std::array<QString, 4> kTypeWords = {u"NORMAL"_s, u"ITALICS"_s, u"BOLD"_s, u"BOLD_ITALICS"_s};

// Files before this version carry six more bytes after each font.
constexpr int32_t kFontTailGoneVersion = 25;
// Versions up to this one have no tagged-text lists.
constexpr int32_t kLastVersionWithoutTextLists = 24;

bool IsBold(int32_t style) { return style == FontType::BOLD || style == FontType::BOLD_ITALICS; }
bool IsItalic(int32_t style) { return style == FontType::ITALICS || style == FontType::BOLD_ITALICS; }

}  // namespace

QString FontTypeWord(int32_t type)
{
    return type >= 0 && type < int32_t(kTypeWords.size()) ? kTypeWords[size_t(type)] : kTypeWords[0];
}

bool FontTypeFromWord(QStringView word, int32_t& type)
{
    for (size_t i = 0; i < kTypeWords.size(); ++i) {
        if (word == kTypeWords[i]) {
            type = int32_t(i);
            return true;
        }
    }
    return false;
}

QFont FontToQFont(const TFont& font)
{
    QFont q = font.face == u"System" ? QFontDatabase::systemFont(QFontDatabase::GeneralFont) : QFont(font.face);
    const int32_t pixels = MulDiv(font.size, 96, 72);
    if (pixels > 0)
        q.setPixelSize(pixels);
    // A style outside 0..3 asks for no particular weight: Qt's normal one.
    q.setWeight(IsBold(font.style) ? QFont::Bold : QFont::Normal);
    q.setItalic(IsItalic(font.style));
    q.setUnderline((font.underline & 0xFF) != 0);
    return q;
}

void RichFontFromStyle(TFontAndColor& out, const TFontStyle& style)
{
    out.face = style.NAME;
    out.size = MulDiv(style.SIZE / 100, 72, 96);
    out.style = style.TYPE;
    out.textColor = style.COLOR;
}

void SerializeFont(TFont& font, Archive& archive)
{
    archive.Exchange(font.charset);
    archive.Exchange(font.face);
    archive.Exchange(font.size);
    archive.Exchange(font.style);
    archive.Exchange(font.underline);
}

void SerializeFontAndColor(Archive& archive, TFontAndColor& font)
{
    archive.Exchange(font.textColor);
    archive.Exchange(font.backColor);
    archive.Exchange(font.SYS_BKCOLOR);
    SerializeFont(font, archive);
}

int32_t WriteFontBin(TBinFile& file, const TFont& font)
{
    int32_t bytes = file.WriteByte(font.charset);
    bytes += file.WriteString(font.face);
    bytes += file.WriteInt32(font.size);
    bytes += file.WriteInt32(font.style);
    return bytes + file.WriteInt32(font.underline);
}

bool ReadFontBin(int32_t version, TBinFile& file, TFont& font)
{
    bool ok = file.ReadByte(font.charset) && file.ReadString(font.face) && file.ReadInt32(font.size) &&
              file.ReadInt32(font.style) && file.ReadInt32(font.underline);
    if (ok && version < kFontTailGoneVersion) {
        uint16_t dropped16 = 0;
        int32_t dropped32 = 0;
        ok = file.ReadUInt16(dropped16) && file.ReadInt32(dropped32);
    }
    return ok;
}

int32_t WriteFontColorBin(const TFontAndColor& font, TBinFile& file)
{
    int32_t bytes = WriteFontBin(file, font);
    bytes += file.WriteInt32(int32_t(font.textColor));
    bytes += file.WriteInt32(int32_t(font.backColor));
    return bytes + file.WriteInt32(font.SYS_BKCOLOR);
}

bool ReadFontColorBin(int32_t version, TBinFile& file, TFontAndColor& font)
{
    int32_t text = 0;
    int32_t back = 0;
    if (!ReadFontBin(version, file, font) || !file.ReadInt32(text) || !file.ReadInt32(back))
        return false;
    font.textColor = ColorRef(text);
    font.backColor = ColorRef(back);
    return file.ReadInt32(font.SYS_BKCOLOR);
}

int32_t WriteFontArrayBin(TBinFile& file, const TRichFontList& list)
{
    return WriteCountedList(file, list, [](TBinFile& f, const TRichEditFont& font) { return WriteFontColorBin(font, f); });
}

bool ReadFontArrayBin(TRichFontList& list, TBinFile& file, int32_t version)
{
    return ReadCountedList(file, list, [version](TBinFile& f, TRichEditFont& font, int32_t) {
        return ReadFontColorBin(version, f, font);
    });
}

void WriteFontText(TTextFile& file, const TFontAndColor& font)
{
    TTextItems::WriteString(file, u"FACE_NAME"_s, font.face);
    TTextItems::WriteString(file, u"TYPE"_s, FontTypeWord(font.style));
    TTextItems::WriteInt(file, u"SIZE"_s, font.size);
    TTextItems::WriteColor(file, u"TEXT_COLOR"_s, font.textColor);
    TTextItems::WriteColor(file, u"BACK_COLOR"_s, font.backColor);
    TTextItems::WriteBool(file, u"SYS_BKCOLOR"_s, font.SYS_BKCOLOR != 0);
}

void ReadFontText(TFontAndColor& font, QStringView block)
{
    const TTextItems::Reader items(block);
    items.String(u"FACE_NAME", font.face);
    if (const QString* type = items.Value(u"TYPE"))
        FontTypeFromWord(*type, font.style);
    items.Int(u"SIZE", font.size);
    items.Color(u"TEXT_COLOR", font.textColor);
    items.Color(u"BACK_COLOR", font.backColor);
    bool systemBack = false;
    if (items.Bool(u"SYS_BKCOLOR", systemBack))
        font.SYS_BKCOLOR = systemBack;
}

void WriteFontHArrayText(TTextFile& file, const TRichFontList& list)
{
    WriteTaggedList(file, list, u"<FONT_H%1>"_s, u"</TFONT_H>"_s, WriteFontText);
}

void ReadFontHArrayText(TRichFontList& list, QStringView text, int32_t version)
{
    if (version <= kLastVersionWithoutTextLists)
        return;
    ReadTaggedList(list, text, u"<FONT_H%1>"_s, u"</TFONT_H>"_s, ReadFontText);
}

bool EditFontColor(TFontAndColor& font)
{
    FontDialogs* dialogs = CurrentFontDialogs();
    TFontAndColor values = font;
    if (!dialogs || !dialogs->EditEditorFont(values))
        return false;
    const bool takeFace = font.faceSelectable != 0;
    const bool changed = values.size != font.size || values.charset != font.charset ||
                         (takeFace && values.face != font.face) || values.style != font.style ||
                         values.textColor != font.textColor || values.backColor != font.backColor ||
                         values.SYS_BKCOLOR != font.SYS_BKCOLOR;
    if (!changed)
        return false;
    font.size = values.size;
    font.charset = values.charset;
    if (takeFace)
        font.face = values.face;
    font.style = values.style;
    font.textColor = values.textColor;
    font.backColor = values.backColor;
    font.SYS_BKCOLOR = values.SYS_BKCOLOR;
    return true;
}
