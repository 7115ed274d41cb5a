// The texts that a stored dialog template carries: its caption and the texts of its
// buttons, static texts and links. A dialog that stays open while the interface
// language changes puts them back before the new translation is laid over, so that
// a text the new language does not translate shows in English, not in the language
// before.
#pragma once

#include <windows.h>

#include <string>

// The caption of a stored extended template; empty when it has none or the template
// is not an extended one.
std::wstring DialogTemplateCaption(const DLGTEMPLATE* stored);
// Sets the dialog's caption and the text of each button, static text and link of the
// template (by control id) back to the template's text.
void RestoreDialogTemplateTexts(HWND dialog, const DLGTEMPLATE* stored);
