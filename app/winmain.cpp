// Entry point of Marevo.exe.
#include <windows.h>

#include "app/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand)
{
    return marevo::MarevoMain(instance, showCommand);
}
