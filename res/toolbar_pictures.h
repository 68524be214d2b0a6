#pragma once
// The main window's tool-bar pictures (32 x 32 design units), the output menu's small pictures
// (16 x 16) and the tool-bar strip's background, all drawn from shapes.

#include <vector>

#include "res/picture.h"

namespace orvane::res {

enum class ToolPicture { System, Personal, Memory, Display, Drives, Cpu, Devices, AppInfo, Startup, Sound, Machine, Exit };
enum class MenuPicture { Save, Clipboard, Print, Html };

Picture ToolBarPicture(ToolPicture which);
Picture OutputMenuPicture(MenuPicture which);

// The strip's background: a soft vertical gradient, width x height pixels, 0xAARRGGBB, top row first.
std::vector<std::uint32_t> StripBackground(int width, int height);

}  // namespace orvane::res
