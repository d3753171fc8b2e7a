#pragma once
// VellumorVert: vertical print with a head box and a side box.
#include "foundation/Edition.h"

class VerticalEdition : public WoodblockEdition {
public:
    EditionKind Kind() const override { return EditionKind::Vertical; }
    QString ProgramName() const override;
    QString Title() const override;
    QString ParaBlockName() const override;
    int32_t MinParaFileVersion() const override;
    int32_t MinStyleListFileVersion() const override;
    const TypesetEdition* Typesetting() const override;

protected:
    QString MagicSuffix() const override;
    QChar ExtensionLetter() const override;
};
