#include "editions/vertical/VerticalEdition.h"

#include "editions/vertical/VerticalDrawing.h"
#include "editions/vertical/VerticalTypesetting.h"

QString VerticalEdition::ProgramName() const { return QStringLiteral("VellumorVert"); }
QString VerticalEdition::Title() const { return QStringLiteral("墨衡中文豎排排印本排版系統"); }
QString VerticalEdition::ParaBlockName() const { return QStringLiteral("PARA_SP"); }
QString VerticalEdition::MagicSuffix() const { return QStringLiteral("SP"); }
QChar VerticalEdition::ExtensionLetter() const { return u's'; }

const TypesetEdition* VerticalEdition::Typesetting() const
{
    static const VerticalTypesetting rules;
    return &rules;
}
// The vertical and horizontal editions convert no file older than the
// version that stores covers apart from styles.
int32_t VerticalEdition::MinParaFileVersion() const { return 28; }
int32_t VerticalEdition::MinStyleListFileVersion() const { return 28; }

const RenderEdition* VerticalEdition::Drawing() const
{
    static const VerticalDrawing drawing;
    return &drawing;
}
