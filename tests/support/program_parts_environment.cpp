// The tests of the frame and of the floors above it run them as the program does:
// with the editor's link to the frame and every floor's parts installed before any
// window is made. Compiled into those suites (not into the support library, whose
// unreferenced objects would not be linked).
#include <gtest/gtest.h>

#include "program_parts.h"

namespace {

struct ProgramPartsEnvironment : ::testing::Environment {
    void SetUp() override { InstallProgramParts(); }
};

const ::testing::Environment* const g_programParts =
    ::testing::AddGlobalTestEnvironment(new ProgramPartsEnvironment);

} // namespace
