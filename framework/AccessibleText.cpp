#include "AccessibleText.h"

#include "WindowView.h"

#include <cctype>

std::string WithoutAccessKey(const std::string& caption)
{
    std::string shown;
    for (size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&' && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

std::string AccessKeyShortcut(const std::string& caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&')
            continue;
        if (caption[i + 1] != '&')
            return std::string("Alt+") + static_cast<char>(std::toupper(static_cast<unsigned char>(caption[i + 1])));
        ++i;
    }
    return {};
}

namespace {
// A static text, or a group box, whose caption heads what follows it.
bool IsTextLabel(HWND window)
{
    char className[16] = {};
    ::GetClassNameA(window, className, sizeof className);
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
    if (::lstrcmpiA(className, "Button") == 0)
        return (style & BS_TYPEMASK) == BS_GROUPBOX;
    if (::lstrcmpiA(className, "Static") != 0)
        return false;
    const DWORD type = style & SS_TYPEMASK;
    return type <= SS_RIGHT || type == SS_SIMPLE || type == SS_LEFTNOWORDWRAP;
}
}  // namespace

std::string LabelBefore(HWND control)
{
    HWND previous = control ? ::GetWindow(control, GW_HWNDPREV) : nullptr;
    if (!previous || !IsTextLabel(previous))
        return {};
    return WithoutAccessKey(WindowText(previous));
}
