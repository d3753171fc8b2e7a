#include "platform/FontSubstitutions.h"

#include <QFont>
#include <QFontDatabase>
#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

struct Substitution {
    QStringList faces;
    QStringList targets;
};

}  // namespace

void InstallFontSubstitutions()
{
    const QString systemFamily = QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    const Substitution table[] = {
        // UMing first: like SimSun and MingLiU its average character width is
        // half an em, which the width rule of layout fonts is measured against
        // (Noto's is a whole em and would squeeze every font set by width).
        {{u"宋体"_s, u"新宋体"_s, u"SimSun"_s, u"細明體"_s, u"新細明體"_s, u"MingLiU"_s, u"PMingLiU"_s},
         {u"AR PL UMing TW"_s, u"Noto Serif CJK TC"_s}},
        {{u"黑体"_s, u"SimHei"_s}, {u"Noto Sans CJK TC"_s}},
        {{u"楷体"_s, u"KaiTi"_s, u"標楷體"_s}, {u"AR PL UKai TW"_s}},
        {{u"System"_s, u"MS Sans Serif"_s}, {systemFamily}},
    };
    for (const Substitution& s : table)
        for (const QString& face : s.faces)
            QFont::insertSubstitutions(face, s.targets);
}
