#include "grid/TransferText.h"

namespace {

QStringList Tokens(const QString& line)
{
    QStringList tokens;
    QString token;
    bool inToken = false;
    for (const QChar c : line) {
        if (c == u'\t' || c == u',' || c == u'\n') {
            if (inToken)
                tokens << token.trimmed();
            token.clear();
            inToken = false;
        } else {
            token += c;
            inToken = true;
        }
    }
    if (inToken)
        tokens << token.trimmed();
    return tokens;
}

}  // namespace

std::vector<QStringList> SplitPastedText(const QString& text)
{
    std::vector<QStringList> rows;
    qsizetype from = 0;
    for (;;) {
        const qsizetype end = text.indexOf(u'\n', from);
        QString line = text.mid(from, end < 0 ? -1 : end - from);
        // A blank row before a line feed stands as one space, so it clears
        // the cell it lands on.
        if (line.isEmpty() && end >= 0)
            line = QStringLiteral(" ");
        rows.push_back(Tokens(line));
        if (end < 0)
            break;
        from = end + 1;
    }
    return rows;
}
