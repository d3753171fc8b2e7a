#pragma once
// Files for the tests of the record forms: a binary stream written or read
// over literal bytes, and the lines a text writer produced.
#include <functional>

#include <QByteArray>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"

class ParamFormsTestFiles {
public:
    // The bytes that write puts through a TBinFile.
    QByteArray WrittenBytes(const std::function<void(TBinFile&)>& write)
    {
        const QString path = NextPath();
        TBinFile file;
        if (!file.OpenWrite(path))
            return {};
        write(file);
        file.Close();
        return Load(path);
    }

    // Runs read on a TBinFile opened over the bytes (non-empty).
    void ReadBytes(const QByteArray& bytes, const std::function<void(TBinFile&)>& read)
    {
        const QString path = NextPath();
        Store(path, bytes);
        TBinFile file;
        if (file.OpenRead(path))
            read(file);
    }

    // The lines that write puts through a TTextFile.
    QStringList WrittenLines(const std::function<void(TTextFile&)>& write)
    {
        const QString path = NextPath();
        {
            TTextFile file;
            if (!file.OpenWrite(path))
                return {};
            write(file);
            file.Close();
        }
        QStringList lines;
        TTextFile file;
        QString line;
        if (file.OpenRead(path))
            while (file.ReadLine(line))
                lines << line;
        return lines;
    }

private:
    QString NextPath() { return dir_.filePath(QString::number(++count_)); }
    static void Store(const QString& path, const QByteArray& bytes)
    {
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
    }
    static QByteArray Load(const QString& path)
    {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir_;
    int count_ = 0;
};
