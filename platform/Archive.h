#pragma once
// A serialisation stream in the form of the Windows framework's archive:
// integers little-endian, strings with the framework's length prefix.
//
// String form: a UTF-16 string is tagged by the byte FF and the 16-bit FFFE;
// then the length in units as one byte below 255, else FF and a 16-bit length
// below FFFE, else FF FFFF and a 32-bit length; then the units, UTF-16LE,
// without terminator. Strings without the tag are 8-bit text (code page 936).
//
// The archive does not own its device. A failed read or write is sticky:
// every later read fails too and leaves its target unchanged.
#include <cstdint>
#include <type_traits>

#include <QString>
#include <QtEndian>

class QIODevice;

class Archive {
public:
    enum class Mode { Store, Load };

    Archive(QIODevice& device, Mode mode) : device_(device), mode_(mode) {}

    bool IsStoring() const { return mode_ == Mode::Store; }
    bool IsLoading() const { return mode_ == Mode::Load; }
    // True once a read met the end of the data or a write failed.
    bool Failed() const { return failed_; }

    template <class T>
        requires std::is_integral_v<T>
    void Write(T value)
    {
        const T le = qToLittleEndian(value);
        WriteRaw(&le, sizeof le);
    }
    template <class T>
        requires std::is_integral_v<T>
    bool Read(T& value)
    {
        T le;
        if (!ReadRaw(&le, sizeof le))
            return false;
        value = qFromLittleEndian(le);
        return true;
    }
    void WriteString(const QString& text);
    bool ReadString(QString& text);

    // Stores or loads by the archive's direction.
    template <class T>
        requires std::is_integral_v<T>
    void Exchange(T& value)
    {
        if (IsStoring())
            Write(value);
        else
            Read(value);
    }
    void Exchange(QString& text)
    {
        if (IsStoring())
            WriteString(text);
        else
            ReadString(text);
    }

private:
    void WriteRaw(const void* data, qint64 n);
    bool ReadRaw(void* data, qint64 n);
    bool ReadLength(uint64_t& length, bool& wide);
    bool ReadBytes(QByteArray& bytes, uint64_t n);

    QIODevice& device_;
    Mode mode_;
    bool failed_ = false;
};
