#include <gtest/gtest.h>

#include <functional>

#include "support/ScratchFiles.h"
#include "foundation/FoundationGlobals.h"
#include "foundation/params/SpecialFormats.h"

namespace {

TFontStyle MakeFont(const QString& face, int32_t size, const QString& mark = {})
{
    TFontStyle font;
    font.NAME = face;
    font.SIZE = size;
    font.WIDTH = size;
    font.WORD_HEIGHT = size + 1;
    font.WORD_WIDTH = size + 2;
    font.MARKSTRING = mark;
    return font;
}

TTechnique MakeTechnique(int32_t type, int32_t width, ColorRef color, const QString& mark)
{
    TTechnique t;
    t.TYPE = type;
    t.WIDTH_TYPE = 1;
    t.LINES_WIDTH = width;
    t.COLOR = color;
    t.MARK = mark;
    return t;
}

TCirclePara MakeCircle(int32_t type, bool useTextFont, const TFontStyle& font, const QString& mark)
{
    TCirclePara c;
    c.TYPE = type;
    c.USE_TEXT_FONT = useTextFont;
    c.font = font;
    c.LINES_WIDTH = 30;
    c.COLOR = 0x00102030;
    c.MARK = mark;
    return c;
}

TQdChar MakeMark(char16_t unit, int32_t x, int32_t y, int32_t size)
{
    TQdChar m;
    m.QD_CHAR = unit;
    m.X_MOVE = x;
    m.Y_MOVE = y;
    m.font = MakeFont(QStringLiteral("宋体"), size);
    return m;
}

TQuanDian MakeSet(const QString& name, std::initializer_list<TQdChar> marks)
{
    TQuanDian set;
    set.QD_MARK = name;
    for (const TQdChar& m : marks)
        *set.marks.AddNew() = m;
    return set;
}

template <class T>
OwningList<T> ListOf(std::initializer_list<T> records)
{
    OwningList<T> list;
    for (const T& r : records)
        *list.AddNew() = r;
    return list;
}

QStringList Lines(const QString& joined) { return joined.split(u'\n'); }

// ---- look-up-or-add on the current lists ----

class CurrentListsTest : public ::testing::Test {
protected:
};

TEST_F(CurrentListsTest, WithoutACurrentStyleNothingIsCreated)
{
    EXPECT_EQ(FindOrAddTechnique(QStringLiteral("a")), nullptr);
    EXPECT_EQ(GetCirclePara(QStringLiteral("a"), TFontStyle()), nullptr);
    EXPECT_EQ(GetQuanDian(QStringLiteral("a"), 500), nullptr);
    EXPECT_EQ(GetSideCommentFont(QStringLiteral("a"), QStringLiteral("宋体"), 500), nullptr);
}

TEST_F(CurrentListsTest, SpecialFormatsAndCirclesGrowByName)
{
    TTechniqueList techs;
    g_CurTechList = &techs;
    TTechnique* first = FindOrAddTechnique(QStringLiteral("0"));
    TTechnique* second = FindOrAddTechnique(QStringLiteral("紅"));
    ASSERT_TRUE(first && second);
    EXPECT_EQ(FindOrAddTechnique(QStringLiteral("0")), first);
    EXPECT_EQ(techs.Size(), 2);
    EXPECT_EQ(second->index, 1);
    EXPECT_EQ(second->MARK, QStringLiteral("紅"));
    EXPECT_EQ(second->TYPE, TechniqueType::TYPE_FANBAI);
    EXPECT_EQ(second->LINES_WIDTH, 100);
    EXPECT_EQ(second->COLOR, 0u);
    EXPECT_EQ(FindTechniqueIndex(techs, QStringLiteral("紅")), 1);
    EXPECT_EQ(FindTechniqueIndex(techs, QStringLiteral("紅 ")), -1);

    TCircleList circles;
    g_CurCircleList = &circles;
    const TFontStyle templ = MakeFont(QStringLiteral("楷体"), 900);
    TCirclePara* circle = GetCirclePara(QStringLiteral("1"), templ);
    ASSERT_TRUE(circle);
    EXPECT_EQ(GetCirclePara(QStringLiteral("1"), MakeFont(QStringLiteral("黑体"), 10)), circle);
    EXPECT_TRUE(FontStyleEquals(circle->font, templ));
    EXPECT_EQ(circle->index, 0);
    EXPECT_TRUE(circle->USE_TEXT_FONT);
    EXPECT_EQ(circle->TYPE, CircleType::TYPE_KUANG);
    EXPECT_EQ(FindCircleIndex(circles, QStringLiteral("1")), 0);
}

TEST_F(CurrentListsTest, NewEmphasisSetHasOneCircleMarkOfTheSize)
{
    TQuanDianList sets;
    g_CurQuanDianList = &sets;
    GetQuanDian(QStringLiteral("x"), 10);
    TQuanDian* set = GetQuanDian(QStringLiteral("圈"), 750);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->index, 1);
    ASSERT_EQ(set->marks.Size(), 1);
    const TQdChar& mark = set->marks[0];
    EXPECT_EQ(mark.QD_CHAR, 0x25CB);
    EXPECT_EQ(mark.X_MOVE, 0);
    EXPECT_EQ(mark.Y_MOVE, 0);
    EXPECT_EQ(mark.font.NAME, QStringLiteral("宋体"));
    for (int32_t length : {mark.font.SIZE, mark.font.WIDTH, mark.font.WORD_HEIGHT, mark.font.WORD_WIDTH})
        EXPECT_EQ(length, 750);
    EXPECT_EQ(mark.font.ALIGN, FontAlign::MID);

    // a second call finds the set and leaves it as it is
    EXPECT_EQ(GetQuanDian(QStringLiteral("圈"), 30), set);
    EXPECT_EQ(set->marks.Size(), 1);
    EXPECT_EQ(set->marks[0].font.SIZE, 750);
    EXPECT_EQ(FindQuanDianIndex(sets, QStringLiteral("圈")), 1);
}

TEST_F(CurrentListsTest, SideNoteFontsGrowByName)
{
    TFontStyleList fonts;
    g_CurCePiList = &fonts;
    *fonts.AddNew() = MakeFont(QStringLiteral("宋体"), 100, QStringLiteral("0"));
    TFontStyle* font = GetSideCommentFont(QStringLiteral("眉"), QStringLiteral("楷体"), 640);
    ASSERT_TRUE(font);
    EXPECT_EQ(font->index, 1);
    EXPECT_EQ(font->MARKSTRING, QStringLiteral("眉"));
    EXPECT_EQ(font->NAME, QStringLiteral("楷体"));
    EXPECT_EQ(font->WORD_WIDTH, 640);
    EXPECT_EQ(GetSideCommentFont(QStringLiteral("0"), QStringLiteral("楷体"), 640), &fonts[0]);
}

// ---- comparison ----

TEST(SpecialFormatComparison, NamesAreNotCompared)
{
    TTechniqueList a = ListOf({MakeTechnique(1, 100, 5, QStringLiteral("a"))});
    TTechniqueList b = ListOf({MakeTechnique(1, 100, 5, QStringLiteral("b"))});
    EXPECT_TRUE(EqualTechniqueLists(a, b));
    b[0].spare = 1;
    EXPECT_FALSE(EqualTechniqueLists(a, b));
    EXPECT_FALSE(EqualTechniqueLists(a, TTechniqueList()));

    const TFontStyle song = MakeFont(QStringLiteral("宋体"), 500);
    const TFontStyle kai = MakeFont(QStringLiteral("楷体"), 500);
    // the font counts only where the circle does not take the text's font
    EXPECT_TRUE(SameCircleArray(ListOf({MakeCircle(0, true, song, QStringLiteral("a"))}),
                                ListOf({MakeCircle(0, true, kai, QStringLiteral("b"))})));
    EXPECT_FALSE(SameCircleArray(ListOf({MakeCircle(0, false, song, QStringLiteral("a"))}),
                                 ListOf({MakeCircle(0, false, kai, QStringLiteral("a"))})));
    EXPECT_FALSE(SameCircleArray(ListOf({MakeCircle(0, true, song, QStringLiteral("a"))}),
                                 ListOf({MakeCircle(1, true, song, QStringLiteral("a"))})));

    const TQuanDianList sets = ListOf({MakeSet(QStringLiteral("a"), {MakeMark(u'○', 1, 2, 300)})});
    EXPECT_TRUE(SameQuanDianArray(sets, ListOf({MakeSet(QStringLiteral("b"), {MakeMark(u'○', 1, 2, 300)})})));
    EXPECT_FALSE(SameQuanDianArray(sets, ListOf({MakeSet(QStringLiteral("a"), {MakeMark(u'○', 1, 3, 300)})})));
    EXPECT_FALSE(SameQuanDianArray(
        sets, ListOf({MakeSet(QStringLiteral("a"), {MakeMark(u'○', 1, 2, 300), MakeMark(u'●', 0, 0, 300)})})));
}

// ---- records are values ----

TEST(SpecialFormatRecords, CopiesAreDeep)
{
    TQuanDianList original = ListOf({MakeSet(QStringLiteral("a"), {MakeMark(u'○', 1, 2, 300)})});
    TQuanDianList copy;
    AssignQuanDianList(copy, original);
    copy[0].marks[0].X_MOVE = 99;
    AddQdChar(copy[0]);
    EXPECT_EQ(original[0].marks.Size(), 1);
    EXPECT_EQ(original[0].marks[0].X_MOVE, 1);
    DeleteQdChar(copy[0], 0);
    EXPECT_EQ(copy[0].marks[0].QD_CHAR, 0);  // the added mark's default
}

// ---- zoom ----

TEST(SpecialFormatZoom, LengthsScaleTruncatedAndIndexesFollowPositions)
{
    TTechniqueList techs = ListOf({MakeTechnique(1, 100, 5, QStringLiteral("a")), MakeTechnique(0, 101, 6, {})});
    techs[1].index = 7;
    TTechniqueList scaledTechs;
    ScaleTechniqueList(techs, scaledTechs, 1.5);
    ASSERT_EQ(scaledTechs.Size(), 2);
    EXPECT_EQ(scaledTechs[1].LINES_WIDTH, 151);
    EXPECT_EQ(scaledTechs[1].index, 1);
    EXPECT_EQ(scaledTechs[0].MARK, QStringLiteral("a"));
    EXPECT_EQ(scaledTechs[1].COLOR, 6u);

    TCircleList circles = ListOf({MakeCircle(1, false, MakeFont(QStringLiteral("宋体"), 333), QStringLiteral("c"))});
    ScaleCircleArray(circles, circles, 0.5);  // into itself
    EXPECT_EQ(circles[0].LINES_WIDTH, 15);
    EXPECT_EQ(circles[0].font.SIZE, 166);
    EXPECT_EQ(circles[0].MARK, QStringLiteral("c"));
    EXPECT_EQ(circles[0].TYPE, 1);
    EXPECT_FALSE(circles[0].USE_TEXT_FONT);
    EXPECT_EQ(circles[0].index, 0);

    const TQuanDianList sets = ListOf({MakeSet(QStringLiteral("q"), {MakeMark(u'○', -3, 5, 101)})});
    TQuanDianList scaledSets;
    ScaleQuanDianArray(sets, scaledSets, 1.5);
    const TQdChar& mark = scaledSets[0].marks[0];
    EXPECT_EQ(mark.X_MOVE, -4);  // toward zero
    EXPECT_EQ(mark.Y_MOVE, 7);
    EXPECT_EQ(mark.font.SIZE, 151);
    EXPECT_EQ(mark.QD_CHAR, u'○');
    EXPECT_EQ(scaledSets[0].QD_MARK, QStringLiteral("q"));
    EXPECT_EQ(scaledSets[0].index, 0);
}

// ---- dialog edits ----

class FakeDialogs final : public SpecialFormatDialogs {
public:
    std::function<bool(TTechnique&)> technique;
    std::function<bool(TCirclePara&)> circle;
    std::function<bool(TQuanDian&)> quanDian;

    bool EditTechniqueValues(TTechnique& v) override { return technique(v); }
    bool EditCircleValues(TCirclePara& v) override { return circle(v); }
    bool EditQuanDianValues(TQuanDian& v) override { return quanDian(v); }
};

class SpecialFormatEditTest : public ::testing::Test {
protected:
    void SetUp() override { InstallSpecialFormatDialogs(&dialogs); }
    FakeDialogs dialogs;
};

TEST(SpecialFormatEdits, WithoutDialogsNothingChanges)
{
    TTechnique t;
    TCirclePara c;
    TQuanDian q;
    EXPECT_FALSE(EditTechnique(t));
    EXPECT_FALSE(EditCirclePara(c));
    EXPECT_FALSE(EditQuanDian(q));
}

TEST_F(SpecialFormatEditTest, TechniqueReportsConfirmation)
{
    TTechnique t = MakeTechnique(0, 100, 0, QStringLiteral("a"));
    dialogs.technique = [](TTechnique& v) {
        v.TYPE = 1;
        v.WIDTH_TYPE = 0;
        v.LINES_WIDTH = 40;
        v.COLOR = 9;
        v.MARK = QStringLiteral("changed");
        return true;
    };
    EXPECT_TRUE(EditTechnique(t));
    EXPECT_EQ(t.TYPE, 1);
    EXPECT_EQ(t.WIDTH_TYPE, 0);
    EXPECT_EQ(t.LINES_WIDTH, 40);
    EXPECT_EQ(t.COLOR, 9u);
    EXPECT_EQ(t.MARK, QStringLiteral("a"));

    dialogs.technique = [](TTechnique&) { return true; };
    EXPECT_TRUE(EditTechnique(t));  // confirmed without a change
    dialogs.technique = [](TTechnique& v) {
        v.LINES_WIDTH = 1;
        return false;
    };
    EXPECT_FALSE(EditTechnique(t));
    EXPECT_EQ(t.LINES_WIDTH, 40);
}

TEST_F(SpecialFormatEditTest, CircleReportsAChange)
{
    TCirclePara c = MakeCircle(0, true, MakeFont(QStringLiteral("宋体"), 500), QStringLiteral("a"));
    dialogs.circle = [](TCirclePara&) { return true; };
    EXPECT_FALSE(EditCirclePara(c));

    dialogs.circle = [](TCirclePara& v) {
        v.font.SIZE = 600;
        return false;
    };
    EXPECT_FALSE(EditCirclePara(c));
    EXPECT_EQ(c.font.SIZE, 500);

    dialogs.circle = [](TCirclePara& v) {
        v.font.SIZE = 600;
        return true;
    };
    EXPECT_TRUE(EditCirclePara(c));
    EXPECT_EQ(c.font.SIZE, 600);
}

TEST_F(SpecialFormatEditTest, QuanDianTakesTheDialogsMarks)
{
    TQuanDian q = MakeSet(QStringLiteral("a"), {MakeMark(u'○', 0, 0, 300)});
    dialogs.quanDian = [](TQuanDian& v) {
        *v.marks.AddNew() = MakeMark(u'●', 4, 5, 200);
        v.QD_MARK = QStringLiteral("b");
        return true;
    };
    EXPECT_TRUE(EditQuanDian(q));
    ASSERT_EQ(q.marks.Size(), 2);
    EXPECT_EQ(q.marks[1].QD_CHAR, u'●');
    EXPECT_EQ(q.QD_MARK, QStringLiteral("b"));

    dialogs.quanDian = [](TQuanDian& v) {
        v.marks.Clear();
        return false;
    };
    EXPECT_FALSE(EditQuanDian(q));
    EXPECT_EQ(q.marks.Size(), 2);
}

// ---- binary forms ----

constexpr int32_t kVersion = 32;

TEST(SpecialFormatBinary, TechniqueListBytes)
{
    ScratchFiles files;
    TTechniqueList list = ListOf({MakeTechnique(1, 250, 0x00332211, QStringLiteral("A"))});
    list[0].spare = 7;
    const QByteArray bytes = files.WrittenBytes([&](TBinFile& f) { EXPECT_EQ(WriteTechniqueList(list, f), 28); });
    EXPECT_EQ(bytes, QByteArray::fromHex("01000000 01000000 01000000 fa000000 11223300 07000000 4100 0000"));

    TTechniqueList read = ListOf({MakeTechnique(0, 1, 1, QStringLiteral("old"))});
    files.ReadBytes(bytes, [&](TBinFile& f) { EXPECT_TRUE(ReadTechniqueList(f, 28, read)); });
    ASSERT_EQ(read.Size(), 1);
    EXPECT_EQ(read[0].index, 0);
    EXPECT_EQ(read[0].spare, 7);
    EXPECT_EQ(files.WrittenBytes([&](TBinFile& f) { WriteTechniqueList(read, f); }), bytes);
}

TEST(SpecialFormatBinary, OlderFormsCarryNoEntries)
{
    // Before version 28 the lists are a bare count.
    ScratchFiles files;
    TTechniqueList techs = ListOf({MakeTechnique(0, 1, 1, {})});
    TCircleList circles = ListOf({TCirclePara()});
    int32_t next = 0;
    files.ReadBytes(QByteArray::fromHex("03000000 02000000 2a000000"), [&](TBinFile& f) {
        EXPECT_TRUE(ReadTechniqueList(f, 27, techs));
        EXPECT_TRUE(ReadCircleArrayBin(f, 27, circles));
        EXPECT_TRUE(f.ReadInt32(next));
    });
    EXPECT_TRUE(techs.IsEmpty());
    EXPECT_TRUE(circles.IsEmpty());
    EXPECT_EQ(next, 42);
}

TEST(SpecialFormatBinary, EmphasisMarkIsAShortUnit)
{
    ScratchFiles files;
    const TQuanDianList sets = ListOf({MakeSet(QStringLiteral("q"), {MakeMark(u'○', -1, 2, 300)})});
    const QByteArray bytes = files.WrittenBytes([&](TBinFile& f) { WriteQuanDianArrayBin(sets, f); });
    // set count, mark count, the mark as two bytes, X_MOVE, Y_MOVE, then the font's face
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("01000000 01000000 cb25 ffffffff 02000000 8b5b534f 0000")));
    EXPECT_TRUE(bytes.endsWith(QByteArray::fromHex("7100 0000")));

    TQuanDianList read;
    files.ReadBytes(bytes, [&](TBinFile& f) { EXPECT_TRUE(ReadQuanDianArrayBin(f, kVersion, read)); });
    ASSERT_EQ(read.Size(), 1);
    EXPECT_EQ(read[0].marks[0].QD_CHAR, 0x25CB);
    EXPECT_EQ(read[0].QD_MARK, QStringLiteral("q"));
    EXPECT_EQ(files.WrittenBytes([&](TBinFile& f) { WriteQuanDianArrayBin(read, f); }), bytes);
}

TEST(SpecialFormatBinary, CircleArrayRoundTrip)
{
    ScratchFiles files;
    const TCircleList circles = ListOf({MakeCircle(1, false, MakeFont(QStringLiteral("楷体"), 700), QStringLiteral("c")),
                                        MakeCircle(0, true, MakeFont(QStringLiteral("宋体"), 300), {})});
    const QByteArray bytes = files.WrittenBytes([&](TBinFile& f) { WriteCircleArrayBin(circles, f); });
    // count, then TYPE, line width, COLOR, MARK, USE_TEXT_FONT of the first
    EXPECT_TRUE(bytes.startsWith(QByteArray::fromHex("02000000 01000000 1e000000 30201000 6300 0000 00000000")));
    TCircleList read;
    files.ReadBytes(bytes, [&](TBinFile& f) { EXPECT_TRUE(ReadCircleArrayBin(f, kVersion, read)); });
    ASSERT_EQ(read.Size(), 2);
    EXPECT_EQ(read[1].index, 1);
    EXPECT_TRUE(SameCircleArray(read, circles));
    EXPECT_EQ(files.WrittenBytes([&](TBinFile& f) { WriteCircleArrayBin(read, f); }), bytes);
}

TEST(SpecialFormatBinary, SideNoteFontsWithoutANameAreDropped)
{
    ScratchFiles files;
    const TFontStyleList fonts = ListOf({MakeFont(QStringLiteral("宋体"), 100, QStringLiteral("a")),
                                         MakeFont(QStringLiteral("宋体"), 200), MakeFont(QStringLiteral("宋体"), 300, QStringLiteral("c"))});
    const QByteArray bytes = files.WrittenBytes([&](TBinFile& f) { WriteFontStyleList(fonts, f); });
    TFontStyleList read;
    files.ReadBytes(bytes, [&](TBinFile& f) { EXPECT_TRUE(ReadCePiArrayBin(f, kVersion, read)); });
    ASSERT_EQ(read.Size(), 2);
    EXPECT_EQ(read[0].index, 0);
    EXPECT_EQ(read[1].index, 2);
    EXPECT_EQ(read[1].SIZE, 300);
}

TEST(SpecialFormatBinary, DamagedCountsGiveWhatTheDataHolds)
{
    // A count of 0x7fffffff followed by one whole entry and a cut second one.
    ScratchFiles files;
    const QByteArray entry = QByteArray::fromHex("01000000 00000000 64000000 00000000 00000000 4100 0000");
    const QByteArray bytes = QByteArray::fromHex("ffffff7f") + entry + entry.left(6);
    TTechniqueList techs;
    files.ReadBytes(bytes, [&](TBinFile& f) { EXPECT_FALSE(ReadTechniqueList(f, kVersion, techs)); });
    ASSERT_EQ(techs.Size(), 1);
    EXPECT_EQ(techs[0].MARK, QStringLiteral("A"));

    // The same for the marks of an emphasis set and for each other list.
    const std::function<void(TBinFile&)> readers[] = {
        [](TBinFile& f) {
            TQuanDianList l;
            EXPECT_FALSE(ReadQuanDianArrayBin(f, kVersion, l));
            EXPECT_TRUE(l.IsEmpty());
        },
        [](TBinFile& f) {
            TCircleList l;
            EXPECT_FALSE(ReadCircleArrayBin(f, kVersion, l));
            EXPECT_TRUE(l.IsEmpty());
        },
        [](TBinFile& f) {
            TFontStyleList l;
            EXPECT_FALSE(ReadCePiArrayBin(f, kVersion, l));
            EXPECT_TRUE(l.IsEmpty());
        },
    };
    for (const auto& read : readers)
        files.ReadBytes(QByteArray::fromHex("ffffff7f ffffff7f 0000"), read);
}

// ---- text forms ----

TEST(SpecialFormatText, TechniqueLines)
{
    ScratchFiles files;
    const auto lines = [&](const TTechnique& t) {
        return files.WrittenLines([&](TTextFile& f) { TechniqueToText(f, t); });
    };
    EXPECT_EQ(lines(MakeTechnique(1, 250, 0x00332211, QStringLiteral("甲"))),
              Lines(QStringLiteral("TYPE=TYPE_KUANG,\nWIDTH_TYPE=WIDTH_TYPE_BY_WIDTH,\nLINES_WIDTH=250,\n"
                                   "COLOR=112233,\nMARK=甲")));
    TTechnique other = MakeTechnique(5, 1, 0, {});
    other.WIDTH_TYPE = 2;
    EXPECT_EQ(lines(other), Lines(QStringLiteral("TYPE=TYPE_FANBAI,\nWIDTH_TYPE=WIDTH_TYPE_BY_SIZE,\nLINES_WIDTH=1,\n"
                                                 "COLOR=000000,\nMARK=")));
}

TEST(SpecialFormatText, CircleAndMarkLines)
{
    ScratchFiles files;
    const TFontStyle font = MakeFont(QStringLiteral("宋体"), 300);
    const QStringList fontLines = files.WrittenLines([&](TTextFile& f) { FontStyleToText(f, font); });

    const QStringList circle =
        files.WrittenLines([&](TTextFile& f) { WriteCircleParaText(f, MakeCircle(1, false, font, QStringLiteral("c"))); });
    EXPECT_EQ(circle, Lines(QStringLiteral("<CIRCLE_PARA>\nTYPE=TYPE_FANBAI,\nLINES_WIDTH=30,\nCOLOR=302010,\n"
                                           "USE_TEXT_FONT=FALSE,\nMARK=c,\n</CIRCLE_PARA>\n<CIRCLE_FONT>")) +
                          fontLines + QStringList{QStringLiteral("</CIRCLE_FONT>")});
    const QStringList kuang =
        files.WrittenLines([&](TTextFile& f) { WriteCircleParaText(f, MakeCircle(0, true, font, {})); });
    EXPECT_EQ(kuang.at(1), QStringLiteral("TYPE=TYPE_KUANG,"));

    const QStringList mark = files.WrittenLines([&](TTextFile& f) { WriteQdCharText(f, MakeMark(u'○', -5, 7, 300)); });
    EXPECT_EQ(mark, Lines(QStringLiteral("<QD_CHAR_PARA>\nQD_CHAR=○,\nX_MOVE=-5,\nY_MOVE=7,\n</QD_CHAR_PARA>\n"
                                         "<CHAR_FONT_PARA>")) +
                        fontLines + QStringList{QStringLiteral("</CHAR_FONT_PARA>")});
    // no mark at all is an empty value, not a zero unit inside the line
    const QStringList noMark = files.WrittenLines([&](TTextFile& f) { WriteQdCharText(f, TQdChar()); });
    EXPECT_EQ(noMark.at(1), QStringLiteral("QD_CHAR=,"));

    const QStringList set = files.WrittenLines(
        [&](TTextFile& f) { WriteQuanDianText(f, MakeSet(QStringLiteral("q"), {MakeMark(u'○', -5, 7, 300)})); });
    EXPECT_EQ(set, QStringList{QStringLiteral("<QD_CHAR0>")} + mark +
                       Lines(QStringLiteral("</QD_CHAR>\n<QD_PARA>\nQD_MARK=q,\n</QD_PARA>")));
}

TEST(SpecialFormatText, ReadsLeniently)
{
    TTechnique t = MakeTechnique(1, 5, 0x00010203, QStringLiteral("keep"));
    TechniqueFromText(t, QStringLiteral("TYPE=OTHER,WIDTH_TYPE=WIDTH_TYPE_BY_SIZE,LINE_WIDTH=250,UNKNOWN=1,MARK=x"));
    EXPECT_EQ(t.TYPE, 1);
    EXPECT_EQ(t.WIDTH_TYPE, 0);
    EXPECT_EQ(t.LINES_WIDTH, 250);
    EXPECT_EQ(t.COLOR, 0x00010203u);
    EXPECT_EQ(t.MARK, QStringLiteral("x"));
    TechniqueFromText(t, QStringLiteral("TYPE=TYPE_FANBAI,LINES_WIDTH=70,COLOR=ff0000,"));
    EXPECT_EQ(t.TYPE, 0);
    EXPECT_EQ(t.LINES_WIDTH, 70);
    EXPECT_EQ(t.COLOR, 0x000000FFu);

    TCirclePara c = MakeCircle(0, true, MakeFont(QStringLiteral("宋体"), 100), QStringLiteral("keep"));
    ReadCircleParaText(c, QStringLiteral("<CIRCLE_PARA>TYPE=TYPE_FANBAI,LINE_WIDTH=12,USE_TEXT_FONT=true,"
                                         "</CIRCLE_PARA><CIRCLE_FONT>SIZE=500,</CIRCLE_FONT>"));
    EXPECT_EQ(c.TYPE, 1);
    EXPECT_EQ(c.LINES_WIDTH, 12);
    EXPECT_FALSE(c.USE_TEXT_FONT);  // true only for TRUE
    EXPECT_EQ(c.MARK, QStringLiteral("keep"));
    EXPECT_EQ(c.font.SIZE, 500);
    EXPECT_EQ(c.font.NAME, QStringLiteral("宋体"));

    TQdChar m = MakeMark(u'○', 1, 2, 300);
    ReadQdCharText(m, QStringLiteral("<QD_CHAR_PARA>QD_CHAR=●◎,X_MOVE=3,</QD_CHAR_PARA>"));
    EXPECT_EQ(m.QD_CHAR, u'●');
    EXPECT_EQ(m.X_MOVE, 3);
    EXPECT_EQ(m.Y_MOVE, 2);
    ReadQdCharText(m, QStringLiteral("<QD_CHAR_PARA>QD_CHAR=,</QD_CHAR_PARA>"));
    EXPECT_EQ(m.QD_CHAR, 0);
}

// Writes a list as text, reads it back and compares by the binary form.
template <class List, class WriteText, class ReadText, class WriteBin>
void ExpectTextRoundTrip(const List& list, WriteText writeText, ReadText readText, WriteBin writeBin)
{
    ScratchFiles files;
    const QString text = files.WrittenLines([&](TTextFile& f) { writeText(f, list); }).join(QString());
    List read;
    readText(read, text);
    ASSERT_EQ(read.Size(), list.Size());
    for (int32_t i = 0; i < read.Size(); ++i)
        EXPECT_EQ(read[i].index, i);
    EXPECT_EQ(files.WrittenBytes([&](TBinFile& f) { writeBin(read, f); }),
              files.WrittenBytes([&](TBinFile& f) { writeBin(list, f); }));
}

TEST(SpecialFormatText, ListsRoundTrip)
{
    const TFontStyle song = MakeFont(QStringLiteral("宋体"), 300, QStringLiteral("s"));
    ExpectTextRoundTrip(
        ListOf({MakeTechnique(1, 250, 0x00332211, QStringLiteral("甲")), MakeTechnique(0, 90, 0x00FFFFFF, {})}),
        TechniqueListToText, [](TTechniqueList& l, const QString& t) { TechniqueListFromText(l, t, kVersion); },
        WriteTechniqueList);
    ExpectTextRoundTrip(ListOf({MakeCircle(1, false, song, QStringLiteral("c")), MakeCircle(0, true, song, {})}),
                        WriteCircleArrayText,
                        [](TCircleList& l, const QString& t) { ReadCircleArrayText(l, t, kVersion); },
                        WriteCircleArrayBin);
    ExpectTextRoundTrip(ListOf({MakeSet(QStringLiteral("q"), {MakeMark(u'○', -5, 7, 300), MakeMark(u'、', 0, 1, 200)}),
                                MakeSet(QStringLiteral("r"), {MakeMark(u'●', 1, 1, 100)})}),
                        WriteQuanDianArrayText, [](TQuanDianList& l, const QString& t) { ReadQuanDianArrayText(l, t); },
                        WriteQuanDianArrayBin);
    ExpectTextRoundTrip(ListOf({song, MakeFont(QStringLiteral("楷体"), 200)}), WriteCePiArrayText,
                        [](TFontStyleList& l, const QString& t) { ReadCePiArrayText(l, t); }, WriteFontStyleList);
}

TEST(SpecialFormatText, ListsAreNotReadUpToVersion24)
{
    const QString text = QStringLiteral("<TECH0>MARK=a</TECH><TCIRCLE0>x</TCIRCLE>");
    TTechniqueList techs = ListOf({MakeTechnique(0, 1, 1, QStringLiteral("kept"))});
    TCircleList circles = ListOf({TCirclePara()});
    TechniqueListFromText(techs, text, 24);
    ReadCircleArrayText(circles, text, 24);
    EXPECT_EQ(techs[0].MARK, QStringLiteral("kept"));
    EXPECT_EQ(circles.Size(), 1);
    TechniqueListFromText(techs, text, 25);
    ReadCircleArrayText(circles, text, 25);
    EXPECT_EQ(techs[0].MARK, QStringLiteral("a"));
    EXPECT_EQ(circles.Size(), 1);
    EXPECT_EQ(circles[0].index, 0);
}

}  // namespace
