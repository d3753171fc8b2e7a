#pragma once
// The installed font faces and their scripts, as the font dialogs list them.
#include <cstdint>
#include <vector>

#include <QString>
#include <QStringList>

// Every family once, sorted. A family is left out only when its one script
// is Symbol and it holds no CJK ideograph: HanaMinB reports only Symbol and
// must stay.
QStringList FontFaceNames();
// The character-set numbers of a family's scripts, in the order of Qt's
// writing systems; scripts without a character set are left out.
std::vector<uint8_t> FaceCharsets(const QString& family);
// The script name of a character set ("GB2312", "Chinese Big5", …); empty
// for a character set without one.
QString CharsetName(uint8_t charset);
