#pragma once
// The tagged-text convention of every text form of the layout parameters.
//
// Writing: each item is one line "KEY=value," and each record, group or list
// entry stands between a line with its opening tag and one with its closing
// tag. Reading: the file's lines are joined without separators; a block is
// the text strictly between the first opening tag and the first closing tag
// after it; a block splits at every "," and a piece with "=" at position 1 or
// later is a key and a value. Unknown keys are ignored; a missing key leaves
// the field as it is; when a key occurs twice the later one wins, as each
// piece is applied in turn. Values are not escaped.
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include <QString>
#include <QStringView>

#include "platform/WinTypes.h"

class TTextFile;  // foundation/io/TextFile.h

namespace TTextItems {

// Calls fn(key, value) for each item of a block, in order.
void ForEachItem(QStringView block, const std::function<void(QStringView key, QStringView value)>& fn);

// Value parsers. Integers read like atoi ("12abc" is 12, no digits 0);
// booleans are true only for "TRUE"; colours are "rrggbb" hexadecimal
// (either case), red first, into 0x00BBGGRR.
int32_t ParseInt(QStringView value);
bool ParseBool(QStringView value);
ColorRef ParseRgbHex6(QStringView value);

// Value formatters: "%d", "TRUE"/"FALSE", "%02x%02x%02x" lower case R G B.
QString FormatRgbHex6(ColorRef color);

// The blocks of a list: "<FONT0>"…"</FONT>", "<FONT1>"…, from index 0 up to
// the first empty block. openPattern holds "%1" where the index goes
// ("<FONT%1>").
std::vector<QString> ListBlocks(QStringView text, const QString& openPattern, const QString& close);

// Reads the items of one block into fields by key; fields whose key is
// missing keep their values.
class Reader {
public:
    explicit Reader(QStringView block);
    bool Has(QStringView key) const;
    // Each returns true when the key was present (and the field set).
    bool Int(QStringView key, int32_t& field) const;
    bool Bool(QStringView key, bool& field) const;
    bool Color(QStringView key, ColorRef& field) const;
    bool String(QStringView key, QString& field) const;
    // The raw value of the last occurrence of the key, or null.
    const QString* Value(QStringView key) const;

private:
    std::vector<std::pair<QString, QString>> items_;
};

// Line writers over a TTextFile.
void WriteTag(TTextFile& file, const QString& tag);  // the line as given: "<FRAME>"
void WriteInt(TTextFile& file, const QString& key, int32_t value);
void WriteBool(TTextFile& file, const QString& key, bool value);
void WriteColor(TTextFile& file, const QString& key, ColorRef color);
void WriteString(TTextFile& file, const QString& key, const QString& value);  // "KEY=value,"

}  // namespace TTextItems
