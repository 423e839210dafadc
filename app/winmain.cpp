#include <windows.h>

#include "app/shell/startup.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return pixa::app::Main() ? 0 : 1;
}
