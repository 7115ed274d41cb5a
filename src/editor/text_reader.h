// A window onto an editor's text for code that looks at many bytes near one
// place (brace matching, automatic indentation, completion): the bytes come from
// the editor in blocks of 4000 instead of one message per byte.
#pragma once

#include <windows.h>

#include <cstdint>

constexpr int64_t kTextReaderWindow = 4000;   // bytes held at a time
constexpr int64_t kTextReaderBefore = 500;    // of them before the position asked for

// Valid while the text does not change: a reader is made for one operation.
struct TextReader {
    // One byte more than the window: the editor's range call ends the text with a
    // zero byte, which must stay inside the buffer.
    char buffer[kTextReaderWindow + 1] = {};
    int64_t windowStart = 0;
    int64_t windowEnd = 0;
    HWND editor = nullptr;
    int64_t documentLength = -1;   // -1 until first asked

    explicit TextReader(HWND editorWindow) : editor(editorWindow) {}

    // The document's length in bytes (asked once).
    int64_t Length();
    // Reads the window around the position: from 500 bytes before it, moved back
    // so that a window near the end still holds 4000 bytes, never before 0.
    void Fill(int64_t position);
    // The byte at the position; 0 outside the document.
    char CharAt(int64_t position);
};
