#include "render/glyphs/GlyphText.h"

#include <vector>

#include "foundation/params/PunctuationMarks.h"
#include "foundation/text/StringUtils.h"
#include "foundation/text/TagUtils.h"
#include "render/interpreter/DroppedMarks.h"
#include "typeset/markup/MarkupTags.h"

namespace {

namespace In = MarkupTagsInternal;

struct TitlePair {
    QChar open;
    QChar close;
};
constexpr TitlePair kTitlePairs[] = {{u'︽', u'︾'}, {u'︿', u'﹀'}};

const TitlePair* PairOpenedBy(QChar c)
{
    for (const TitlePair& pair : kTitlePairs)
        if (pair.open == c)
            return &pair;
    return nullptr;
}

const TitlePair* PairClosedBy(QChar c)
{
    for (const TitlePair& pair : kTitlePairs)
        if (pair.close == c)
            return &pair;
    return nullptr;
}

}  // namespace

QString BalanceBookTitleMarks(QStringView text)
{
    QString front;
    std::vector<const TitlePair*> open;
    bool seenOpening = false;
    // The marks are single units; surrogate pairs never match them.
    for (QChar c : text) {
        if (const TitlePair* pair = PairOpenedBy(c)) {
            open.push_back(pair);
            seenOpening = true;
        } else if (const TitlePair* closing = PairClosedBy(c)) {
            if (!seenOpening) {
                front.prepend(closing->open);
                continue;
            }
            for (auto it = open.rbegin(); it != open.rend(); ++it) {
                if (*it == closing) {
                    open.erase(std::next(it).base());
                    break;
                }
            }
        }
    }
    QString out = front + text.toString();
    for (auto it = open.rbegin(); it != open.rend(); ++it)
        out += (*it)->close;
    return out;
}

QString KeepGlyphTagsOnly(QStringView text)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'<' && !text.mid(i).startsWith(In::GlyphOpen)) {
            const qsizetype end = text.indexOf(u'>', i);
            if (end >= 0) {
                i = end;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

std::vector<QString> SplitGlyphs(QStringView text)
{
    // The first element of what is left each time, so that the text is
    // walked once however long the column.
    std::vector<QString> glyphs;
    for (QStringView rest = text; !rest.isEmpty();) {
        QString glyph = CharAtSkippingGlyphTags(0, rest);
        if (glyph.isEmpty())
            break;
        rest = rest.mid(glyph.size());
        glyphs.push_back(std::move(glyph));
    }
    return glyphs;
}

QString NextCharacter(const std::vector<QString>& glyphs, int32_t i)
{
    if (size_t(i) + 1 >= glyphs.size())
        return {};
    const QString& next = glyphs[size_t(i) + 1];
    const bool mark = next.size() == 1 && IsPunctMark(next[0].unicode());
    return mark || IsPictureGlyph(next) || IsDroppedMark(next) ? QString() : next;
}

bool IsPictureGlyph(QStringView glyph)
{
    return glyph.size() > In::GlyphOpen.size() && glyph.startsWith(In::GlyphOpen) && glyph.endsWith(u'>');
}

QString PictureGlyphName(QStringView glyph)
{
    return glyph.mid(In::GlyphOpen.size(), glyph.size() - In::GlyphOpen.size() - 1).toString();
}
