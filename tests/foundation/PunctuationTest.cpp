#include <gtest/gtest.h>

#include <array>

#include "foundation/params/Punctuation.h"
#include "support/ScratchFiles.h"

namespace {

using ClassTest = bool (*)(char16_t);

struct ClassSize {
    const char* name;
    ClassTest test;
    int expected;
};

// Counting over every code unit catches a duplicated or missing member.
TEST(PunctuationClasses, HaveTheirMemberCounts)
{
    const std::array<ClassSize, 7> classes{{
        {"IsPunctMark", IsPunctMark, 47},
        {"IsJuDouDropMark", IsJuDouDropMark, 40},
        {"IsDotOrBookTitleMark", IsDotOrBookTitleMark, 12},
        {"IsBookTitleMark", IsBookTitleMark, 8},
        {"IsQuoteBracketPause", IsQuoteBracketPause, 26},
        {"IsOpeningMark", IsOpeningMark, 22},
        {"IsClosingMark", IsClosingMark, 29},
    }};
    for (const ClassSize& c : classes) {
        int count = 0;
        for (uint32_t u = 0; u <= 0xFFFF; ++u)
            count += c.test(char16_t(u)) ? 1 : 0;
        EXPECT_EQ(count, c.expected) << c.name;
    }
}

TEST(PunctuationClasses, NestAsTheyShould)
{
    for (uint32_t u = 0; u <= 0xFFFF; ++u) {
        const char16_t c = char16_t(u);
        const bool inPunctSubclass = IsJuDouDropMark(c) || IsDotOrBookTitleMark(c) || IsQuoteBracketPause(c);
        EXPECT_TRUE(!inPunctSubclass || IsPunctMark(c)) << std::hex << u;
        EXPECT_TRUE(!IsBookTitleMark(c) || IsDotOrBookTitleMark(c)) << std::hex << u;
        EXPECT_FALSE(IsOpeningMark(c) && IsClosingMark(c)) << std::hex << u;
    }
}

struct Membership {
    const char* name;
    ClassTest test;
    char16_t unit;
    bool expected;
};

TEST(PunctuationClasses, BorderMembers)
{
    const Membership cases[] = {
        {"IsPunctMark", IsPunctMark, u'·', true},
        {"IsPunctMark", IsPunctMark, u'…', false},
        {"IsPunctMark", IsPunctMark, u'○', false},
        {"IsPunctMark", IsPunctMark, u'〔', false},
        {"IsJuDouDropMark", IsJuDouDropMark, u'·', true},
        {"IsJuDouDropMark", IsJuDouDropMark, u'：', false},
        {"IsDotOrBookTitleMark", IsDotOrBookTitleMark, u'－', true},
        {"IsDotOrBookTitleMark", IsDotOrBookTitleMark, u'（', false},
        {"IsBookTitleMark", IsBookTitleMark, u'〝', false},
        {"IsBookTitleMark", IsBookTitleMark, u'︿', true},
        {"IsQuoteBracketPause", IsQuoteBracketPause, u'，', true},
        {"IsQuoteBracketPause", IsQuoteBracketPause, u'。', false},
        {"IsOpeningMark", IsOpeningMark, u'〚', true},
        {"IsOpeningMark", IsOpeningMark, u'︸', false},
        {"IsClosingMark", IsClosingMark, u'〛', true},
        {"IsClosingMark", IsClosingMark, u'·', false},
    };
    for (const Membership& m : cases)
        EXPECT_EQ(m.test(m.unit), m.expected) << m.name << " " << std::hex << int(m.unit);
}

struct Conversion {
    const char16_t* in;
    const char16_t* out;
};

TEST(PunctuationConversions, VerticalForms)
{
    QString text = QString::fromUtf16(u"（）｛｝［］【】〖〗《》〈〉“”「」‘’『』…，甲");
    ToVerticalPunct(text);
    EXPECT_EQ(text, QString::fromUtf16(u"︵︶︷︸︹︺︻︼︗︘︽︾︿﹀﹁﹂﹁﹂﹃﹄﹃﹄︙，甲"));
}

// Dashes and the like the table lacks: drawn upright, never converted in the
// stored text.
TEST(PunctuationConversions, VerticalDrawingForms)
{
    const std::pair<char16_t, char16_t> cases[] = {
        {u'—', u'︱'}, {u'―', u'︱'}, {u'–', u'︲'}, {u'‥', u'︰'}, {u'〔', u'︹'}, {u'〕', u'︺'}, {u'＿', u'︳'},
        {u'甲', u'甲'}, {u'（', u'（'}, {u'︱', u'︱'},
    };
    for (const auto& [in, drawn] : cases)
        EXPECT_EQ(VerticalDrawingForm(in), drawn) << int(in);
    QString text = QString::fromUtf16(u"明——長");
    ToVerticalPunct(text);
    EXPECT_EQ(text, QString::fromUtf16(u"明——長"));
}

TEST(PunctuationConversions, VerticalFormsOutsideLayoutTags)
{
    const Conversion cases[] = {
        // a layout tag keeps its inside; a bracket pair that is no tag is converted
        {u"【TS（甲）】（乙）【-TS】", u"︻TS（甲）︼︵乙︶︻-TS︼"},
        {u"【注（一）】", u"︻注︵一︶︼"},
        // brackets inside a layout tag nest
        {u"【MP【X】（】（", u"︻MP︻X︼（︼︵"},
        // an opening bracket without a closing one
        {u"【TS（", u"︻TS︵"},
        // a surrogate pair outside tags passes whole
        {u"\U00020000（", u"\U00020000︵"},
    };
    for (const Conversion& c : cases) {
        QString out;
        ToVerticalPunctOutsideTags(out, QString::fromUtf16(c.in));
        EXPECT_EQ(out, QString::fromUtf16(c.out)) << QString::fromUtf16(c.in).toStdString();
    }
}

struct Reduction {
    const char16_t* in;
    const char16_t* judou;
    const char16_t* judian;
};

TEST(PunctuationConversions, JuDouAndJuDian)
{
    const Reduction cases[] = {
        {u"「山高：水長，日出？」", u"山高、水長、日出。", u"山高。水長。日出。"},
        {u"甲·乙；丙！丁、戊。", u"甲乙。丙。丁、戊。", u"甲乙。丙。丁。戊。"},
        {u"《書》（注）", u"書注", u"書注"},
        // a pair stays whole, a lone high surrogate at the end is kept
        {u"\U00020000，\xD840", u"\U00020000、\xD840", u"\U00020000。\xD840"},
    };
    for (const Reduction& c : cases) {
        QString judou;
        QString judian;
        ToJuDou(judou, QString::fromUtf16(c.in));
        ToJuDian(judian, QString::fromUtf16(c.in));
        EXPECT_EQ(judou, QString::fromUtf16(c.judou));
        EXPECT_EQ(judian, QString::fromUtf16(c.judian));
    }
}

TEST(PunctuationConversions, Stripping)
{
    QString out;
    StripBookTitleMarks(out, QString::fromUtf16(u"《甲·乙》－〈丙〉，\U00020000"));
    EXPECT_EQ(out, QString::fromUtf16(u"甲乙丙，\U00020000"));
    EXPECT_EQ(StripPunctuation(QString::fromUtf16(u"「甲，乙。」…\U00020000！")), QString::fromUtf16(u"甲乙…\U00020000"));
}

TEST(PunctuationConversions, BookTitleBracketTracking)
{
    struct Step {
        const char16_t* glyph;
        bool recognised;
        bool doubleTitle;
        bool singleTitle;
    };
    const Step steps[] = {
        {u"︽", true, true, false},  {u"︿", true, true, true},     {u"甲", false, true, true},
        {u"︾", true, false, true}, {u"︿︿", false, false, true}, {u"﹀", true, false, false},
    };
    bool doubleTitle = false;
    bool singleTitle = false;
    for (const Step& s : steps) {
        EXPECT_EQ(TrackBookTitleBracket(QString::fromUtf16(s.glyph), doubleTitle, singleTitle), s.recognised);
        EXPECT_EQ(doubleTitle, s.doubleTitle);
        EXPECT_EQ(singleTitle, s.singleTitle);
    }
}

struct Offset {
    const char16_t* glyph;
    int32_t width;
    int32_t size;
    int32_t putongX, putongY;
    int32_t zhinengX, zhinengY;
};

TEST(PunctuationConversions, GlyphOffsetsOfTheFullModes)
{
    constexpr int32_t kX = -7;  // the incoming offsets, for the rows that keep them
    constexpr int32_t kY = -9;
    const Offset cases[] = {
        {u"、", 2001, 3001, 1000, 1500, 1000, 1500},
        {u"。", 2001, 3001, 1000, 1500, 1000, 1500},
        {u"，", 2000, 3001, 1000, 1800, 1000, 1800},
        {u"？", 0, 3000, 1500, kY, 750, kY},
        {u"！", 1999, 3000, 999, kY, 499, kY},
        {u"﹄", 2000, 3001, kX, 0, kX, 600},
        {u"︗", 2000, 3001, kX, 0, kX, 900},
        {u"：", 2000, 3001, 1000, 900, 500, 600},
        {u"；", 0, 1000, 500, 300, 250, 200},
        {u"甲", 2000, 3000, kX, kY, kX, kY},
        {u"、、", 2000, 3000, kX, kY, kX, kY},
    };
    for (const Offset& c : cases) {
        const QString glyph = QString::fromUtf16(c.glyph);
        int32_t x = kX, y = kY;
        PunctGlyphOffsetPutong(glyph, c.width, c.size, x, y);
        EXPECT_EQ(x, c.putongX) << glyph.toStdString();
        EXPECT_EQ(y, c.putongY) << glyph.toStdString();
        x = kX, y = kY;
        PunctGlyphOffsetZhineng(glyph, c.width, c.size, x, y);
        EXPECT_EQ(x, c.zhinengX) << glyph.toStdString();
        EXPECT_EQ(y, c.zhinengY) << glyph.toStdString();
    }
}

// ---- binary form ----

const TBiaoDianPara kSample{TBiaoDianType::JUDIAN, false, 0x00332211, true};

TEST(BiaoDianBinary, WritesFourInt32AndReadsThemBack)
{
    ScratchFiles files;
    const QByteArray bytes = files.WrittenBytes([](TBinFile& f) { EXPECT_EQ(WriteBiaoDianBin(f, kSample), 16); });
    EXPECT_EQ(bytes, QByteArray::fromHex("02000000 00000000 11223300 01000000"));

    TBiaoDianPara read;
    files.ReadBytes(bytes, [&](TBinFile& f) { EXPECT_TRUE(ReadBiaoDianBin(read, 32, f)); });
    EXPECT_EQ(read, kSample);
    EXPECT_EQ(files.WrittenBytes([&](TBinFile& f) { WriteBiaoDianBin(f, read); }), bytes);
}

TEST(BiaoDianBinary, OlderVersionsHaveAShortFlagAndNoBoldFlag)
{
    // type 3, flag 16-bit 2 (true), colour 0xFF, then the next field of the file
    const QByteArray bytes = QByteArray::fromHex("03000000 0200 ff000000 2a000000");
    for (int32_t version : {29, 31}) {
        ScratchFiles files;
        TBiaoDianPara read{TBiaoDianType::NO, false, 0, true};
        int32_t next = 0;
        files.ReadBytes(bytes, [&](TBinFile& f) {
            EXPECT_TRUE(ReadBiaoDianBin(read, version, f));
            EXPECT_TRUE(f.ReadInt32(next));
        });
        EXPECT_EQ(read, (TBiaoDianPara{TBiaoDianType::PUTONG, true, 0xFF, true})) << version;
        EXPECT_EQ(next, 42) << version;
    }
}

TEST(BiaoDianBinary, ShortDataKeepsTheFieldsNotRead)
{
    ScratchFiles files;
    TBiaoDianPara read = kSample;
    files.ReadBytes(QByteArray::fromHex("04000000 0100"), [&](TBinFile& f) { EXPECT_FALSE(ReadBiaoDianBin(read, 32, f)); });
    EXPECT_EQ(read, (TBiaoDianPara{TBiaoDianType::ZHINENG, false, 0x00332211, true}));
}

// ---- text form ----

TEST(BiaoDianText, WritesThreeLines)
{
    struct Case {
        TBiaoDianPara para;
        QStringList lines;
    };
    const Case cases[] = {
        {{TBiaoDianType::ZHINENG, false, 0xFF, true},
         {"BIAODIAN_TYPE=ZHINENG,", "USE_TEXT_COLOR=FALSE,", "BIAO_DIAN_COLOR=255,"}},
        {{TBiaoDianType::NO, true, 0xFFFFFFFF, false}, {"BIAODIAN_TYPE=NO,", "USE_TEXT_COLOR=TRUE,", "BIAO_DIAN_COLOR=-1,"}},
        {{TBiaoDianType(5), true, 0, false}, {"", "USE_TEXT_COLOR=TRUE,", "BIAO_DIAN_COLOR=0,"}},
    };
    ScratchFiles files;
    for (const Case& c : cases)
        EXPECT_EQ(files.WrittenLines([&](TTextFile& f) { WriteBiaoDianText(f, c.para); }), c.lines);
}

TEST(BiaoDianText, ReadsLeniently)
{
    struct Case {
        const char* block;
        TBiaoDianPara expected;
    };
    // Every case starts from kSample: missing items keep its values.
    const Case cases[] = {
        {"BIAODIAN_TYPE=NO,USE_TEXT_COLOR=TRUE,BIAO_DIAN_COLOR=255,", {TBiaoDianType::NO, true, 255, true}},
        {"BIAODIAN_TYPE=JUDOU,", {TBiaoDianType::JUDOU, false, 0x00332211, true}},
        {"BIAODIAN_TYPE=PUTONG,", {TBiaoDianType::PUTONG, false, 0x00332211, true}},
        {"BIAODIAN_TYPE=ZHINENG,", {TBiaoDianType::ZHINENG, false, 0x00332211, true}},
        {"BIAODIAN_TYPE=anything,", {TBiaoDianType::ZHINENG, false, 0x00332211, true}},
        {"USE_TEXT_COLOR=true,", {TBiaoDianType::JUDIAN, true, 0x00332211, true}},
        {"USE_TEXT_COLOR=True,", {TBiaoDianType::JUDIAN, false, 0x00332211, true}},
        {"BIAO_DIAN_COLOR=-1,SPARE=1,", {TBiaoDianType::JUDIAN, false, 0xFFFFFFFF, true}},
        {"", kSample},
    };
    for (const Case& c : cases) {
        TBiaoDianPara para = kSample;
        ReadBiaoDianText(para, QString::fromUtf8(c.block));
        EXPECT_EQ(para, c.expected) << c.block;
    }
}

TEST(BiaoDianText, RoundTripsThroughTheWriter)
{
    ScratchFiles files;
    const TBiaoDianPara para{TBiaoDianType::JUDOU, false, 0x00ABCDEF, false};
    TBiaoDianPara read;
    ReadBiaoDianText(read, files.WrittenLines([&](TTextFile& f) { WriteBiaoDianText(f, para); }).join(QString()));
    EXPECT_EQ(read, para);
}

}  // namespace
