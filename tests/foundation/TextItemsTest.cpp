#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "foundation/io/TextFile.h"
#include "foundation/text/TagUtils.h"
#include "foundation/text/TextItems.h"

using namespace TTextItems;

TEST(TextItems, ForEachItemSplitsAtEveryCommaAndTheFirstEquals)
{
    std::vector<std::pair<QString, QString>> items;
    ForEachItem(u"A=1,B=x=y,=z,C,,D=,", [&](QStringView key, QStringView value) {
        items.emplace_back(key.toString(), value.toString());
    });
    const std::vector<std::pair<QString, QString>> expected{{"A", "1"}, {"B", "x=y"}, {"D", ""}};
    EXPECT_EQ(items, expected);
}

TEST(TextItems, ParsesAndFormatsValues)
{
    struct IntCase { const char16_t* text; int32_t value; };
    const IntCase ints[] = {{u"12", 12}, {u"-3", -3}, {u"12abc", 12}, {u"abc", 0}, {u"", 0}};
    for (const IntCase& c : ints)
        EXPECT_EQ(ParseInt(QStringView(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();

    struct BoolCase { const char16_t* text; bool value; };
    const BoolCase bools[] = {{u"TRUE", true}, {u"true", false}, {u"1", false}, {u"FALSE", false}, {u"", false}};
    for (const BoolCase& c : bools)
        EXPECT_EQ(ParseBool(QStringView(c.text)), c.value) << QString::fromUtf16(c.text).toStdString();

    struct ColorCase { const char16_t* text; ColorRef color; };
    const ColorCase colors[] = {
        {u"ff0080", 0x008000FF}, {u"FF0080", 0x008000FF}, {u"0a0B0c", 0x000C0B0A}, {u"000000", 0},
        // Fewer than six digits: what parses is read, the rest is 0.
        {u"ff", 0x000000FF}, {u"ff01", 0x000001FF}, {u"fff", 0x00000FFF}, {u"", 0},
        {u"12zz34", 0x00000012}, {u"zz0000", 0},
    };
    for (const ColorCase& c : colors)
        EXPECT_EQ(ParseRgbHex6(QStringView(c.text)), c.color) << QString::fromUtf16(c.text).toStdString();

    EXPECT_EQ(FormatRgbHex6(Rgb(0xAB, 0x01, 0x2C)), "ab012c");
    EXPECT_EQ(FormatRgbHex6(0), "000000");
}

TEST(TextItems, ListBlocksStopAtTheFirstEmptyBlock)
{
    struct Case { const char16_t* text; std::vector<QString> blocks; };
    const Case cases[] = {
        {u"<FONT0>a=1</FONT><FONT1>b=2</FONT><FONT3>c=3</FONT>", {"a=1", "b=2"}},
        {u"<FONT0></FONT><FONT1>b=2</FONT>", {}},
        {u"<FONT1>b=2</FONT>", {}},
        {u"<FONT0>a=1</FONT><FONT10>x</FONT><FONT1>b=2</FONT>", {"a=1", "b=2"}},
        // Each index's first opening, wherever it stands, up to the next close.
        {u"<FONT1>b</FONT><FONT0>a</FONT>", {"a", "b"}},
        {u"<FONT0>a</FONT><FONT0>z</FONT><FONT1>b</FONT>", {"a", "b"}},
        {u"<FONT01>x</FONT><FONT<FONT0>a</FONT>", {"a"}},
        {u"<FONT0>a<FONT1>b</FONT>", {"a<FONT1>b", "b"}},
        {u"<FONT0>a</FONT><FONT1>b", {"a"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListBlocks(QStringView(c.text), "<FONT%1>", "</FONT>"), c.blocks)
            << QString::fromUtf16(c.text).toStdString();
}

TEST(TextItems, ReaderSetsPresentFieldsAndKeepsMissingOnes)
{
    const Reader reader(u"W=7,W=8,ON=TRUE,C=102030,N=名,E=,w=9");
    int32_t w = 1;
    int32_t missing = 5;
    bool on = false;
    ColorRef color = 0;
    QString name;
    QString empty = "kept";
    EXPECT_TRUE(reader.Int(u"W", w));
    EXPECT_EQ(w, 8);  // the later item wins
    EXPECT_FALSE(reader.Int(u"H", missing));
    EXPECT_EQ(missing, 5);
    EXPECT_TRUE(reader.Bool(u"ON", on));
    EXPECT_TRUE(on);
    EXPECT_TRUE(reader.Color(u"C", color));
    EXPECT_EQ(color, Rgb(0x10, 0x20, 0x30));
    EXPECT_TRUE(reader.String(u"N", name));
    EXPECT_EQ(name, QString::fromUtf16(u"名"));
    EXPECT_TRUE(reader.String(u"E", empty));
    EXPECT_EQ(empty, "");
    EXPECT_TRUE(reader.Has(u"w"));
    EXPECT_FALSE(reader.Has(u"ON "));
    ASSERT_NE(reader.Value(u"C"), nullptr);
    EXPECT_EQ(*reader.Value(u"C"), "102030");
    EXPECT_EQ(reader.Value(u"X"), nullptr);
}

TEST(TextItems, WritersWriteOneKeyValueLineEachAndReadBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("p.txt");
    {
        TTextFile file;
        ASSERT_TRUE(file.OpenWrite(path));
        WriteTag(file, "<FRAME>");
        WriteInt(file, "W", -12);
        WriteBool(file, "ON", true);
        WriteBool(file, "OFF", false);
        WriteColor(file, "C", Rgb(0xFF, 0x00, 0x80));
        WriteString(file, "N", QString::fromUtf16(u"宋体"));
        WriteTag(file, "</FRAME>");
        ASSERT_TRUE(file.Close());
    }
    const QString lines = QString::fromUtf16(u"<FRAME>\r\nW=-12,\r\nON=TRUE,\r\nOFF=FALSE,\r\nC=ff0080,\r\nN=宋体,\r\n</FRAME>");
    QFile written(path);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll(), QByteArray("\xFF\xFE", 2) + QByteArray(reinterpret_cast<const char*>(lines.utf16()), 2 * lines.size()));

    // Read back as the readers do: the lines joined, then the block.
    TTextFile file;
    ASSERT_TRUE(file.OpenRead(path));
    QString joined;
    for (QString line; file.ReadLine(line);)
        joined += line;
    const Reader reader(ExtractBetweenMarkers(u"<FRAME>", joined, u"</FRAME>"));
    int32_t w = 0;
    bool on = false;
    bool off = true;
    ColorRef color = 0;
    QString name;
    EXPECT_TRUE(reader.Int(u"W", w) && reader.Bool(u"ON", on) && reader.Bool(u"OFF", off)
                && reader.Color(u"C", color) && reader.String(u"N", name));
    EXPECT_EQ(w, -12);
    EXPECT_TRUE(on);
    EXPECT_FALSE(off);
    EXPECT_EQ(color, Rgb(0xFF, 0x00, 0x80));
    EXPECT_EQ(name, QString::fromUtf16(u"宋体"));
}
