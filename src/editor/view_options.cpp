#include "editor/view_options.h"

#include "core/settings.h"
#include "editor/edit_doc.h"

#include <commctrl.h>

#include <algorithm>

namespace {

// The toolbar buttons that show the state of an option.
void CheckToolbarButton(int command, bool checked)
{
    if (g_mainState.mainToolbar)
        SendMessageW(g_mainState.mainToolbar, TB_CHECKBUTTON, static_cast<WPARAM>(command), checked ? TRUE : FALSE);
}

} // namespace

void EditDoc::ShowLineNumbers(EditDoc& doc, bool show)
{
    int width = 0;
    if (show) {
        int digits = 1;
        for (sptr_t lines = EditorCall(doc, SCI_GETLINECOUNT); lines >= 10; lines /= 10)
            ++digits;
        const sptr_t digitWidth = EditorCall(doc, SCI_TEXTWIDTH, STYLE_LINENUMBER, reinterpret_cast<sptr_t>("8"));
        width = static_cast<int>(digitWidth) * std::max(4, digits) + 8;
    }
    // Every paint asks again; the margin changes only when the width does.
    if (EditorCall(doc, SCI_GETMARGINWIDTHN, 0) != width)
        EditorCall(doc, SCI_SETMARGINWIDTHN, 0, width);
}

bool ToggleViewOption(EditDoc& doc, int command)
{
    uint32_t bit = 0;
    switch (command) {
    case 100: bit = Config1::kLineNumbers; break;
    case 101: bit = Config1::kWhitespace; break;
    case 102: bit = Config1::kLineEnds; break;
    case 103: bit = Config1::kIndentGuides; break;
    case 104: bit = Config1::kWordWrap; break;
    default: return false;
    }
    g_mainState.config1 ^= bit;
    const bool on = (g_mainState.config1 & bit) != 0;
    switch (command) {
    case 100:
        EditDoc::ShowLineNumbers(doc, on);
        break;
    case 101:
        EditorCall(doc, SCI_SETVIEWWS, on ? SCWS_VISIBLEALWAYS : SCWS_INVISIBLE);
        break;
    case 102:
        EditorCall(doc, SCI_SETVIEWEOL, on ? 1 : 0);
        CheckToolbarButton(command, on);
        break;
    case 103:
        EditorCall(doc, SCI_SETINDENTATIONGUIDES, on ? SC_IV_LOOKBOTH : SC_IV_NONE);
        break;
    case 104:
        EditorCall(doc, SCI_SETWRAPMODE, on ? SC_WRAP_WORD : SC_WRAP_NONE);
        EditorCall(doc, SCI_SETWRAPVISUALFLAGS, SC_WRAPVISUALFLAG_END);
        CheckToolbarButton(command, on);
        break;
    default:
        break;
    }
    return true;
}
