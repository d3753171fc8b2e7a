#include "app/RunProgram.h"
#include "editions/vertical/VerticalEdition.h"

int main(int argc, char** argv)
{
    static const VerticalEdition edition;
    return RunProgram(edition, argc, argv);
}
