#include "app/RunProgram.h"
#include "foundation/Edition.h"

int main(int argc, char** argv)
{
    static const WoodblockEdition edition;
    return RunProgram(edition, argc, argv);
}
