#include "program.h"
#include "rectangular.h"

int main()
{
    run_program("rectfree", rectfree_dialogue);
}
