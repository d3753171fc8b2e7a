// The pages of a long generated text (runs, notes, line tags, every
// punctuation class) under each edition's rules and each punctuation mode
// that treats marks differently, against the digests of the page tables
// recorded when they were checked: a faster typesetter must still give the
// same pages, byte for byte (SHOW_DUMP=1 prints the digests found).
#include <gtest/gtest.h>

#include <cstdio>
#include <tuple>

#include <QCryptographicHash>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/Style.h"
#include "support/Editions.h"
#include "tests/typeset/GeneratedLines.h"
#include "typeset/TypesetGlobals.h"
#include "typeset/pages/PageRecord.h"
#include "typeset/pages/PageTableDump.h"
#include "typeset/typesetter/Typesetter.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int64_t kCharacters = 60'000;

struct PagesCase {
    EditionKind edition;
    TBiaoDianType mode;
    const char* name;
    int32_t pages;
    const char* digest;  // SHA-1 of the page table's dump in UTF-8
};

class GeneratedTextPages : public ::testing::TestWithParam<PagesCase> {};

QByteArray DigestOf(const TPageTable& table)
{
    return QCryptographicHash::hash(DumpPageTable(table).toUtf8(), QCryptographicHash::Sha1).toHex();
}

}  // namespace

TEST_P(GeneratedTextPages, AreTheCheckedPages)
{
    const PagesCase& c = GetParam();
    const Edition* previous = InstallEdition(&EditionFor(c.edition));
    int64_t shown = 0;
    g_TextLines = GeneratedTaggedLines(kCharacters, shown);
    TParaSet set;
    TStyle* style = set.styles.AddNew();
    style->NAME = u"para0"_s;
    style->BIAO_DIAN.BIAODIAN_TYPE = c.mode;
    TPageTable table;
    TTypesetter typesetter;
    g_LoadingText = false;
    ASSERT_TRUE(TypesetPages(set, table, typesetter));
    const QByteArray digest = DigestOf(table);
    if (qEnvironmentVariableIsSet("SHOW_DUMP"))
        std::fprintf(stderr, "%s: %d pages, %s\n", c.name, int(table.pages.Size()), digest.constData());
    EXPECT_EQ(table.pages.Size(), c.pages);
    EXPECT_EQ(digest, QByteArray(c.digest));
    InstallEdition(previous);
}

INSTANTIATE_TEST_SUITE_P(
    EditionsAndModes, GeneratedTextPages,
    ::testing::Values(PagesCase{EditionKind::Woodblock, TBiaoDianType::JUDOU, "WoodblockJudou", 256,
                                "fef9ffb07fb920bebdc48b41d1e676697a615462"},
                      PagesCase{EditionKind::Woodblock, TBiaoDianType::PUTONG, "WoodblockPutong", 284,
                                "bb94813933cdb09fbe1142b639dcc434139c8986"},
                      PagesCase{EditionKind::Woodblock, TBiaoDianType::ZHINENG, "WoodblockZhineng", 280,
                                "5b778f57f590aca8d463af08a6552fad9549d38c"},
                      PagesCase{EditionKind::Vertical, TBiaoDianType::JUDOU, "VerticalJudou", 102,
                                "6a573a02ccfb871fa017cd78bfd5923fe41a0e23"},
                      PagesCase{EditionKind::Vertical, TBiaoDianType::PUTONG, "VerticalPutong", 112,
                                "e977f2abb3d02449c414f9f09f9fd62040d1252b"},
                      PagesCase{EditionKind::Vertical, TBiaoDianType::ZHINENG, "VerticalZhineng", 112,
                                "4bfe255ad6ca283b7fb4a743e532b24c47efe558"},
                      PagesCase{EditionKind::Horizontal, TBiaoDianType::JUDOU, "HorizontalJudou", 74,
                                "3ceb9f9044739485b224157043ca35384a626e3d"},
                      PagesCase{EditionKind::Horizontal, TBiaoDianType::PUTONG, "HorizontalPutong", 82,
                                "c5377167f92c453f18fb46310293dbd853215c83"},
                      PagesCase{EditionKind::Horizontal, TBiaoDianType::ZHINENG, "HorizontalZhineng", 78,
                                "92ccbc0c5a927c56ed2f31532fa06176b2b9e4d2"}),
    [](const ::testing::TestParamInfo<PagesCase>& info) { return std::string(info.param.name); });
