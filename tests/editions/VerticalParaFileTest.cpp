#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "foundation/params/ParaFile.h"
#include "tests/editions/EditionTestHelpers.h"
#include "tests/editions/VerticalFixture.h"

using namespace Qt::StringLiterals;

namespace {

class VerticalParaFileTest : public VerticalTest {
protected:
    QString Store(const QString& text) { return scratch_.Store(text); }
    QString Exported(const TParaSet& set) { return scratch_.Exported(set); }
    ParaFileScratch scratch_;
};

QString Frame(const QString& items, int version = 32)
{
    return u"<HEAD><VERSION>%1</VERSION></HEAD><PARA_SP><STYLES><STYLE><FRAME>%2</FRAME></STYLE></STYLES></PARA_SP>"_s
        .arg(version, 5, 10, QChar(u'0'))
        .arg(items);
}

TEST_F(VerticalParaFileTest, ExportImportExportIsIdentical)
{
    TParaSet set;
    EnsureOneStyle(set.styles, {});
    TStyle& s = set.styles[0];
    s.NEW_VOLUME_PAGE_TYPE = TNewVolumePageType::NEXT_PAGE;
    s.SIDE_BOX.BOX_WIDTH = 6000;
    s.HEAD_BOX.size.BOX_HEIGHT = 3000;
    s.BACK_COLOR = Rgb(0x12, 0x34, 0x56);
    const QString text = Exported(set);
    EXPECT_TRUE(text.contains(u"<PARA_SP>"_s));
    EXPECT_TRUE(text.contains(u"NEW_VOLUME_PAGE_TYPE=NEXT_PAGE,"_s));
    EXPECT_TRUE(text.contains(u"<SIDE_BOX>"_s));
    EXPECT_FALSE(text.contains(u"QUAN_DIAN_ARRAY"_s));
    EXPECT_FALSE(text.contains(u"CE_PI_ARRAY"_s));
    EXPECT_FALSE(text.contains(u"OUT_BORDER"_s));
    EXPECT_FALSE(text.contains(u"MID_UP_FONT"_s));

    TParaSet back;
    ASSERT_TRUE(ImportParaFile(Store(text), back, {}));
    ASSERT_EQ(back.styles.Size(), 1);
    EXPECT_EQ(back.styles[0].NEW_VOLUME_PAGE_TYPE, TNewVolumePageType::NEXT_PAGE);
    EXPECT_EQ(back.styles[0].SIDE_BOX, s.SIDE_BOX);
    EXPECT_EQ(back.styles[0].pageWidth, 48000);
    EXPECT_EQ(back.styles[0].pageHeight, 67000);
    EXPECT_EQ(Exported(back), text);
}

TEST_F(VerticalParaFileTest, FrameKeys)
{
    struct Case {
        QString items;
        int32_t newVolume;
        ColorRef back;
    } cases[] = {
        {u"NEW_VOLUME_PAGE_TYPE=NEXT_PAGE,BACK_COLOR=ff0000,"_s, TNewVolumePageType::NEXT_PAGE, 0x0000FF},
        {u"NEW_VOLUME_PAGE_TYPE=NEXT_SINGLAR_PAGE,"_s, TNewVolumePageType::NEXT_SINGLAR_PAGE, 0xFFFFFF},
        {u"NEW_VOLUME_PAGE_TYPE=next_page,OUT_BORDER=900,"_s, TNewVolumePageType::NEXT_SINGLAR_PAGE, 0xFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items.toStdString());
        TParaSet set;
        ASSERT_TRUE(ImportParaFile(Store(Frame(c.items)), set, {}));
        ASSERT_EQ(set.styles.Size(), 1);
        EXPECT_EQ(set.styles[0].NEW_VOLUME_PAGE_TYPE, c.newVolume);
        EXPECT_EQ(set.styles[0].BACK_COLOR, c.back);
        EXPECT_EQ(set.styles[0].OUT_BORDER, 0);  // a woodblock key is no key here
    }
}

TEST_F(VerticalParaFileTest, Version27IsRefusedHereAndReadByTheWoodblockEdition)
{
    const QString path = Store(Frame(u"NAME=舊,"_s, 27).replace(u"PARA_SP"_s, u"PARA_KB"_s));
    TParaSet set;
    set.styles.AddNew()->NAME = u"kept"_s;
    EXPECT_FALSE(ImportParaFile(path, set, {}));
    EXPECT_EQ(set.styles[0].NAME, u"kept"_s);

    const Edition* vertical = InstallEdition(&EditionFor(EditionKind::Woodblock));
    TParaSet woodblock;
    EXPECT_TRUE(ImportParaFile(path, woodblock, {}));
    InstallEdition(vertical);
}

}  // namespace
