// What the program says about its own build: the version and the architecture it
// was compiled for, as the web addresses that name the build carry them.
#pragma once

inline constexpr int kProgramVersionMajor = 2;
inline constexpr int kProgramVersionMinor = 3;
inline constexpr int kProgramVersionPatch = 0;

// "x86", "x64", "ARM64" or "ARM", by the compiler's target.
const char* BuildArchitectureName();
// The configuration-code number of that architecture: 0 x86, 1 x64, 2 ARM64, 4 ARM.
int BuildArchitectureCode();
