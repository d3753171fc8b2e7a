#include "foundation/text/ScrambledString.h"

#include "foundation/io/BinFile.h"

namespace {

constexpr char16_t kFirstKey = 100;
constexpr char16_t kKeyCycle = 41;  // keys 100 … 140
constexpr char16_t kReplacement = 0xFFFD;

char16_t KeyAt(qsizetype position)
{
    return char16_t(kFirstKey + position % kKeyCycle);
}

bool StoredAsZero(char16_t unit, qsizetype position)
{
    return char16_t(unit + KeyAt(position)) == 0;
}

}  // namespace

bool ScrambledFormReplacesUnit(const QString& text)
{
    for (qsizetype i = 0; i < text.size(); ++i)
        if (StoredAsZero(text[i].unicode(), i))
            return true;
    return false;
}

int32_t WriteScrambledString(TBinFile& file, const QString& text)
{
    QString stored(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        char16_t unit = text[i].unicode();
        if (StoredAsZero(unit, i))
            unit = kReplacement;
        stored[i] = QChar(char16_t(unit + KeyAt(i)));
    }
    return file.WriteString(stored);
}

bool ReadScrambledString(TBinFile& file, QString& text)
{
    QString stored;
    if (!file.ReadString(stored))
        return false;
    for (qsizetype i = 0; i < stored.size(); ++i)
        stored[i] = QChar(char16_t(stored[i].unicode() - KeyAt(i)));
    text = stored;
    return true;
}
