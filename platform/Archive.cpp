#include "platform/Archive.h"

#include <algorithm>

#include <QByteArray>
#include <QIODevice>
#include <QStringDecoder>

namespace {

constexpr uint8_t kLongerByte = 0xFF;
constexpr uint16_t kWideTag = 0xFFFE;
constexpr uint16_t kLongerWord = 0xFFFF;
constexpr uint32_t kLongerDword = 0xFFFFFFFF;

// Strings are read piece by piece, so a damaged length never allocates more
// than the data holds plus one piece.
constexpr qint64 kReadPiece = 64 * 1024;

}  // namespace

void Archive::WriteRaw(const void* data, qint64 n)
{
    if (failed_ || device_.write(static_cast<const char*>(data), n) != n)
        failed_ = true;
}

bool Archive::ReadRaw(void* data, qint64 n)
{
    if (!failed_ && device_.read(static_cast<char*>(data), n) != n)
        failed_ = true;
    return !failed_;
}

void Archive::WriteString(const QString& text)
{
    const auto length = uint32_t(text.size());
    Write(kLongerByte);
    Write(kWideTag);
    if (length < kLongerByte) {
        Write(uint8_t(length));
    } else if (length < kWideTag) {
        Write(kLongerByte);
        Write(uint16_t(length));
    } else {
        Write(kLongerByte);
        Write(kLongerWord);
        Write(length);
    }
    for (const QChar unit : text)
        Write(uint16_t(unit.unicode()));
}

// The framework's length reader: a one-byte length, or the wide tag and the
// length again, growing to 16, 32 and 64 bits while the shorter form is all
// ones.
bool Archive::ReadLength(uint64_t& length, bool& wide)
{
    wide = false;
    uint8_t byteLength = 0;
    if (!Read(byteLength))
        return false;
    if (byteLength < kLongerByte) {
        length = byteLength;
        return true;
    }
    uint16_t wordLength = 0;
    if (!Read(wordLength))
        return false;
    if (wordLength == kWideTag) {
        wide = true;
        if (!Read(byteLength))
            return false;
        if (byteLength < kLongerByte) {
            length = byteLength;
            return true;
        }
        if (!Read(wordLength))
            return false;
    }
    if (wordLength < kLongerWord) {
        length = wordLength;
        return true;
    }
    uint32_t dwordLength = 0;
    if (!Read(dwordLength))
        return false;
    if (dwordLength < kLongerDword) {
        length = dwordLength;
        return true;
    }
    return Read(length);
}

bool Archive::ReadBytes(QByteArray& bytes, uint64_t n)
{
    bytes.clear();
    while (n > 0 && !failed_) {
        const qint64 piece = qint64(std::min<uint64_t>(n, kReadPiece));
        const qsizetype old = bytes.size();
        bytes.resize(old + piece);
        ReadRaw(bytes.data() + old, piece);
        n -= uint64_t(piece);
    }
    return !failed_;
}

bool Archive::ReadString(QString& text)
{
    uint64_t length = 0;
    bool wide = false;
    if (!ReadLength(length, wide))
        return false;
    // No QString holds more; such a length can only come from damaged data.
    if (length > uint64_t(INT32_MAX / 2)) {
        failed_ = true;
        return false;
    }
    QByteArray bytes;
    if (!ReadBytes(bytes, wide ? 2 * length : length))
        return false;
    if (!wide) {
        text = QStringDecoder("GBK").decode(bytes);
        return true;
    }
    text.resize(qsizetype(length));
    for (qsizetype i = 0; i < text.size(); ++i)
        text[i] = QChar(qFromLittleEndian<uint16_t>(bytes.constData() + 2 * i));
    return true;
}
