// How every program of the suite starts and ends.
#pragma once

// Runs a program's dialogue and ends the program as every program of the
// suite ends; returns nothing, it exits. Before the dialogue it makes sure
// that descriptors 0, 1 and 2 are open (a closed one gets a placeholder that
// cannot be used in its stream's direction, so that a file the program opens
// never becomes its standard output) and lets a write to a pipe whose reader
// went away fail with an error instead of killing the program.
[[noreturn]] void run_program(const char* name, int (*dialogue)());

// Ends the program with the given status. On status 0, when standard output
// is a console, first prints "\n \n Press Enter to continue \n" and waits for
// one character. When anything written to standard output was lost, says so
// in one line on standard error and ends with status 1.
[[noreturn]] void end_program(int status);

// The end of a calibrator whose standard input ended before its file was
// written: a line end, then the end with status 1 and no pause.
[[noreturn]] void end_on_lost_input();
