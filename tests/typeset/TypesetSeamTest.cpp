// The engine reaches the operations an edition sets its own way through the
// installed edition's typesetting forms.
#include "TypesetRunTest.h"
#include "foundation/Edition.h"
#include "typeset/TypesetEdition.h"
#include "typeset/runs/Runs.h"

using namespace Qt::StringLiterals;

namespace {

// Punctuation kept in its horizontal forms, and no mark kept off a column start.
class PlainPunctuation : public TypesetEdition {
public:
    QString StripNonLayoutTags(QStringView text) const override { return text.toString(); }
    bool IsClosingMark(char16_t) const override { return false; }
};

class PlainPunctuationEdition : public WoodblockEdition {
public:
    const TypesetEdition* Typesetting() const override { return &rules_; }

private:
    PlainPunctuation rules_;
};

class TypesetSeam : public TypesetRunTest {
protected:
    void SetUp() override
    {
        TypesetRunTest::SetUp();
        style.BIAO_DIAN.BIAODIAN_TYPE = TBiaoDianType::PUTONG;
    }
};

}  // namespace

TEST_F(TypesetSeam, LineBreakingFollowsTheEditionsForms)
{
    const QString line = u"一二三四五六七八九十」甲"_s;
    EXPECT_EQ(ColumnsOf({line}),
              (std::vector<QString>{u"一二三四五六七八九十﹂<T=11,0,-1000>"_s, u"甲<-P>"_s}));
    static const PlainPunctuationEdition edition;
    InstallEdition(&edition);
    EXPECT_EQ(ColumnsOf({line}), (std::vector<QString>{u"一二三四五六七八九十"_s, u"」甲<-P>"_s}));
}
