#include "ed50.h"
#include "program.h"

int main()
{
    run_program("ed50conv", ed50conv_dialogue);
}
