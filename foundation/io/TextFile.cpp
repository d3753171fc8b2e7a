#include "foundation/io/TextFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string_view>

#include <QBuffer>
#include <QFile>
#include <QStringDecoder>

#include "platform/Prompter.h"
#include "platform/SafeWriteFile.h"

// The written units go out as they lie in memory: UTF-16LE.
static_assert(std::endian::native == std::endian::little, "the text files are written little-endian");

namespace {
const char16_t kCrLf[2] = {u'\r', u'\n'};

// Byte-order marks, longest first where one begins another.
struct Mark {
    std::string_view bytes;
    TTextFile::Encoding encoding;
};
constexpr Mark kMarks[] = {
    {"\xFF\xFE", TTextFile::Utf16LE},
    {"\xFE\xFF", TTextFile::Utf16BE},
    {"\xEF\xBB\xBF", TTextFile::Utf8},
    {"\xEF\xBB", TTextFile::Refused},
    {"\xFF\xFF", TTextFile::Refused},
};

// The encoding of a file by its first bytes, and how many of them to skip.
// Anything without a mark, a file of one byte too, is ANSI text.
Mark DetectEncoding(std::string_view head)
{
    for (const Mark& mark : kMarks)
        if (head.starts_with(mark.bytes))
            return mark;
    return {{}, TTextFile::Ansi};
}

uint16_t LoadUnit(const char* p)
{
    uint16_t unit;
    std::memcpy(&unit, p, 2);
    return unit;
}
}  // namespace

// Reading works on bytes; an element (a byte, or a UTF-16 unit) is unit bytes
// wide. A partial element at the end of a chunk stays in the unread tail.
struct TTextFile::ReadState {
    std::unique_ptr<QIODevice> file;
    std::unique_ptr<char[]> buffer;  // the read chunk and one spare byte
    int32_t chunk = 0;
    int32_t cursor = 0;  // bytes
    int32_t count = 0;   // bytes valid
    int32_t unit = 1;
    // CR and LF as the elements lie in memory, in the file's byte order.
    uint16_t cr = '\r';
    uint16_t lf = '\n';
    bool swap = false;       // UTF-16BE
    bool fileEnded = false;  // a read of the file gave less than asked
    bool finished = false;   // the last line has been returned
    bool afterCr = false;    // the previous line ended with CR
    bool cutLine = false;    // the previous line was cut by the buffer's end
    QStringDecoder decoder;  // 8-bit encodings
    std::unique_ptr<QChar[]> decoded;  // a decoded 8-bit line
    qsizetype decodedRoom = 0;
    qint64 taken = 0;  // bytes read from the file before the buffer's start
    qint64 size = 0;   // the file's, when it was opened

    uint16_t At(int32_t offset) const
    {
        return unit == 1 ? uint8_t(buffer[offset]) : LoadUnit(buffer.get() + offset);
    }
    bool HasElement() const { return count - cursor >= unit; }
    // The end of the whole elements in the buffer.
    int32_t WholeEnd() const { return cursor + (count - cursor) / unit * unit; }

    // Moves the unread tail to the start and fills the buffer up behind it;
    // false when the file gives nothing more.
    bool Refill()
    {
        if (fileEnded)
            return false;
        const int32_t keep = count - cursor;
        taken += cursor;
        std::memmove(buffer.get(), buffer.get() + cursor, size_t(keep));
        const qint64 got = std::max<qint64>(file->read(buffer.get() + keep, chunk - keep), 0);
        fileEnded = got < chunk - keep;
        cursor = 0;
        count = keep + int32_t(got);
        return got > 0;
    }

    int32_t FindLineEnd() const
    {
        const char* p = buffer.get();
        if (unit == 1) {
            for (int32_t i = cursor; i < count; ++i)
                if (p[i] == '\r' || p[i] == '\n')
                    return i;
            return -1;
        }
        for (int32_t i = cursor; i + 1 < count; i += 2) {
            const uint16_t u = LoadUnit(p + i);
            if (u == cr || u == lf)
                return i;
        }
        return -1;
    }

    // The line is the bytes from the cursor to end, up to a zero element.
    // Each line gets a string of its own size: a text of many lines holds
    // no spare room, and reading stays one allocation per line.
    void Take(int32_t end, QString& line)
    {
        char* from = buffer.get() + cursor;
        if (unit == 2) {
            const auto* units = reinterpret_cast<const char16_t*>(from);
            const int32_t n = (end - cursor) / 2;
            line = QString(reinterpret_cast<const QChar*>(units), std::find(units, units + n, u'\0') - units);
            if (swap)
                for (QChar& c : line)
                    c = QChar(char16_t(c.unicode() >> 8 | c.unicode() << 8));
            return;
        }
        const void* zero = std::memchr(from, 0, size_t(end - cursor));
        const int32_t n = zero ? int32_t(static_cast<const char*>(zero) - from) : end - cursor;
        // A sequence cut short by the end of the line must still give U+FFFD
        // instead of vanishing: decode the line with a LF behind it (never
        // part of a multi-byte sequence) and drop the LF again. The byte at
        // from[n] is the consumed line end, a zero, or the spare byte.
        from[n] = '\n';
        const qsizetype room = decoder.requiredSpace(n + 1);
        if (room > decodedRoom) {
            decodedRoom = std::max(room, 2 * decodedRoom);
            decoded = std::make_unique_for_overwrite<QChar[]>(size_t(decodedRoom));
        }
        const QChar* out = decoder.appendToBuffer(decoded.get(), QByteArrayView(from, n + 1));
        line = QString(decoded.get(), out - decoded.get() - 1);
    }
};

TTextFile::TTextFile(int32_t readChunkBytes, int32_t writeThresholdUnits)
    // Room for a byte-order mark and a CR LF in the smallest test sizes.
    : readChunk_(std::max(readChunkBytes, 4)), writeThreshold_(std::max(writeThresholdUnits, 2))
{
}

TTextFile::~TTextFile() = default;

bool TTextFile::IsOpen() const { return read_ || writeFile_; }

bool TTextFile::Close()
{
    bool ok = true;
    if (writeFile_) {
        FlushPending();
        ok = writeFile_->Commit() && !writeFailed_;
        writeFailed_ = !ok;
        writeFile_.reset();
        writeBuffer_.reset();
    }
    read_.reset();
    return ok;
}

// Reading ------------------------------------------------------------------

bool TTextFile::OpenRead(const QString& path)
{
    return StartReading(std::make_unique<QFile>(path), readChunk_);
}

bool TTextFile::OpenReadBuffer(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    // The whole buffer fits in one chunk; a larger one would only cost memory.
    const int32_t chunk = int32_t(std::clamp<qsizetype>(bytes.size(), 4, readChunk_));
    return StartReading(std::move(buffer), chunk);
}

bool TTextFile::StartReading(std::unique_ptr<QIODevice> device, int32_t chunk)
{
    Close();
    auto r = std::make_unique<ReadState>();
    if (!device->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    r->size = device->size();
    r->file = std::move(device);
    r->chunk = chunk;
    r->buffer = std::make_unique_for_overwrite<char[]>(size_t(chunk) + 1);
    if (!r->Refill())
        return false;  // an empty file

    const Mark mark = DetectEncoding(std::string_view(r->buffer.get(), size_t(r->count)));
    encoding_ = mark.encoding;
    if (encoding_ == Refused) {
        TellUser(QStringLiteral("本程序不支持该编码！"));
        return false;
    }
    r->cursor = int32_t(mark.bytes.size());
    if (encoding_ == Utf16LE || encoding_ == Utf16BE) {
        r->unit = 2;
        r->swap = encoding_ == Utf16BE;
        r->cr = r->swap ? 0x0D00 : 0x000D;
        r->lf = r->swap ? 0x0A00 : 0x000A;
    } else {
        // Stateless: each line is decoded on its own.
        r->decoder = encoding_ == Utf8 ? QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless)
                                       : QStringDecoder("GBK", QStringDecoder::Flag::Stateless);
    }
    read_ = std::move(r);
    return true;
}

qint64 TTextFile::BytesRead() const { return read_ ? read_->taken + read_->cursor : 0; }

qint64 TTextFile::ByteSize() const { return read_ ? read_->size : 0; }

bool TTextFile::ReadLine(QString& line)
{
    if (!read_ || read_->finished)
        return false;
    ReadState& r = *read_;
    // At the start of a line: an LF right after a CR (also one that ended
    // the previous chunk) belongs to that line end, and the line end that
    // follows a line cut by the buffer ends that line. A line end at the very
    // end of the file gives no empty line after it.
    for (;;) {
        if (!r.HasElement()) {
            if (r.Refill())
                continue;
            r.finished = true;
            r.buffer.reset();
            return false;
        }
        const uint16_t e = r.At(r.cursor);
        if (!(r.afterCr && e == r.lf) && !(r.cutLine && (e == r.cr || e == r.lf)))
            break;
        r.afterCr = r.cutLine && e == r.cr;
        r.cutLine = false;
        r.cursor += r.unit;
    }
    r.afterCr = r.cutLine = false;
    for (;;) {
        const int32_t end = r.FindLineEnd();
        if (end >= 0) {
            r.afterCr = r.At(end) == r.cr;
            r.Take(end, line);
            r.cursor = end + r.unit;
            return true;
        }
        // No line end in the buffer: the last line of the file, or a line
        // longer than the whole buffer, which is returned in pieces.
        if (r.cursor == 0 || r.fileEnded) {
            const int32_t end = r.WholeEnd();
            r.Take(end, line);
            r.cursor = end;
            r.cutLine = true;
            return true;
        }
        r.Refill();
    }
}

// Writing ------------------------------------------------------------------

bool TTextFile::OpenWrite(const QString& path)
{
    Close();
    writeFile_ = std::make_unique<SafeWriteFile>();
    if (!writeFile_->Open(path)) {
        writeFile_.reset();
        return false;
    }
    encoding_ = Utf16LE;
    writeBuffer_ = std::make_unique_for_overwrite<char16_t[]>(size_t(writeThreshold_));
    writeBuffer_[0] = 0xFEFF;
    writeCount_ = 1;
    linesWritten_ = 0;
    writeFailed_ = false;
    return true;
}

void TTextFile::FlushPending()
{
    if (writeCount_ > 0 && !writeFile_->Write(reinterpret_cast<const char*>(writeBuffer_.get()), qint64(writeCount_) * 2))
        writeFailed_ = true;  // SafeWriteFile ignores every later write too
    writeCount_ = 0;
}

// Appends n units (zeros when units is null), writing the buffer out
// whenever it is full, so that a line longer than the buffer goes out in
// pieces and the file gets the same bytes.
void TTextFile::Put(const char16_t* units, int32_t n)
{
    while (n > 0) {
        if (writeCount_ == writeThreshold_)
            FlushPending();
        const int32_t k = std::min(n, writeThreshold_ - writeCount_);
        char16_t* to = writeBuffer_.get() + writeCount_;
        if (units) {
            std::memcpy(to, units, size_t(k) * 2);
            units += k;
        } else {
            std::fill_n(to, k, u'\0');
        }
        writeCount_ += k;
        n -= k;
    }
}

void TTextFile::WriteLine(const char16_t* text, int32_t length)
{
    if (!writeFile_)
        return;
    if (linesWritten_ > 0) {
        if (writeCount_ + 2 > writeThreshold_)
            FlushPending();
        Put(kCrLf, 2);
    }
    length = std::max(length, 0);
    const int32_t copied = text ? int32_t(std::find(text, text + length, u'\0') - text) : 0;
    if (writeCount_ + length > writeThreshold_)
        FlushPending();
    Put(text, copied);
    Put(nullptr, length - copied);
    ++linesWritten_;
}
