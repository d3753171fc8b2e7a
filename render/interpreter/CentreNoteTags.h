#pragma once
// The default bottom part of a centre-column text is stored as
// "<Z><R>…</R><L>…</L></Z>", a note form no other text uses. It is drawn as
// the double-line note it stands for, "<ZW><R>…<-R><L>…<-L><-ZW>"; the
// stored text is left as it is.
#include <QString>
#include <QStringView>

// The text with that form rewritten; any other text unchanged.
QString CentreNotesAsColumnNotes(QStringView text);
