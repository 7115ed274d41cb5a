// The life of one document as a window: view and tab settings, the main window
// title, the tab image, the editor's notifications, untitled documents, what
// follows a change of path, the save prompt, renaming, the read-only toggle, the
// Save dialog and the header/source and #include navigation aids. The operations
// are the EditDoc members declared in edit_doc.h.
#pragma once

#include <cstdint>

// Window id of the next document editor created; one more per document.
extern int32_t g_nextEditorId;
// Set while a project document is the active project.
extern uint8_t g_activeProjectOpen;

// The product name the main window title ends with.
inline constexpr const wchar_t* kProductName = L"Ovrik";
