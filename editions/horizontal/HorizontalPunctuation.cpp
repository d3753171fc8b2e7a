// The punctuation classes of horizontal lines.
#include <string_view>

#include "editions/horizontal/HorizontalTypesetting.h"
#include "foundation/text/UnitSets.h"

namespace {

constexpr std::u16string_view kPausesAndBrackets = u"‘’“”、《》「」『』【】〔〕〖〗〘〙〚〛（），：；［］｛｝";
constexpr std::u16string_view kOpeningMarks = u"‘“〈《「『【〔〖〘〚（［｛";
constexpr std::u16string_view kClosingMarks = u"·’”\u3000、。〉》」』】〕〗〙〛！），：；？］｝";
constexpr std::u16string_view kSentenceEnds = u"。？！";

enum MarkClass : size_t { kPausesOrBrackets, kOpening, kClosing, kSentenceEnd };
constexpr UnitSets<4> kClassSets({kPausesAndBrackets, kOpeningMarks, kClosingMarks, kSentenceEnds});

}  // namespace

bool HorizontalTypesetting::IsOpeningMark(char16_t c) const { return kClassSets.Holds(kOpening, c); }
bool HorizontalTypesetting::IsClosingMark(char16_t c) const { return kClassSets.Holds(kClosing, c); }
bool HorizontalTypesetting::IsQuoteBracketPause(char16_t c) const { return kClassSets.Holds(kPausesOrBrackets, c); }
bool HorizontalTypesetting::IsSentenceEnd(char16_t c) const { return kClassSets.Holds(kSentenceEnd, c); }
bool HorizontalTypesetting::IsRoomlessMark(char16_t) const { return false; }
