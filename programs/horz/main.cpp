#include "app/RunProgram.h"
#include "editions/horizontal/HorizontalEdition.h"

int main(int argc, char** argv)
{
    static const HorizontalEdition edition;
    return RunProgram(edition, argc, argv);
}
