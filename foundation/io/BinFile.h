#pragma once
// The buffered binary stream through which every binary file of the program
// is read and written. Values are little-endian as they lie in memory;
// strings are UTF-16LE units ended by a 16-bit zero, with no length prefix.
//
// Writes are gathered up to the write threshold (4 MiB) and go to a temporary
// file that replaces the target only when Close() succeeds, so a failed save
// leaves the old file intact and Close() reports it. Reads come from a read-
// ahead chunk (8 MiB); the end of the file is sticky: after one read fails,
// every later read fails too.
#include <cstdint>
#include <memory>

#include <QString>

class QByteArray;
class QIODevice;
class SafeWriteFile;

class TBinFile {
public:
    static constexpr int32_t kWriteThreshold = 4 * 1024 * 1024;
    static constexpr int32_t kReadChunk = 8 * 1024 * 1024;

    // The block sizes can be made small for tests of the chunk boundaries.
    explicit TBinFile(int32_t writeThreshold = kWriteThreshold, int32_t readChunk = kReadChunk);
    ~TBinFile();  // a stream still open for writing is discarded, not saved
    TBinFile(const TBinFile&) = delete;
    TBinFile& operator=(const TBinFile&) = delete;

    bool OpenWrite(const QString& path);
    // False when the file cannot be opened or is empty.
    bool OpenRead(const QString& path);
    // Reads bytes held in memory as OpenRead reads a file; false when empty.
    bool OpenReadBuffer(const QByteArray& bytes);
    // Writing: flushes and commits; false when any write or the commit failed
    // (the old file is then unchanged). Reading: true. Closed: true.
    bool Close();
    bool IsOpen() const;
    bool IsReading() const;

    // Bytes accepted (n), or -1 on a closed stream.
    int32_t Write(const void* data, int32_t n);
    // A zero-ended UTF-16 string and its terminator: 2 * length + 2 bytes.
    int32_t WriteWStr(const char16_t* text);
    int32_t WriteString(const QString& text);
    int32_t WriteInt32(int32_t value) { return Write(&value, 4); }
    int32_t WriteUInt16(uint16_t value) { return Write(&value, 2); }
    int32_t WriteByte(uint8_t value) { return Write(&value, 1); }

    // False on a closed stream or when the file ends before n bytes.
    bool Read(void* destination, int32_t n);
    // Units up to and including the next zero unit; append adds them to text.
    bool ReadString(QString& text, bool append = false);
    bool ReadInt32(int32_t& value) { return Read(&value, 4); }
    bool ReadUInt16(uint16_t& value) { return Read(&value, 2); }
    bool ReadByte(uint8_t& value) { return Read(&value, 1); }

    // True once a read has met the end of the file (or the stream is closed).
    bool AtEnd() const;
    // Reading: the bytes taken from the stream so far; -1 when not reading.
    int64_t ReadPosition() const;
    // Writing: true once a write to the disk failed.
    bool WriteFailed() const;

private:
    // Opens the device and reads its first chunk.
    bool StartReading(std::unique_ptr<QIODevice> device, int32_t chunk);
    bool FlushPending();
    int32_t Gather(const char* data, int32_t n);
    bool Refill(int32_t keep);
    void ReachEnd();

    int32_t writeThreshold_;
    int32_t readChunk_;
    int32_t chunk_ = 0;  // of the stream being read
    std::unique_ptr<QIODevice> readFile_;
    std::unique_ptr<SafeWriteFile> writeFile_;
    // Reading: one read chunk; writing: the write threshold.
    std::unique_ptr<char[]> buffer_;
    int32_t cursor_ = 0;
    int32_t count_ = 0;
    bool atEnd_ = false;
    bool writeFailed_ = false;
};
