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
                                "15867c7d35e9e07bd1a3a5812c2af9be564359f8"},
                      PagesCase{EditionKind::Woodblock, TBiaoDianType::ZHINENG, "WoodblockZhineng", 280,
                                "21ad0a5a5a1eafaae8b39924e59f6aaf65316e36"},
                      PagesCase{EditionKind::Vertical, TBiaoDianType::JUDOU, "VerticalJudou", 102,
                                "6a573a02ccfb871fa017cd78bfd5923fe41a0e23"},
                      PagesCase{EditionKind::Vertical, TBiaoDianType::PUTONG, "VerticalPutong", 112,
                                "1cee6b21b18a65bacef08f981ef5f49474b7e914"},
                      PagesCase{EditionKind::Vertical, TBiaoDianType::ZHINENG, "VerticalZhineng", 112,
                                "c6e8af89e9ba3bca761b30af1428b93393047b89"},
                      PagesCase{EditionKind::Horizontal, TBiaoDianType::JUDOU, "HorizontalJudou", 74,
                                "3ceb9f9044739485b224157043ca35384a626e3d"},
                      PagesCase{EditionKind::Horizontal, TBiaoDianType::PUTONG, "HorizontalPutong", 82,
                                "95d9d9686f882c6ddf27a7a9799bc73a5d7faf7a"},
                      PagesCase{EditionKind::Horizontal, TBiaoDianType::ZHINENG, "HorizontalZhineng", 78,
                                "275a0c3b1f8bcd18905e4a3d16347d7afd1b033e"}),
    [](const ::testing::TestParamInfo<PagesCase>& info) { return std::string(info.param.name); });
