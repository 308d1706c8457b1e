#include "program.h"
#include "rectangular.h"

int main()
{
    run_program("rectcal", rectcal_dialogue);
}
