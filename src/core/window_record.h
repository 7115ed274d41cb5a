// The one way the program wraps a window: the creator passes the window's record
// as the lpParam of CreateWindowEx, the shared procedure stores it at WM_NCCREATE
// in GWLP_USERDATA, and every later message goes to the record's own handler,
// which is a single switch. Messages that arrive before WM_NCCREATE go to
// DefWindowProcW.
#pragma once

#include <windows.h>

template <class Record>
using RecordHandler = LRESULT (*)(Record* record, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

template <class Record, RecordHandler<Record> Handler>
LRESULT CALLBACK RecordWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    Record* record;
    if (msg == WM_NCCREATE) {
        record = static_cast<Record*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(record));
    } else {
        record = reinterpret_cast<Record*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    }
    if (!record)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    return Handler(record, hwnd, msg, wParam, lParam);
}
