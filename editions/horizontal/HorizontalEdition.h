#pragma once
// VellumorHorz: horizontal print with header and footer bars. Uses the
// vertical edition's forms wherever it has none of its own.
#include "editions/vertical/VerticalEdition.h"

class HorizontalEdition : public VerticalEdition {
public:
    EditionKind Kind() const override { return EditionKind::Horizontal; }
    QString ProgramName() const override;
    QString Title() const override;
    const TypesetEdition* Typesetting() const override;

protected:
    QString MagicSuffix() const override;
    QChar ExtensionLetter() const override;
};
