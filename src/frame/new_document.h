// New untitled documents: numbered by a per-run counter, empty or filled from a
// template file whose first '|' marks where the caret goes.
#pragma once

#include <cstdint>

struct EditDoc;
struct MainFrameState;

// The number the next untitled document is named with; 1 for the first of a run.
extern uint32_t g_newDocumentCounter;

// Creates a new untitled document in a new tab at the end and selects it. With a
// template path, its text comes from that file and its language from the file's
// extension; otherwise the document is empty in the default language. Null, with
// nothing changed, when the document or its tab cannot be made.
EditDoc* NewDocument(MainFrameState& state, const wchar_t* templatePath);
