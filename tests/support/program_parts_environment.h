// Tests that run the program's upper floors include this once per suite: the
// editor's link to the frame and the parts of the floors above are installed, as
// the program does, before any window is made.
#pragma once

#include <gtest/gtest.h>

#include "program_parts.h"

struct ProgramPartsEnvironment : ::testing::Environment {
    void SetUp() override { InstallProgramParts(); }
};

inline const ::testing::Environment* const g_programPartsEnvironment =
    ::testing::AddGlobalTestEnvironment(new ProgramPartsEnvironment);
