// The libFuzzer entry points shared by every target, and the helpers of
// FuzzTarget.h.
#include "FuzzTarget.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "editions/horizontal/HorizontalEdition.h"
#include "editions/vertical/VerticalEdition.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/params/Style.h"
#include "platform/Prompter.h"

namespace {

// Questions are answered No and messages dropped: a damaged input may make
// a reader tell the user, which is not a finding.
class SilentPrompter final : public Prompter {
public:
    Answer Ask(const QString&, Buttons) override { return Answer::No; }
    void Tell(const QString&) override {}
};

const Edition* const kEditions[] = {
    new WoodblockEdition,
    new VerticalEdition,
    new HorizontalEdition,
};

// The target's name: its program's name without "fuzz_".
QString TargetName()
{
    return QCoreApplication::applicationName().remove(QStringLiteral("fuzz_"));
}

// The findings kept among the test fixtures are seeds too.
void WriteSeedsAndExit(const char* folder)
{
    QDir().mkpath(QString::fromLocal8Bit(folder));
    SeedWriter seeds{QString::fromLocal8Bit(folder)};
    WriteSeeds(seeds);
    const QDir findings(QStringLiteral(VELLUMOR_TEST_DATA "/fuzz/") + TargetName());
    for (const QString& name : findings.entryList(QDir::Files))
        QFile::copy(findings.filePath(name), QString::fromLocal8Bit(folder) + u'/' + name);
    std::exit(0);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Fonts and styles want a GUI application; no screen is needed.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    static SilentPrompter prompter;
    InstallPrompter(&prompter);
    if (const char* folder = std::getenv("VELLUMOR_FUZZ_SEEDS"))
        WriteSeedsAndExit(folder);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzOne(FuzzInput(data, size));
    return 0;
}

// FuzzInput ----------------------------------------------------------------

uint8_t FuzzInput::TakeByte()
{
    if (size_ == 0)
        return 0;
    --size_;
    return *data_++;
}

QByteArray FuzzInput::RestBytes() const
{
    return QByteArray::fromRawData(reinterpret_cast<const char*>(data_), qsizetype(size_));
}

QString FuzzInput::RestText()
{
    if (TakeByte() % 2 == 0)
        return QString::fromUtf8(reinterpret_cast<const char*>(data_), qsizetype(size_));
    QString text(qsizetype(size_ / 2), Qt::Uninitialized);
    std::memcpy(text.data(), data_, size_ / 2 * 2);
    return text;
}

void InstallFuzzEdition(uint8_t selector)
{
    InstallEdition(kEditions[selector % std::size(kEditions)]);
}

void RequireSameBytes(const QByteArray& written, const QByteArray& rewritten, const char* what)
{
    if (written == rewritten)
        return;
    qsizetype at = 0;
    while (at < written.size() && at < rewritten.size() && written[at] == rewritten[at])
        ++at;
    std::fprintf(stderr, "%s: written again differs at byte %lld (%lld and %lld bytes)\n", what, qlonglong(at),
                 qlonglong(written.size()), qlonglong(rewritten.size()));
    // Both forms for a closer look: VELLUMOR_FUZZ_DUMP=<folder>.
    if (const char* folder = std::getenv("VELLUMOR_FUZZ_DUMP")) {
        SeedWriter dump{QString::fromLocal8Bit(folder)};
        dump.Add(QStringLiteral("written"), written);
        dump.Add(QStringLiteral("rewritten"), rewritten);
    }
    std::abort();
}

// Seeds --------------------------------------------------------------------

void SeedWriter::Add(const QString& name, const QByteArray& bytes)
{
    QFile file(folder_ + u'/' + name);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

void SeedWriter::AddFixtures(std::initializer_list<const char*> patterns, const QByteArray& prefix)
{
    QStringList filters;
    for (const char* pattern : patterns)
        filters << QString::fromLatin1(pattern);
    for (const char* root : {VELLUMOR_TEST_DATA, VELLUMOR_SAMPLES}) {
        const QDir dir(QString::fromLocal8Bit(root));
        for (const QString& name : dir.entryList(filters, QDir::Files)) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::ReadOnly))
                Add(name, prefix + file.readAll());
        }
    }
}

void SeedWriter::AddTexts(const QString& stem, std::initializer_list<const char*> texts, const QByteArray& prefix)
{
    int32_t n = 0;
    for (const char* text : texts)
        Add(stem + u'-' + QString::number(++n), prefix + text);
}

QByteArray BinaryBytes(const std::function<void(TBinFile&)>& write)
{
    return FileBytes([&write](const QString& path) {
        TBinFile file;
        if (file.OpenWrite(path))
            write(file);
        file.Close();
    });
}

QByteArray FileBytes(const std::function<void(const QString& path)>& write)
{
    // In memory where there is such a folder: targets write on every input.
    static const QTemporaryDir scratch(QDir(QStringLiteral("/dev/shm")).exists()
                                           ? QStringLiteral("/dev/shm/vellumor-fuzz-XXXXXX")
                                           : QDir::tempPath() + QStringLiteral("/vellumor-fuzz-XXXXXX"));
    const QString path = scratch.filePath(QStringLiteral("written"));
    QFile::remove(path);
    write(path);
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
