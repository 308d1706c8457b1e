#include "common_state.h"

bool exit_requested = false;
bool input_ended = false;
double equation_matrix[matrix_rows][matrix_columns];
double solution[matrix_rows];
char value_text[value_text_size];
const char* program_name = "velorin";
