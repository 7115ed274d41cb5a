// The panels' tests run the panels as the program does.
#include "support/program_parts_environment.h"
