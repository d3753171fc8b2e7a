// Inputs the fuzz targets found faults with, read as the targets read them:
// each must now be read to its end without a crash or a runaway allocation.
#include <gtest/gtest.h>

#include <QFile>

#include "foundation/FoundationGlobals.h"
#include "foundation/io/BinFile.h"
#include "foundation/params/StyleBinary.h"
#include "support/Editions.h"

namespace {

QByteArray Fixture(const QString& target, const QString& name)
{
    QFile file(QStringLiteral(VELLUMOR_TEST_DATA "/fuzz/") + target + u'/' + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace

// A vertical style list of version 25 (older than the edition's styles) with
// a count of millions: each style was read from no bytes, so the list grew
// until memory ran out.
TEST(FuzzFindings, AStyleListOlderThanTheEditionIsNotRead)
{
    const QByteArray input = Fixture(QStringLiteral("param_set"), QStringLiteral("styles-of-no-bytes"));
    ASSERT_GE(input.size(), 3);
    const Edition* previous = InstallEdition(&EditionFor(EditionKind::Vertical));
    const int32_t version = 16 + uint8_t(input[1]) % 20;
    ASSERT_EQ(version, 25);
    TBinFile file;
    ASSERT_TRUE(file.OpenReadBuffer(input.mid(2)));
    TParaSet set;
    EXPECT_FALSE(ReadParaSet(file, version, set, {false, false}));
    EXPECT_LE(set.styles.Size(), 1);
    InstallEdition(previous);
}

// A counted list whose records take no bytes ends after the first one,
// whatever its count says.
TEST(FuzzFindings, RecordsReadFromNoBytesEndTheList)
{
    const Edition* previous = InstallEdition(&EditionFor(EditionKind::Vertical));
    const int32_t count = 2'000'000'000;
    TBinFile file;
    ASSERT_TRUE(file.OpenReadBuffer(QByteArray(reinterpret_cast<const char*>(&count), 4) + QByteArray(8, '\0')));
    TStyleList styles;
    EXPECT_FALSE(ReadStyleList(file, 25, styles, {false, false}));
    EXPECT_EQ(styles.Size(), 1);
    InstallEdition(previous);
}
