#include "app/dialogs/FontFaces.h"

#include <algorithm>
#include <utility>

#include <QFont>
#include <QFontDatabase>
#include <QRawFont>

using namespace Qt::StringLiterals;

namespace {

constexpr std::pair<QFontDatabase::WritingSystem, uint8_t> kCharsetOfScript[] = {
    {QFontDatabase::Latin, 0},          {QFontDatabase::Symbol, 2},
    {QFontDatabase::Japanese, 128},     {QFontDatabase::Korean, 129},
    {QFontDatabase::SimplifiedChinese, 134}, {QFontDatabase::TraditionalChinese, 136},
    {QFontDatabase::Greek, 161},        {QFontDatabase::Vietnamese, 163},
    {QFontDatabase::Hebrew, 177},       {QFontDatabase::Arabic, 178},
    {QFontDatabase::Cyrillic, 204},     {QFontDatabase::Thai, 222},
};

struct CharsetEntry {
    uint8_t charset;
    const char16_t* name;
};
constexpr CharsetEntry kCharsetNames[] = {
    {0, u"ANSI"},       {1, u"Default"},     {2, u"Symbol"},         {77, u"Mac"},
    {128, u"ShiftJIS"}, {129, u"Hangul"},    {130, u"Johab"},        {134, u"GB2312"},
    {136, u"Chinese Big5"}, {161, u"Greek"}, {162, u"Turkish"},      {163, u"Vietamese"},
    {177, u"Hebrew"},   {178, u"Arabic"},    {186, u"Baltic"},       {204, u"Russian"},
    {222, u"Thai"},     {238, u"East European"}, {255, u"OEM"},
};

bool HoldsIdeographs(const QString& family)
{
    const QRawFont raw = QRawFont::fromFont(QFont(family));
    return raw.isValid() && (raw.supportsCharacter(0x4E00u) || raw.supportsCharacter(0x20000u));
}

bool IsSymbolOnly(const QString& family)
{
    const QList<QFontDatabase::WritingSystem> scripts = QFontDatabase::writingSystems(family);
    return scripts.size() == 1 && scripts.front() == QFontDatabase::Symbol && !HoldsIdeographs(family);
}

}  // namespace

QStringList FontFaceNames()
{
    QStringList names;
    for (const QString& family : QFontDatabase::families()) {
        if (!names.contains(family) && !IsSymbolOnly(family))
            names << family;
    }
    names.sort();
    return names;
}

std::vector<uint8_t> FaceCharsets(const QString& family)
{
    std::vector<uint8_t> charsets;
    for (const QFontDatabase::WritingSystem script : QFontDatabase::writingSystems(family)) {
        for (const auto& [ws, charset] : kCharsetOfScript) {
            if (ws == script && std::find(charsets.begin(), charsets.end(), charset) == charsets.end())
                charsets.push_back(charset);
        }
    }
    return charsets;
}

QString CharsetName(uint8_t charset)
{
    for (const CharsetEntry& entry : kCharsetNames) {
        if (entry.charset == charset)
            return QString::fromUtf16(entry.name);
    }
    return QString();
}
