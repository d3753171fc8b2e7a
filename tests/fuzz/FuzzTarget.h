#pragma once
// One fuzz target is one file in tests/fuzz/targets/, named after the target
// (page_table.cpp builds fuzz_page_table). It defines two functions:
//
//   void FuzzOne(FuzzInput input);     feeds one input to the reader
//   void WriteSeeds(SeedWriter& seeds); writes the starting corpus
//
// The libFuzzer entry points around them are shared (FuzzMain.cpp). Run with
// VELLUMOR_FUZZ_SEEDS=<folder>, a target writes its seeds there and exits;
// scripts/fuzz does that before fuzzing. The inputs of mended findings, kept
// as test fixtures in tests/data/fuzz/<target>/, are seeds too. A dictionary
// dict/<target>.dict is used when it exists.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>

#include <QByteArray>
#include <QString>

class TBinFile;
struct TPageTable;
struct TParaSet;

// The bytes of one input, taken from the front.
class FuzzInput {
public:
    FuzzInput(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    // The next byte, or 0 when none is left.
    uint8_t TakeByte();
    // The rest, not copied: it lives as long as the input.
    QByteArray RestBytes() const;
    // The rest as text: UTF-8 after a byte with its low bit clear, else
    // UTF-16LE (so both ASCII tags and every unit are within reach).
    QString RestText();

private:
    const uint8_t* data_;
    size_t size_;
};

// Installs the edition that selector picks (modulo the three editions).
void InstallFuzzEdition(uint8_t selector);

class SeedWriter {
public:
    explicit SeedWriter(QString folder) : folder_(std::move(folder)) {}
    void Add(const QString& name, const QByteArray& bytes);
    // Every file of the test fixtures (tests/data, samples) whose name
    // matches one of the patterns, after prefix (the target's selectors).
    void AddFixtures(std::initializer_list<const char*> patterns, const QByteArray& prefix);
    // Texts in UTF-8 after prefix, named stem-1, stem-2, ...
    void AddTexts(const QString& stem, std::initializer_list<const char*> texts, const QByteArray& prefix);

private:
    QString folder_;
};

// A reader's result must survive its writer: what was read whole, written
// and read again writes the same bytes. A difference is a finding (the input
// aborts; VELLUMOR_FUZZ_DUMP=<folder> keeps both forms there). Targets check
// it only for inputs read whole, as writing is slow.
void RequireSameBytes(const QByteArray& written, const QByteArray& rewritten, const char* what);

// The bytes that write gives a binary stream.
QByteArray BinaryBytes(const std::function<void(TBinFile&)>& write);
// The bytes of the file that write makes at the path it is given.
QByteArray FileBytes(const std::function<void(const QString& path)>& write);

// A parameter set with every list filled, for the seeds of the readers of
// stored sets.
TParaSet SeedParaSet();
// Three pages: cover, a body page with lines, seals and pictures, back cover.
TPageTable SeedPageTable();
// Small .pra files in UTF-8, each with one block of a filled style.
void AddParaFileSeeds(SeedWriter& seeds);
// The bytes of the set's .pra file, and their text.
QByteArray ExportedParaFile(const TParaSet& set);
QString ExportedParaText(const QByteArray& exported);

void FuzzOne(FuzzInput input);
void WriteSeeds(SeedWriter& seeds);
