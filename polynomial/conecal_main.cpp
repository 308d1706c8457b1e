#include "conecal.h"
#include "program.h"

int main()
{
    run_program("conecal", conecal_dialogue);
}
