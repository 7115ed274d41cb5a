#include "frame/pending_menus.h"

void InitMainMenu(MainFrameState&, HMENU)
{
}
