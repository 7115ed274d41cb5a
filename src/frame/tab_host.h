// A panel host: a tab control whose tabs carry page windows, with the current
// page placed on the tab control's display area. The side and bottom panels are
// one host each; both share one tooltip window.
#pragma once

#include <windows.h>
#include <commctrl.h>

struct CTabHost {
    HWND current = nullptr;      // the page shown, null before the first
    HWND parent = nullptr;
    HWND tabControl = nullptr;

    // Creates the tab control (tabs at the bottom) with the control id and image
    // list; the first host creates the shared tooltip window (*sharedTooltip).
    static bool Create(CTabHost& host, HWND parent, int controlId, HIMAGELIST images, HWND* sharedTooltip);
    // Shows or hides the tab control and its current page.
    static void Show(CTabHost& host, bool on);
    // Selects tab i (an index at or beyond the count: 0) and shows its page.
    static void Select(CTabHost& host, int index);
    // Shows the page of tab i (of tab 0 when i is out of range) unless it is current.
    static void ShowPage(CTabHost& host, int index);
    // Appends a tab for the page; a null caption takes the page's window text.
    static int AddPage(CTabHost& host, HWND page, int image, const wchar_t* caption);
    static void SetTabText(CTabHost& host, int index, const wchar_t* text);
    // Fits the current page to the display area.
    static void Resize(CTabHost& host);
    static int Count(const CTabHost& host);
    static HWND PageAt(const CTabHost& host, int index);
    // The display area in the parent's client coordinates.
    static RECT DisplayArea(const CTabHost& host);
};
