// The frame's tests run the frame as the program does.
#include "support/program_parts_environment.h"
