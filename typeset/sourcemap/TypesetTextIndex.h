#pragma once
// The page-to-source map looks for every page's key from where the page
// before ended. Scanning the source afresh each time reads its tags again
// and again, and a key that is not there costs a scan to the end: a long
// text took time growing with the square of its length. The index scans
// the source once from its start and keeps the units that the scan
// compares; a search from a later start scans only until it meets that
// first scan on a compared unit (from then on the two scans agree) and
// looks for the key in the kept units. Results are those of
// SourceMap::FindInTypesetText.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringView>

#include "typeset/sourcemap/SourceMap.h"

class TypesetTextIndex {
public:
    // text must outlive the index.
    TypesetTextIndex(QStringView text, const TSourceMapForm& form);

    // SourceMap::FindInTypesetText(start, text, key, form).
    int32_t Find(int32_t start, QStringView key) const;

private:
    QStringView text_;
    TSourceMapForm form_;
    QString units_;             // the units compared by the scan from the start, in order
    std::vector<int32_t> at_;   // their indexes in text_
};
