// Where the program starts: its folder (from its own path, Shift-JIS) and the place of the
// start-up notice on the saved main-window rectangle. Coordinates in pixels; lengths in
// bytes.
#pragma once

#include <string>

namespace marevo {

// Drive and directory of an executable's full path (Shift-JIS), ending with its last
// separator ('\' or '/'); empty when the path has none.
std::string ModuleDirOf(const char* exePath);

// ModuleDir must leave room for "marevo.ini" inside a 260-byte path and for the station
// paths inside 256 bytes; a longer installation directory is refused.
constexpr int MaxModuleDir = 200;

// Top-left corner of the 383 x 240 notice window centred on the saved main-window
// rectangle; integer division truncates towards zero.
struct Point { int x, y; };
Point NoticePosition(int xPosition, int yPosition, int width, int height);
constexpr int NoticeWidth = 383, NoticeHeight = 240;

} // namespace marevo
