#pragma once
// Helpers of the file-form tests: literal little-endian fixtures, and the
// binary and text streams over scratch files in a temporary folder.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QtEndian>

#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"

// The whole content of a file; empty when it cannot be read.
inline QByteArray FileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Makes a file hold exactly bytes.
inline void PutFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

// Bytes as hexadecimal text, for readable failures.
inline std::string Hex(const QByteArray& bytes) { return bytes.toHex(' ').toStdString(); }

// Builds a fixture the way the binary files store values.
class LeBytes {
public:
    LeBytes& I32(int32_t v) { return Raw(qToLittleEndian(v)); }
    LeBytes& U16(uint16_t v) { return Raw(qToLittleEndian(v)); }
    LeBytes& U8(uint8_t v) { return Raw(v); }
    // UTF-16LE units and a zero unit.
    LeBytes& WStr(const QString& s)
    {
        for (const QChar c : s)
            U16(c.unicode());
        return U16(0);
    }
    const QByteArray& Data() const { return data_; }

private:
    template <class T>
    LeBytes& Raw(T v)
    {
        data_.append(reinterpret_cast<const char*>(&v), sizeof v);
        return *this;
    }
    QByteArray data_;
};

class ScratchFiles {
public:
    // The bytes that write put into a file; the count it returned must match.
    QByteArray WrittenBin(const std::function<int32_t(TBinFile&)>& write, bool checkCount = true)
    {
        TBinFile file;
        EXPECT_TRUE(file.OpenWrite(Path()));
        const int32_t count = write(file);
        EXPECT_TRUE(file.Close());
        const QByteArray bytes = ::FileBytes(Path());
        if (checkCount) {
            EXPECT_EQ(count, bytes.size());
        }
        return bytes;
    }
    // The bytes that write puts through a TBinFile, when its count is not checked.
    QByteArray WrittenBytes(const std::function<void(TBinFile&)>& write)
    {
        return WrittenBin([&](TBinFile& file) {
            write(file);
            return int32_t(-1);
        }, false);
    }
    // Runs read on a TBinFile opened over the bytes (non-empty).
    void ReadBytes(const QByteArray& bytes, const std::function<void(TBinFile&)>& read)
    {
        TBinFile file;
        OpenBin(file, bytes);
        if (file.IsOpen())
            read(file);
    }
    // Opens the bytes for reading.
    void OpenBin(TBinFile& file, const QByteArray& bytes)
    {
        QFile out(Path());
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(bytes);
        out.close();
        ASSERT_TRUE(file.OpenRead(Path()));
    }
    // The lines that write put into a text file, as read back.
    QStringList WrittenLines(const std::function<void(TTextFile&)>& write)
    {
        TTextFile out;
        EXPECT_TRUE(out.OpenWrite(Path()));
        write(out);
        EXPECT_TRUE(out.Close());
        TTextFile in;
        QStringList lines;
        if (in.OpenRead(Path())) {
            QString line;
            while (in.ReadLine(line))
                lines << line;
        }
        return lines;
    }

private:
    QString Path() const { return dir_.filePath(QStringLiteral("scratch")); }
    QTemporaryDir dir_;
};
