#include "TrayMenu.h"

#include "settings/UserOptions.h"
#include "res/resource.h"

#include <string>

namespace {

struct TrayOptionItem {
    UINT Command;
    UserOption Option;
    const char* Text;
};

const TrayOptionItem TrayOptionItems[] = {
    {ID_TRAY_NOTIFICATIONS, UserOption::Notifications, "Notifications"},
    {ID_TRAY_SWITCH_PROFILES, UserOption::SwitchToProfiles, "Switch to profiles in range"},
};

}  // namespace

CMenu BuildTrayMenu()
{
    CMenu menu(::CreatePopupMenu());
    if (!menu)
        return menu;
    for (const TrayOptionItem& item : TrayOptionItems) {
        const UINT checked = ReadUserOption(item.Option) ? MF_CHECKED : MF_UNCHECKED;
        ::AppendMenuA(menu, MF_STRING | checked, item.Command, item.Text);
    }
    ::AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuA(menu, MF_STRING, ID_TRAY_EXIT, "Exit");
    return menu;
}

bool ToggleTrayOption(UINT command, HWND owner)
{
    for (const TrayOptionItem& item : TrayOptionItems) {
        if (item.Command != command)
            continue;
        if (!WriteUserOption(item.Option, !ReadUserOption(item.Option))) {
            const std::string message = std::string("Skylook could not store your choice for \"") + item.Text +
                                        "\" (HKEY_CURRENT_USER\\" + UserOptionsPath +
                                        "). The option stays as it was.";
            ::MessageBoxA(owner, message.c_str(), "Skylook", MB_OK | MB_ICONWARNING);
        }
        return true;
    }
    return false;
}
