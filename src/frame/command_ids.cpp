#include "frame/command_ids.h"

namespace {

bool InRange(unsigned id, int first, int last)
{
    return id >= static_cast<unsigned>(first) && id <= static_cast<unsigned>(last);
}

} // namespace

bool IsFixedCommand(unsigned id)
{
    if (id >= 2 && id <= 12)
        return true;
    if (id == 14 || (id >= 16 && id <= 29))
        return true;
    switch (id) {
    case 48: case 64: case 65:
    case 82: case 83: case 84: case 85:
    case 87: case 88: case 89: case 90: case 91: case 92: case 93: case 94: case 95: case 96:
    case 98: case 131: case 132:
    case 153: case 154:
    case 181: case 183: case 185: case 186: case 187: case 191: case 192:
    case 299: case 804: case 962: case 963:
        return true;
    default:
        break;
    }
    return InRange(id, 141, 150) || InRange(id, 161, 166) || InRange(id, 171, 175) || InRange(id, 201, 206) ||
           InRange(id, 211, 218);
}

CommandClass ClassifyCommand(unsigned id, bool fromControl)
{
    using namespace CommandRange;
    if (!fromControl) {
        if (InRange(id, kFavoriteFirst, kFavoriteLast))
            return CommandClass::Favorite;
        if (InRange(id, kWindowTabFirst, kWindowTabLast))
            return CommandClass::WindowTab;
        if (InRange(id, kRecentFileFirst, kRecentFileLast))
            return CommandClass::RecentFile;
        if (InRange(id, kRecentProjectFirst, kRecentProjectLast))
            return CommandClass::RecentProject;
        if (InRange(id, kBuildConfigFirst, kBuildConfigLast))
            return CommandClass::BuildConfig;
        if (InRange(id, kUserToolFirst, kUserToolLast))
            return CommandClass::UserTool;
        // Escape and the tab strip's two commands lie inside the second style range
        // and keep their meaning; the style menu never numbers an item with them.
        if (InRange(id, kStyleFirst, kStyleLast) ||
            (InRange(id, kMoreStylesFirst, kMoreStylesLast) && !IsFixedCommand(id)))
            return CommandClass::Style;
    }
    return IsFixedCommand(id) ? CommandClass::Fixed : CommandClass::Forwarded;
}

int NextTabIndex(int current, int count)
{
    if (count < 2)
        return -1;
    if (current < 0 || current >= count)
        current = 0;
    return (current + 1) % count;
}

int PreviousTabIndex(int current, int count)
{
    if (count < 2)
        return -1;
    if (current < 0 || current >= count)
        current = 0;
    return (current + count - 1) % count;
}
