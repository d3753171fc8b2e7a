// The punctuation classes of horizontal lines.
#include <string_view>

#include "editions/horizontal/HorizontalTypesetting.h"

namespace {

constexpr std::u16string_view kPausesAndBrackets = u"‘’“”、《》「」『』【】〔〕〖〗〘〙〚〛（），：；［］｛｝";
constexpr std::u16string_view kOpeningMarks = u"‘“〈《「『【〔〖〘〚（［｛";
constexpr std::u16string_view kClosingMarks = u"·’”\u3000、。〉》」』】〕〗〙〛！），：；？］｝";
constexpr std::u16string_view kSentenceEnds = u"。？！";

bool Holds(std::u16string_view set, char16_t c) { return set.find(c) != std::u16string_view::npos; }

}  // namespace

bool HorizontalTypesetting::IsOpeningMark(char16_t c) const { return Holds(kOpeningMarks, c); }
bool HorizontalTypesetting::IsClosingMark(char16_t c) const { return Holds(kClosingMarks, c); }
bool HorizontalTypesetting::IsQuoteBracketPause(char16_t c) const { return Holds(kPausesAndBrackets, c); }
bool HorizontalTypesetting::IsSentenceEnd(char16_t c) const { return Holds(kSentenceEnds, c); }
bool HorizontalTypesetting::IsRoomlessMark(char16_t) const { return false; }
