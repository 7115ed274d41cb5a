// The view options of the View menu (line numbers, whitespace, line ends,
// indentation guides, word wrap), kept in Config1 and applied to a document.
#pragma once

struct EditDoc;

// Flips the option of command 100-104 in Config1 and applies its new state to the
// document (the toolbar's line-end and wrap buttons follow); false for other ids.
bool ToggleViewOption(EditDoc& doc, int command);
