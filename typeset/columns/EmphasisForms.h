#pragma once
// Emphasis marks (圈點) in two forms. In a stored column a stretch is
// "<QD name>"…"<-QD>"; while a line is laid out, and in the vertical
// edition's columns, every marked character carries its own tag right after
// it ("字<QD name>"), so that a stretch can be cut at any character.
#include <QString>
#include <QStringView>

// The text with tag after every character outside "<…>" tags; a surrogate
// pair takes one tag, after its second unit. A "<" with no ">" after it is a
// character.
QString ApplyQdToChars(QStringView text, QStringView tag);

// Every "<QD name>"…"<-QD>" written in the per-character form; a stretch
// without "<-QD>" runs to the end; a "<QD" with no ">" after it is dropped.
QString ExpandQdSpans(QStringView text);

// The per-character form back as stretches: consecutive characters with the
// same tag form one stretch; a different tag closes it and opens the next; a
// character without a tag closes it; other tags are copied and do not close
// it; an open stretch is closed at the end. An emphasis tag that does not
// directly follow a character is copied like any other tag. A text without
// "<QD" is returned as it is.
QString CollapseQdSpans(QStringView text);
