// Throughput of the two file streams on generated files in a temporary
// folder: a binary file of page-like records (int32s and short strings) and
// line texts in GBK and UTF-16.
#include <benchmark/benchmark.h>

#include <vector>

#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "foundation/io/BinFile.h"
#include "foundation/io/TextFile.h"

namespace {
constexpr qint64 kBinBytes = 50'000'000;
constexpr qint64 kTextBytes = 20'000'000;

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    return dir;
}

// A few dozen short strings, as page records hold them.
const std::vector<QString>& Names()
{
    static const std::vector<QString> names = [] {
        std::vector<QString> v;
        for (int i = 0; i < 64; ++i)
            v.push_back(QStringLiteral("第%1卷<P=%2>").arg(i).arg(i * 37 % 1000));
        return v;
    }();
    return names;
}

// Classical lines of varying length.
const std::vector<QString>& Lines()
{
    static const std::vector<QString> lines = [] {
        const QString verse = QStringLiteral("山高月小水落石出曾日月之幾何而江山不可復識矣予乃攝衣而上履巉巖披蒙茸");
        std::vector<QString> v;
        for (int i = 0; i < 97; ++i)
            v.push_back(verse.mid(i % 7, 8 + i * 13 % 29) + QString::number(i));
        return v;
    }();
    return lines;
}

// Writes records until the file holds about kBinBytes; returns its size.
qint64 WriteRecords(const QString& path)
{
    TBinFile out;
    out.OpenWrite(path);
    qint64 total = 0;
    for (int32_t i = 0; total < kBinBytes; ++i) {
        total += out.WriteInt32(i);
        total += out.WriteInt32(i * 3);
        total += out.WriteUInt16(uint16_t(i));
        total += out.WriteString(Names()[size_t(i) % Names().size()]);
        total += out.WriteInt32(-i);
        total += out.WriteString(Names()[size_t(i * 7) % Names().size()]);
    }
    out.Close();
    return total;
}

qint64 WriteUtf16Text(const QString& path)
{
    TTextFile out;
    out.OpenWrite(path);
    qint64 total = 2;
    for (size_t i = 0; total < kTextBytes; ++i) {
        const QString& line = Lines()[i % Lines().size()];
        out.WriteLine(line);
        total += 2 * line.size() + 4;
    }
    out.Close();
    return total;
}

qint64 WriteGbkText(const QString& path)
{
    QStringEncoder gbk("GBK");
    QByteArray bytes;
    bytes.reserve(kTextBytes + 1000);
    for (size_t i = 0; bytes.size() < kTextBytes; ++i)
        bytes += gbk.encode(Lines()[i % Lines().size()]) + "\r\n";
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    return bytes.size();
}

void BinWrite(benchmark::State& state)
{
    const QString path = Folder().filePath("records.bin");
    qint64 bytes = 0;
    for (auto _ : state)
        bytes += WriteRecords(path);
    state.SetBytesProcessed(bytes);
}

void BinRead(benchmark::State& state)
{
    const QString path = Folder().filePath("records.bin");
    const qint64 size = WriteRecords(path);
    int32_t a = 0, b = 0, c = 0;
    uint16_t flag = 0;
    QString name, other;
    for (auto _ : state) {
        TBinFile in;
        in.OpenRead(path);
        while (in.ReadInt32(a) && in.ReadInt32(b) && in.ReadUInt16(flag) && in.ReadString(name) && in.ReadInt32(c)
               && in.ReadString(other))
            benchmark::DoNotOptimize(a + b + c + flag + name.size() + other.size());
        in.Close();
    }
    state.SetBytesProcessed(size * state.iterations());
}

void TextWriteUtf16(benchmark::State& state)
{
    const QString path = Folder().filePath("text16.txt");
    qint64 bytes = 0;
    for (auto _ : state)
        bytes += WriteUtf16Text(path);
    state.SetBytesProcessed(bytes);
}

void ReadText(benchmark::State& state, const QString& path, qint64 size)
{
    QString line;
    for (auto _ : state) {
        TTextFile in;
        in.OpenRead(path);
        qsizetype units = 0;
        while (in.ReadLine(line))
            units += line.size();
        benchmark::DoNotOptimize(units);
        in.Close();
    }
    state.SetBytesProcessed(size * state.iterations());
}

void TextReadUtf16(benchmark::State& state)
{
    const QString path = Folder().filePath("text16.txt");
    ReadText(state, path, WriteUtf16Text(path));
}

void TextReadGbk(benchmark::State& state)
{
    const QString path = Folder().filePath("textgbk.txt");
    ReadText(state, path, WriteGbkText(path));
}
}  // namespace

BENCHMARK(BinWrite)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BinRead)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TextWriteUtf16)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TextReadUtf16)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(TextReadGbk)->Unit(benchmark::kMillisecond)->UseRealTime();

BENCHMARK_MAIN();
