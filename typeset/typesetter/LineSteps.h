#pragma once
// Inside the line interpreter: a source line with its leading bracket tag,
// what is left to do once the tag took effect, and the steps the tag rules
// share.
#include <vector>

#include <QString>
#include <QStringView>

#include "typeset/layout/LayoutContext.h"

class TTypesetter;

struct TLineTag {
    QString line;     // normalised
    QString tag;      // the leading tag's text; empty when there is none
    qsizetype pos = 0;  // just after the tag

    QString Rest() const { return line.mid(pos); }
    // The tag after its first n units (its argument).
    QString Argument(qsizetype n) const { return tag.mid(n); }
};

struct TLineStep {
    enum Kind { Done, Again, LayOut };
    Kind kind = Done;
    QString text;        // the line to interpret again, or the text to lay out
    QString volumeName;  // 【JM…】

    static TLineStep Finished() { return {}; }
    static TLineStep Reprocess(QString rest) { return {Again, std::move(rest), {}}; }
    // Interprets the rest again when there is any.
    static TLineStep ReprocessRest(QString rest) { return rest.isEmpty() ? Finished() : Reprocess(std::move(rest)); }
    static TLineStep Text(QString text) { return {LayOut, std::move(text), {}}; }
};

// The first page of a run's text box, and the run's end: held columns
// flushed, the table padded to an even count with the covers.
void StartBody(TLayoutContext& text);
void FinishBody(TLayoutContext& context);

// Before a source line's tag is read: an empty line ends the paragraph
// (false, nothing more to do); otherwise a full page is left for a fresh
// column and the line-head mode cleared.
bool BeginSourceLine(TLayoutContext& context, const QString& line);
// The text of a line before it is laid out: inline titles converted, and a
// justified line's "【HH】" at its end cut off, setting the exempt flag.
void PrepareLineText(TLayoutContext& context, QString& text);

// 【TP…】: a whole-page picture on a cover, else a picture placed in the
// columns (now, or when room comes).
TLineStep PictureTag(TTypesetter& typesetter, TLineTag& tag);
// 【WZ…】: a text line of a cover page.
TLineStep CoverTextTag(TTypesetter& typesetter, TLineTag& tag);

// The spec "columns*height-start" of a picture tag under a box of the given
// columns and cells per column; every count at least 1, the picture inside
// the column.
TPendingPicture ParsePictureSpec(QStringView spec, int32_t columns, int32_t cells);

// The notes cut out of a laid-out line, set at their anchors: head notes in
// the head box, side notes collected beside their columns. Each leaves the
// page being filled and the text box's state as they were.
void SetHeadNotes(TTypesetter& typesetter, const std::vector<QString>& spans, const std::vector<THeadNoteMark>& marks);
void SetSideNotes(TTypesetter& typesetter, const std::vector<QString>& spans, const std::vector<TSideNoteMark>& marks);
