#include "program.h"
#include "quadcal.h"

int main()
{
    run_program("quadcal", quadcal_dialogue);
}
