#include "ui/common/InputWarning.h"

void ShowInputWarning(HWND owner, const std::string& text)
{
    ::MessageBoxA(owner, text.c_str(), "Warning", MB_OK | MB_ICONINFORMATION);
}
