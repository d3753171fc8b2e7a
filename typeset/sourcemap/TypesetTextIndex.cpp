#include "typeset/sourcemap/TypesetTextIndex.h"

#include <algorithm>

TypesetTextIndex::TypesetTextIndex(QStringView text, const TSourceMapForm& form) : text_(text), form_(form)
{
    int32_t depth = 0;
    for (qsizetype i = 0; i < text_.size();) {
        const qsizetype at = i;
        const SourceMap::ScanStep step = SourceMap::StepScan(text_, at, depth, form_);
        i = step.next;
        if (step.compared) {
            units_ += text_[at];
            at_.push_back(int32_t(at));
        }
    }
}

int32_t TypesetTextIndex::Find(int32_t start, QStringView key) const
{
    if (key.isEmpty() || text_.size() < key.size())
        return -1;
    // The units compared from start until the scan meets the first one.
    QString head;
    std::vector<int32_t> headAt;
    qsizetype joined = -1;  // where in units_ the two scans meet
    int32_t depth = 0;
    for (qsizetype i = std::max(start, 0); i < text_.size();) {
        const qsizetype at = i;
        const SourceMap::ScanStep step = SourceMap::StepScan(text_, at, depth, form_);
        i = step.next;
        if (!step.compared)
            continue;
        const auto met = std::lower_bound(at_.begin(), at_.end(), int32_t(at));
        if (met != at_.end() && *met == at) {
            joined = met - at_.begin();
            break;
        }
        head += text_[at];
        headAt.push_back(int32_t(at));
    }
    const qsizetype n = key.size();
    // A match that begins in the head, perhaps running on into the kept units.
    if (!head.isEmpty()) {
        const qsizetype from = joined < 0 ? 0 : joined;
        const qsizetype tail = joined < 0 ? 0 : std::min(n - 1, units_.size() - from);
        const QString scanned = head + units_.mid(from, tail);
        const qsizetype found = scanned.indexOf(key);
        if (found >= 0 && found < head.size()) {
            const qsizetype last = found + n - 1;
            return last < head.size() ? headAt[size_t(last)] : at_[size_t(from + last - head.size())];
        }
    }
    if (joined < 0)
        return -1;
    const qsizetype found = QStringView(units_).indexOf(key, joined);
    return found < 0 ? -1 : at_[size_t(found + n - 1)];
}
