#include "frame/pending_startup.h"

void ApplyOutputStyles(HWND)
{
}
