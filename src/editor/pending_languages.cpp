#include "editor/pending_languages.h"

void RecolorPanels(MainFrameState&)
{
}
