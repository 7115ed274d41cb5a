#include "frame/frame_parts.h"

FrameParts g_frameParts;
