#include "foundation/io/BinFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <string>
#include <utility>

#include <QBuffer>
#include <QFile>

#include "platform/SafeWriteFile.h"

// Values go to and from the file exactly as they lie in memory.
static_assert(std::endian::native == std::endian::little, "the binary files are little-endian");

namespace {
uint16_t LoadUnit(const char* p)
{
    uint16_t unit;
    std::memcpy(&unit, p, 2);
    return unit;
}
}  // namespace

TBinFile::TBinFile(int32_t writeThreshold, int32_t readChunk)
    // A string scan needs room for at least one whole unit.
    : writeThreshold_(std::max(writeThreshold, 1)), readChunk_(std::max(readChunk, 2))
{
}

TBinFile::~TBinFile() = default;

bool TBinFile::OpenWrite(const QString& path)
{
    Close();
    writeFile_ = std::make_unique<SafeWriteFile>();
    if (!writeFile_->Open(path)) {
        writeFile_.reset();
        return false;
    }
    buffer_ = std::make_unique_for_overwrite<char[]>(size_t(writeThreshold_));
    cursor_ = count_ = 0;
    atEnd_ = writeFailed_ = false;
    return true;
}

bool TBinFile::OpenRead(const QString& path)
{
    return StartReading(std::make_unique<QFile>(path), readChunk_);
}

bool TBinFile::OpenReadBuffer(const QByteArray& bytes)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    // The whole buffer fits in one chunk; a larger one would only cost memory.
    const int32_t chunk = int32_t(std::clamp<qsizetype>(bytes.size(), 2, readChunk_));
    return StartReading(std::move(buffer), chunk);
}

bool TBinFile::StartReading(std::unique_ptr<QIODevice> device, int32_t chunk)
{
    Close();
    // Our chunks are large; Qt's own buffer would only add a copy.
    if (!device->open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return false;
    readFile_ = std::move(device);
    chunk_ = chunk;
    buffer_ = std::make_unique_for_overwrite<char[]>(size_t(chunk_));
    cursor_ = count_ = 0;
    atEnd_ = writeFailed_ = false;
    if (!Refill(0)) {  // an empty file
        Close();
        return false;
    }
    return true;
}

bool TBinFile::Close()
{
    bool ok = true;
    if (writeFile_) {
        FlushPending();
        ok = writeFile_->Commit() && !writeFailed_;
        writeFailed_ = !ok;
        writeFile_.reset();
    }
    readFile_.reset();
    buffer_.reset();
    cursor_ = count_ = 0;
    atEnd_ = false;
    return ok;
}

bool TBinFile::IsOpen() const { return readFile_ || writeFile_; }

bool TBinFile::IsReading() const { return readFile_ != nullptr; }

bool TBinFile::AtEnd() const { return !IsOpen() || atEnd_; }

bool TBinFile::WriteFailed() const { return writeFailed_; }

// Writing ------------------------------------------------------------------

bool TBinFile::FlushPending()
{
    if (count_ > 0 && !writeFile_->Write(buffer_.get(), count_))
        writeFailed_ = true;  // SafeWriteFile ignores every later write too
    count_ = 0;
    return !writeFailed_;
}

// Appends one piece of at most the threshold, writing the gathered bytes
// first when the piece would not fit beside them.
int32_t TBinFile::Gather(const char* data, int32_t n)
{
    if (count_ + n > writeThreshold_)
        FlushPending();
    std::memcpy(buffer_.get() + count_, data, size_t(n));
    count_ += n;
    return n;
}

int32_t TBinFile::Write(const void* data, int32_t n)
{
    if (!writeFile_ || n < 0)
        return -1;
    const char* bytes = static_cast<const char*>(data);
    int32_t done = 0;
    while (n - done > writeThreshold_)
        done += Gather(bytes + done, writeThreshold_);
    return done + Gather(bytes + done, n - done);
}

int32_t TBinFile::WriteWStr(const char16_t* text)
{
    static constexpr char16_t kEmpty[1] = {0};
    if (!text)
        text = kEmpty;
    return Write(text, int32_t(2 * std::char_traits<char16_t>::length(text) + 2));
}

int32_t TBinFile::WriteString(const QString& text)
{
    // A zero unit inside the text would end the string early on reading and
    // shift every later field, so it is stored as U+FFFD instead.
    if (text.contains(QChar(0))) {
        QString safe = text;
        safe.replace(QChar(0), QChar(0xFFFD));
        return WriteString(safe);
    }
    // utf16() is always followed by a zero unit, which goes out with the text.
    return Write(text.utf16(), int32_t(2 * text.size() + 2));
}

// Reading ------------------------------------------------------------------

// The end of the file is sticky: the buffer goes and every later read fails
// on atEnd_ before touching it.
void TBinFile::ReachEnd()
{
    atEnd_ = true;
    buffer_.reset();
    cursor_ = count_ = 0;
}

// Moves the last keep bytes to the start of the buffer and fills it up from
// the file behind them; false (and the end) when the file gives nothing more.
bool TBinFile::Refill(int32_t keep)
{
    std::memmove(buffer_.get(), buffer_.get() + count_ - keep, size_t(keep));
    // A regular file or a buffer gives less than asked only at its end.
    const qint64 got = readFile_->read(buffer_.get() + keep, chunk_ - keep);
    if (got <= 0) {
        ReachEnd();
        return false;
    }
    cursor_ = 0;
    count_ = keep + int32_t(got);
    return true;
}

int64_t TBinFile::ReadPosition() const
{
    return readFile_ ? readFile_->pos() - (count_ - cursor_) : -1;
}

bool TBinFile::Read(void* destination, int32_t n)
{
    if (!readFile_ || atEnd_ || n < 0)
        return false;
    if (n > chunk_) {  // one request is served from one chunk
        ReachEnd();
        return false;
    }
    while (count_ - cursor_ < n)
        if (!Refill(count_ - cursor_))
            return false;
    std::memcpy(destination, buffer_.get() + cursor_, size_t(n));
    cursor_ += n;
    return true;
}

bool TBinFile::ReadString(QString& text, bool append)
{
    if (!readFile_ || atEnd_)
        return false;
    // The text is replaced only once there is something to put in it, so a
    // read at the end leaves the caller's value as it was.
    bool replace = !append;
    auto store = [&](int32_t units) {
        const qsizetype old = replace ? 0 : text.size();
        replace = false;
        text.resize(old + units);
        std::memcpy(text.data() + old, buffer_.get() + cursor_, size_t(units) * 2);
        cursor_ += units * 2;
    };
    for (;;) {
        // A lone byte left at the end of a chunk is the first half of a unit:
        // it is carried over to the next chunk like any unread tail.
        if (count_ - cursor_ < 2) {
            if (!Refill(count_ - cursor_))
                return false;
            continue;
        }
        const char* from = buffer_.get() + cursor_;
        const int32_t whole = (count_ - cursor_) / 2;
        int32_t units = 0;
        while (units < whole && LoadUnit(from + 2 * units) != 0)
            ++units;
        store(units);
        if (units < whole) {
            cursor_ += 2;  // past the zero unit
            return true;
        }
    }
}
