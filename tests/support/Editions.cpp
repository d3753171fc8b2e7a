#include "support/Editions.h"

#include "editions/horizontal/HorizontalEdition.h"
#include "editions/vertical/VerticalEdition.h"
#include "foundation/FoundationGlobals.h"

const Edition& EditionFor(EditionKind kind)
{
    static const WoodblockEdition woodblock;
    static const VerticalEdition vertical;
    static const HorizontalEdition horizontal;
    switch (kind) {
    case EditionKind::Vertical:
        return vertical;
    case EditionKind::Horizontal:
        return horizontal;
    case EditionKind::Woodblock:
        break;
    }
    return woodblock;
}

void EditionTest::SetUp() { InstallEdition(&edition()); }

std::string EditionName(const ::testing::TestParamInfo<EditionKind>& info)
{
    switch (info.param) {
    case EditionKind::Vertical:
        return "Vertical";
    case EditionKind::Horizontal:
        return "Horizontal";
    case EditionKind::Woodblock:
        break;
    }
    return "Woodblock";
}
