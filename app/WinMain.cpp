#include "SkylookApp.h"

namespace {
CSkylookApp Application;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return Application.Start();
}
