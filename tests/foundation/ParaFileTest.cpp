#include <gtest/gtest.h>

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include "foundation/FoundationGlobals.h"
#include "foundation/params/ParaFile.h"
#include "support/FileSizeLimit.h"
#include "foundation/io/DataFolders.h"

using namespace Qt::StringLiterals;

namespace {

QByteArray Load(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The default style "para0" and both covers.
TParaSet DefaultSet()
{
    TParaSet set;
    EnsureOneStyle(set.styles, {});
    GetCoverPara(set);
    GetBackCoverPara(set);
    return set;
}

// A style with something in every block.
void FillStyle(TStyle& s)
{
    s.NAME = u"正文"_s;
    s.MID_LINE = 500;
    s.UP_FISH_TYPE = 2;
    s.SHOW_MID_DOWN = false;
    s.BORDER_COLOR = Rgb(0x12, 0xAB, 0x03);
    s.GROUND_IMAGE = true;
    s.GROUND = {kGroundFolder, u"宣紙"_s};
    s.TEXT_BOX.size.LINES = 9;
    s.TEXT_BOX.AUTO_RICH_FONT = false;
    s.TEXT_BOX.RICH_FONT_GROUP.ZHU_FONT_H.face = u"楷体"_s;
    s.HEAD_BOX.size.BOX_HEIGHT = 4000;
    s.MID_UP_FONT.TEXT_FONT.ALIGN = FontAlign::MOVE;
    s.MID_UP_FONT.TEXT_FONT.move = 150;
    TTechnique* t = s.TECH_ARRAY.AddNew();
    t->TYPE = 1;
    t->LINES_WIDTH = 250;
    t->MARK = u"框"_s;
    TCirclePara* c = s.CIRCLE_ARRAY.AddNew();
    c->USE_TEXT_FONT = false;
    c->MARK = u"圈"_s;
    c->font.NAME = u"黑体"_s;
    TQuanDian* q = s.QUAN_DIAN_ARRAY.AddNew();
    q->QD_MARK = u"點"_s;
    TQdChar* mark = q->marks.AddNew();
    mark->QD_CHAR = 0x25CB;
    mark->X_MOVE = 30;
    SetSizedFont(*s.CE_PI_ARRAY.AddNew(), u"宋体"_s, 1500);
    s.CE_PI_ARRAY[0].MARKSTRING = u"批"_s;
    s.BIAO_DIAN = {TBiaoDianType::JUDOU, false, 255, false};
    TFontStyle* attached = s.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT.AddNew();
    attached->NAME = u"楷体"_s;
    attached->MARKSTRING = u"小"_s;
    s.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H.AddNew()->face = u"細明體"_s;
    SyncStyleFonts(s);  // as every read leaves a style
}

class ParaFileTest : public ::testing::Test {
protected:

    QString Path(const QString& name) const { return dir_.filePath(name); }
    QByteArray Exported(const TParaSet& set)
    {
        const QString path = Path(u"out%1.pra"_s.arg(++count_));
        EXPECT_TRUE(ExportParaFile(path, set));
        return Load(path);
    }
    QString Store(const QByteArray& bytes)
    {
        const QString path = Path(u"in%1.pra"_s.arg(++count_));
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(bytes);
        return path;
    }
    // A .pra written as UTF-8 with its byte-order mark.
    QString StoreText(const QString& text) { return Store("\xEF\xBB\xBF" + text.toUtf8()); }
    bool Import(const QString& text, TParaSet& set, TDisplayMode display = {})
    {
        return ImportParaFile(StoreText(text), set, display);
    }

    QTemporaryDir dir_;
    int count_ = 0;
};

const QString kHead = u"<HEAD><VERSION>00032</VERSION></HEAD>"_s;

TEST_F(ParaFileTest, DefaultSetExportsTheGoldenFile)
{
    const QByteArray golden = Load(QStringLiteral(VELLUMOR_TEST_DATA "/default-params.pra"));
    ASSERT_FALSE(golden.isEmpty());
    EXPECT_EQ(Exported(DefaultSet()), golden);

    TParaSet read;
    ASSERT_TRUE(ImportParaFile(QStringLiteral(VELLUMOR_TEST_DATA "/default-params.pra"), read, {}));
    EXPECT_EQ(Exported(read), golden);
}

TEST_F(ParaFileTest, ExportImportExportIsIdentical)
{
    TParaSet set = DefaultSet();
    FillStyle(*set.styles.AddNew());
    set.covers[1].COVER_FONT.ZHU_FONT.NAME = u"隸書"_s;
    const QByteArray first = Exported(set);

    TParaSet read;
    ASSERT_TRUE(ImportParaFile(Store(first), read, {}));
    ASSERT_EQ(read.styles.Size(), 2);
    const TStyle& s = read.styles[1];
    EXPECT_EQ(s.NAME, u"正文"_s);
    EXPECT_EQ(s.MID_LINE, 500);
    EXPECT_EQ(s.GROUND.folderKind, kGroundFolder);
    EXPECT_EQ(s.TEXT_BOX.size.pitch, (50000 + 100) / 9 - 100);
    EXPECT_EQ(s.pageHeight, 4000 + 2200 + 65000);
    EXPECT_EQ(s.QUAN_DIAN_ARRAY[0].marks[0].X_MOVE, 30);
    EXPECT_EQ(s.ATTACH_RICH_FONT_GROUP.ATTACH_ZHU_FONT_H[0].face, u"楷体"_s);
    EXPECT_EQ(s.ATTACH_RICH_FONT_GROUP.ATTACH_TEXT_FONT_H[0].face, u"細明體"_s);
    EXPECT_EQ(read.covers[1].COVER_FONT.ZHU_FONT.NAME, u"隸書"_s);
    EXPECT_EQ(read.covers[0].pageHeight, 4000 + 2200 + 65000);
    EXPECT_EQ(Exported(read), first);
}

TEST_F(ParaFileTest, EveryEncodingImportsTheSameSet)
{
    const QByteArray golden = Load(QStringLiteral(VELLUMOR_TEST_DATA "/default-params.pra"));
    const QString text = QStringDecoder(QStringDecoder::Utf16LE)(golden.mid(2));
    QStringEncoder gbk("GBK");
    ASSERT_TRUE(gbk.isValid());
    const QByteArray gbkBytes = gbk(text);
    ASSERT_FALSE(gbk.hasError());
    const struct {
        const char* name;
        QByteArray bytes;
    } files[] = {
        {"UTF-16LE", golden},
        {"UTF-8", "\xEF\xBB\xBF" + text.toUtf8()},
        {"GBK", gbkBytes},
    };
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        TParaSet read;
        ASSERT_TRUE(ImportParaFile(Store(f.bytes), read, {}));
        EXPECT_EQ(read.styles[0].TEXT_BOX.MFONT_GROUP.TEXT_FONT.NAME, u"宋体"_s);
        EXPECT_EQ(Exported(read), golden);
    }
}

TEST_F(ParaFileTest, MissingOrEmptyBlocksKeepThatPartOfTheSet)
{
    TParaSet set = DefaultSet();
    set.styles[0].NAME = u"kept"_s;
    set.covers[0].COVER_FONT.TEXT_FONT.SIZE = 1;
    ASSERT_TRUE(Import(kHead + u"<PARA_COVER></PARA_COVER>"_s, set, {false, false}));
    ASSERT_EQ(set.styles.Size(), 1);
    EXPECT_EQ(set.styles[0].NAME, u"kept"_s);
    ASSERT_EQ(set.covers.Size(), 2);
    EXPECT_EQ(set.covers[0].COVER_FONT.TEXT_FONT.SIZE, 1);
    EXPECT_EQ(set.covers[0].pageWidth, 106400);  // only the sizes follow the styles

    // A cover block replaces the covers: only those present remain.
    const QString back = u"<PARA_COVER><STYLE_BACK><ZHU_FONT>SIZE=9,</ZHU_FONT></STYLE_BACK></PARA_COVER>"_s;
    ASSERT_TRUE(Import(kHead + back, set));
    ASSERT_EQ(set.covers.Size(), 1);
    EXPECT_EQ(set.covers[0].NAME, kBackCoverName);
    EXPECT_EQ(set.covers[0].COVER_FONT.ZHU_FONT.SIZE, 9);
    EXPECT_EQ(set.covers[0].COVER_FONT.TEXT_FONT.SIZE, 6000);
}

TEST_F(ParaFileTest, RefusedFilesChangeNothing)
{
    const struct {
        const char* name;
        QString text;
    } cases[] = {
        {"no head", u"<VERSION>00032</VERSION><PARA_KB><STYLE><FRAME>NAME=x,</FRAME></STYLE></PARA_KB>"_s},
        {"empty head", u"<HEAD></HEAD><VERSION>32</VERSION><PARA_KB><STYLE><FRAME>NAME=x,</FRAME></STYLE></PARA_KB>"_s},
        {"version 24",
         u"<HEAD><VERSION>00024</VERSION></HEAD><PARA_KB><STYLE><FRAME>NAME=x,</FRAME></STYLE></PARA_KB>"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        TParaSet set = DefaultSet();
        EXPECT_FALSE(Import(c.text, set));
        EXPECT_EQ(set.styles[0].NAME, kDefaultStyleName);
        EXPECT_EQ(set.covers.Size(), 2);
    }
    TParaSet set;
    EXPECT_FALSE(ImportParaFile(Path(u"missing.pra"_s), set, {}));
    EXPECT_TRUE(set.styles.IsEmpty());
}

TEST_F(ParaFileTest, ABlockWithoutStylesLeavesTheDefaultStyle)
{
    TParaSet set = DefaultSet();
    FillStyle(set.styles[0]);
    PointCurrentListsAt(&set.styles[0]);
    ASSERT_TRUE(Import(kHead + u"<PARA_KB><PARA_HEAD>FRAMES=0</PARA_HEAD><STYLES></STYLES></PARA_KB>"_s, set));
    ASSERT_EQ(set.styles.Size(), 1);
    EXPECT_EQ(set.styles[0].NAME, kDefaultStyleName);
    EXPECT_TRUE(set.styles[0].TECH_ARRAY.IsEmpty());
    // The lists of the deleted style are no longer pointed at.
    EXPECT_EQ(g_CurTechList, nullptr);
    EXPECT_EQ(g_CurAttachFonts, nullptr);
    PointCurrentListsAt(RepointStyle(set.styles, u"正文"_s));
    EXPECT_EQ(g_CurTechList, &set.styles[0].TECH_ARRAY);
}

TEST_F(ParaFileTest, StylesAreReadFromEveryStyleBlock)
{
    TParaSet set;
    const QString text = kHead + u"<PARA_KB><STYLES>"
                                 u"<STYLE><FRAME>NAME=一,</FRAME></STYLE>"
                                 u"<STYLE></STYLE>"
                                 u"<STYLE><FRAME>NAME=二,GROUND_NAME=紙,</FRAME></STYLE>"
                                 u"<STYLE><FRAME>NAME=unclosed,</FRAME>"
                                 u"</STYLES></PARA_KB>"_s;
    ASSERT_TRUE(Import(text, set, {false, false}));
    ASSERT_EQ(set.styles.Size(), 2);
    EXPECT_EQ(set.styles[0].NAME, u"一"_s);
    EXPECT_EQ(set.styles[0].pageWidth, 53200);
    EXPECT_EQ(set.styles[1].NAME, u"二"_s);
    EXPECT_EQ(set.styles[1].GROUND.name, u"紙"_s);
    EXPECT_EQ(set.styles[1].GROUND.folderKind, kGroundFolder);
}

TEST_F(ParaFileTest, CentreLineWidthAndItsOlderKind)
{
    const struct {
        const char* items;
        int32_t midLine;
    } cases[] = {
        {"MID_LINE=500,", 500}, {"MID_LINE_TYPE=1,", 100},        {"MID_LINE_TYPE=2,", 500},
        {"MID_LINE_TYPE=3,", 77}, {"MID_LINE=40,MID_LINE_TYPE=2,", 500}, {"MID_LINE_TYPE=2,MID_LINE=40,", 40},
        {"MID_LINE=abc,", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.items);
        TStyle style;
        style.MID_LINE = 77;
        ParseFrameKeys(style, QString::fromUtf8(c.items));
        EXPECT_EQ(style.MID_LINE, c.midLine);
    }
}

TEST_F(ParaFileTest, FrameKeysAreLenient)
{
    TStyle style;
    ParseFrameKeys(style, u"FRAMES=3,=9,OUT_BORDER=12abc,SHOW_STAMP=true,BACK_COLOR=FF8000,IN_BORDER,SPACE=7"_s);
    EXPECT_EQ(style.OUT_BORDER, 12);
    EXPECT_FALSE(style.SHOW_STAMP);
    EXPECT_EQ(style.BACK_COLOR, Rgb(0xFF, 0x80, 0));
    EXPECT_EQ(style.IN_BORDER, 100);
    EXPECT_EQ(style.SPACE, 7);
}

TEST_F(ParaFileTest, AStyleBlockWithoutAListEmptiesIt)
{
    TStyle style;
    FillStyle(style);
    StyleFromText(u"<FRAME>NAME=x,</FRAME><TECH_ARRAY><TECH0>MARK=框</TECH></TECH_ARRAY>"_s, style, 32, {});
    EXPECT_TRUE(style.QUAN_DIAN_ARRAY.IsEmpty());
    EXPECT_TRUE(style.CE_PI_ARRAY.IsEmpty());
    EXPECT_TRUE(style.CIRCLE_ARRAY.IsEmpty());
    ASSERT_EQ(style.TECH_ARRAY.Size(), 1);
    EXPECT_EQ(style.TECH_ARRAY[0].LINES_WIDTH, 100);
    // Missing attached blocks and punctuation items keep what was there.
    EXPECT_EQ(style.ATTACH_FONT_GROUP.ATTACH_ZHU_FONT.Size(), 1);
    EXPECT_EQ(style.BIAO_DIAN.BIAODIAN_TYPE, TBiaoDianType::JUDOU);
}

TEST_F(ParaFileTest, LegacyFilesTurnCoverStylesIntoCovers)
{
    TParaSet set = DefaultSet();
    const QString text = u"<HEAD><VERSION>00026</VERSION></HEAD><PARA_COVER><STYLE_COVER>x</STYLE_COVER></PARA_COVER>"
                         u"<STYLE><FRAME>NAME=COVER,</FRAME><TEXT_BOX><MFONT_GROUP><TEXT_FONT>NAME=封面,</TEXT_FONT>"
                         u"</MFONT_GROUP></TEXT_BOX></STYLE>"
                         u"<STYLE><FRAME>NAME=正文,</FRAME></STYLE>"
                         u"<STYLE><FRAME>NAME=BACK,</FRAME><TEXT_BOX><MFONT_GROUP><ZHU_FONT>SIZE=5,</ZHU_FONT>"
                         u"</MFONT_GROUP></TEXT_BOX></STYLE>"_s;
    ASSERT_TRUE(Import(text, set));
    ASSERT_EQ(set.styles.Size(), 1);
    EXPECT_EQ(set.styles[0].NAME, u"正文"_s);
    ASSERT_EQ(set.covers.Size(), 2);
    EXPECT_EQ(set.covers[0].NAME, kCoverName);
    EXPECT_EQ(set.covers[0].COVER_FONT.TEXT_FONT.NAME, u"封面"_s);
    EXPECT_EQ(set.covers[0].COVER_FONT.ZHU_FONT.SIZE, 3082);  // the style's note font
    EXPECT_EQ(set.covers[1].NAME, kBackCoverName);
    EXPECT_EQ(set.covers[1].COVER_FONT.ZHU_FONT.SIZE, 5);
    EXPECT_EQ(set.covers[1].pageWidth, 106400);

    // Only legacy covers: the default style stands in for the body.
    TParaSet coversOnly;
    ASSERT_TRUE(Import(u"<HEAD><VERSION>25</VERSION></HEAD><STYLE><FRAME>NAME=COVER,</FRAME></STYLE>"_s, coversOnly));
    ASSERT_EQ(coversOnly.styles.Size(), 1);
    EXPECT_EQ(coversOnly.styles[0].NAME, kDefaultStyleName);
    EXPECT_EQ(coversOnly.covers.Size(), 1);
}

TEST_F(ParaFileTest, ExportFailuresAreReported)
{
    EXPECT_FALSE(ExportParaFile(Path(u"no/such/folder/x.pra"_s), DefaultSet()));

    const QString path = Path(u"full.pra"_s);
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old");
    }
    TParaSet large = DefaultSet();
    for (int i = 0; i < 3; ++i)
        large.styles.AddNew();  // more than the save file's own buffer holds
    {
        FileSizeLimit limit(4096);
        EXPECT_FALSE(ExportParaFile(path, large));
    }
    EXPECT_EQ(Load(path), QByteArray("old"));
}

}  // namespace
