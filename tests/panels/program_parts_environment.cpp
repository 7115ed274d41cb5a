// The panels' tests run the panels as the program does: with the editor's link to
// the frame and every floor's parts installed before any window is made.
#include <gtest/gtest.h>

#include "program_parts.h"

namespace {

struct ProgramPartsEnvironment : ::testing::Environment {
    void SetUp() override { InstallProgramParts(); }
};

const ::testing::Environment* const g_programParts =
    ::testing::AddGlobalTestEnvironment(new ProgramPartsEnvironment);

} // namespace
