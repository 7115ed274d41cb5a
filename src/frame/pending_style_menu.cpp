#include "frame/pending_style_menu.h"

void SelectStyle(MainFrameState&, int)
{
}
