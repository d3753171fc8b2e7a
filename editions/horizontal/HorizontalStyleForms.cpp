// The horizontal style's binary and "<STYLE>" forms differ from the
// vertical ones only between the frame items and the lists: the text box,
// then the page bar, with no head box or side box.
#include "editions/horizontal/HorizontalEdition.h"

#include "editions/horizontal/PageBar.h"
#include "foundation/params/Box.h"
#include "foundation/params/TaggedBlock.h"

namespace {

// Every version that is read at all (from 28) stores the punctuation.
constexpr int32_t kPunctuationFrom = 28;

}  // namespace

int32_t HorizontalEdition::WriteStyleBoxes(const TStyle& style, TBinFile& file) const
{
    return WriteBoxPara(file, style.TEXT_BOX) + WritePageBar(file, style.PAGE_BAR);
}

bool HorizontalEdition::ReadStyleBoxes(TBinFile& file, TStyle& style, int32_t version) const
{
    return ReadTextBox(file, style, version) && ReadPageBar(file, style.PAGE_BAR, version);
}

void HorizontalEdition::StyleBoxesToText(TTextFile& file, const TStyle& style) const
{
    WriteTaggedBlock(file, u"TEXT_BOX", [&] { BoxParaToText(file, style.TEXT_BOX); });
    WriteTaggedBlock(file, u"PAGE_BAR", [&] { PageBarToText(file, style.PAGE_BAR); });
}

void HorizontalEdition::StyleBoxesFromText(QStringView text, TStyle& style, int32_t version) const
{
    BoxParaFromText(version, TaggedBlock(text, u"TEXT_BOX"), style.TEXT_BOX);
    PageBarFromText(TaggedBlock(text, u"PAGE_BAR"), style.PAGE_BAR, version);
}

int32_t HorizontalEdition::PunctuationFromVersion() const { return kPunctuationFrom; }
