#include "editions/horizontal/HorizontalEdition.h"

#include "editions/horizontal/HorizontalDrawing.h"
#include "editions/horizontal/HorizontalTypesetting.h"

QString HorizontalEdition::ProgramName() const { return QStringLiteral("VellumorHorz"); }
QString HorizontalEdition::Title() const { return QStringLiteral("墨衡中文橫排排印本排版系統"); }
QString HorizontalEdition::MagicSuffix() const { return QStringLiteral("HP"); }
QChar HorizontalEdition::ExtensionLetter() const { return u'h'; }

const TypesetEdition* HorizontalEdition::Typesetting() const
{
    static const HorizontalTypesetting rules;
    return &rules;
}

const RenderEdition* HorizontalEdition::Drawing() const
{
    static const HorizontalDrawing drawing;
    return &drawing;
}
