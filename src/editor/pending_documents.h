// Stand-ins for parts of the program that document loading and saving calls but that are not
// written yet. Each keeps its final name and signature and does the least the
// loading and saving code needs; the real implementations replace them.
#pragma once

#include <windows.h>

#include <cstdint>

struct MainFrameState;
struct LanguageRecord;

// A growable 8-bit string of the editing code (completion, call tips). Only its
// fields are here; the document record holds two of them.
struct TextString {
    char* buffer = nullptr;
    uint64_t allocated = 0;
    uint64_t length = 0;
    uint64_t growth = 64;
};
