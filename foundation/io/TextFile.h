#pragma once
// Reads a text file line by line and writes one line by line.
// Reading accepts UTF-16LE, UTF-16BE and UTF-8 by their byte-order marks and
// takes anything else as code page 936 (GBK); "EF BB" without "BF" and "FF FF"
// are refused with the message "本程序不支持该编码！". CR, LF and CR LF each end
// a line. Writing gives UTF-16LE with a byte-order mark and CR LF between
// lines (none after the last), through a temporary file that Close() commits.
#include <cstdint>
#include <memory>

#include <QString>
#include <QtGlobal>

class QByteArray;
class QIODevice;
class QStringDecoder;
class SafeWriteFile;

class TTextFile {
public:
    enum Encoding : int32_t { Ansi = 0, Utf16LE = 1, Utf16BE = 2, Utf8 = 3, Refused = -1 };

    static constexpr int32_t kReadChunk = 8 * 1024 * 1024;      // bytes
    static constexpr int32_t kWriteThreshold = 4 * 1024 * 1024;  // units

    // The block sizes can be made small for tests of the chunk boundaries.
    explicit TTextFile(int32_t readChunkBytes = kReadChunk, int32_t writeThresholdUnits = kWriteThreshold);
    ~TTextFile();  // a file still open for writing is discarded, not saved
    TTextFile(const TTextFile&) = delete;
    TTextFile& operator=(const TTextFile&) = delete;

    // False without a message when the file cannot be opened or is empty;
    // false after telling the user when its encoding is refused.
    bool OpenRead(const QString& path);
    // Reads bytes held in memory as OpenRead reads a file.
    bool OpenReadBuffer(const QByteArray& bytes);
    // The next line, or false at the end of the file or when not open.
    // A zero unit inside a line ends it, as in the stored zero-ended form.
    bool ReadLine(QString& line);
    // Reading: how far the lines returned reach into the file, in bytes, and
    // the file's size (what a long read's progress is told in); 0 when not
    // reading.
    qint64 BytesRead() const;
    qint64 ByteSize() const;

    bool OpenWrite(const QString& path);
    // Writes one line; CR LF goes before every line but the first.
    // A zero unit in the text ends the copy; the rest of the length is zeros.
    void WriteLine(const char16_t* text, int32_t length);
    void WriteLine(const QString& text) { WriteLine(reinterpret_cast<const char16_t*>(text.utf16()), int32_t(text.size())); }

    // Writing: flushes and commits; false when anything failed (the old file
    // then stays as it was). Reading and closed: true.
    bool Close();
    bool IsOpen() const;
    Encoding encoding() const { return encoding_; }

private:
    struct ReadState;
    bool StartReading(std::unique_ptr<QIODevice> device, int32_t chunk);
    void FlushPending();
    void Put(const char16_t* units, int32_t n);

    std::unique_ptr<ReadState> read_;
    std::unique_ptr<SafeWriteFile> writeFile_;
    std::unique_ptr<char16_t[]> writeBuffer_;
    int32_t writeCount_ = 0;
    int32_t readChunk_;
    int32_t writeThreshold_;
    int32_t linesWritten_ = 0;
    bool writeFailed_ = false;
    Encoding encoding_ = Ansi;
};
