// Sets the scene for the tray screenshots (tools/screenshot): joins a network the way an
// apply would, or rests the pointer on the program's tray icon so its tooltip shows.
//   tray_scene join <ssid>
//   tray_scene hover
//   tray_scene exit        (the tray menu's "Exit", for a running copy)
//   tray_scene open        (a double-click on the tray icon: the configuration dialog)
//   tray_scene menu        (a right-click on the tray icon: its menu, at the icon)
//   tray_scene dismiss     (Escape: closes an open menu)
//   tray_scene page <n>    (the open dialog's side label n, 0 Link Info. to 4 About)
//   tray_scene dialog      (prints the open dialog's geometry as WxH+X+Y; fails without one)
//   tray_scene auth <n>    (on the shown Encryption page: encryption on, authentication mode n)
//   tray_scene profiles    (stores three profiles: Home on Wireless, Office on CorpSecure,
//                           Travel on an ad-hoc network out of range)
//   tray_scene survey <connect|add|properties>  (that button of the open Site Survey page;
//                           properties acts on the first profile)
//   tray_scene profile-dialog  (prints the open Profile dialog's geometry as WxH+X+Y)
//   tray_scene close-profile   (cancels the open Profile dialog)
#include "settings/ProfileStore.h"

#include <Vexa5200.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

int Join(const char* ssid)
{
    VEXA5200_HANDLE handle = nullptr;
    if (Vexa5200OpenAdapter(&handle) != 0) {
        std::fprintf(stderr, "tray_scene: no adapter\n");
        return 1;
    }
    int result = Vexa5200SetSsid(handle, ssid, static_cast<unsigned long>(std::strlen(ssid)), 0);
    Vexa5200CloseAdapter(&handle);
    return result == 0 ? 0 : 1;
}

int Hover()
{
    // Wine's stand-alone tray window puts the first icon at its left end; a taskbar (a
    // virtual desktop's) puts the icons at its right end. Each icon has a square slot.
    RECT slot = {};
    if (HWND tray = ::FindWindowA("__winex11_standalone_tray", nullptr)) {
        RECT client = {};
        ::GetClientRect(tray, &client);
        POINT origin = {0, 0};
        ::ClientToScreen(tray, &origin);
        slot = {origin.x, origin.y, origin.x + client.bottom, origin.y + client.bottom};
    } else if (HWND taskbar = ::FindWindowA("Shell_TrayWnd", nullptr)) {
        RECT bar = {};
        ::GetWindowRect(taskbar, &bar);
        slot = {bar.right - (bar.bottom - bar.top), bar.top, bar.right, bar.bottom};
    } else {
        std::fprintf(stderr, "tray_scene: no tray window\n");
        return 1;
    }
    // The pointer rests on the slot's lower right corner so that it does not cover the picture.
    ::SetCursorPos(slot.right - 7, slot.bottom - 7);
    ::Sleep(100);
    ::SetCursorPos(slot.right - 3, slot.bottom - 3);
    return 0;
}

HWND ProgramFrame()
{
    HWND frame = ::FindWindowA(nullptr, "Kelbrin 802.11g Skylook");
    if (!frame)
        std::fprintf(stderr, "tray_scene: the program is not running\n");
    return frame;
}

int Exit()
{
    HWND frame = ProgramFrame();
    return frame && ::PostMessageA(frame, WM_COMMAND, 2024, 0) ? 0 : 1;
}

int Open()
{
    HWND frame = ProgramFrame();
    UINT trayMessage = ::RegisterWindowMessageA("MONITOR_ICON_PRESSED2");
    return frame && ::PostMessageA(frame, trayMessage, 1, WM_LBUTTONDBLCLK) ? 0 : 1;
}

int Menu()
{
    HWND frame = ProgramFrame();
    UINT trayMessage = ::RegisterWindowMessageA("MONITOR_ICON_PRESSED2");
    return frame && Hover() == 0 && ::PostMessageA(frame, trayMessage, 1, WM_RBUTTONUP) ? 0 : 1;
}

int Dismiss()
{
    INPUT keys[2] = {};
    keys[0].type = keys[1].type = INPUT_KEYBOARD;
    keys[0].ki.wVk = keys[1].ki.wVk = VK_ESCAPE;
    keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return ::SendInput(2, keys, sizeof keys[0]) == 2 ? 0 : 1;
}

HWND ConfigurationDialog()
{
    HWND dialog = ::FindWindowA("#32770", "Skylook Configuration Utility");
    if (!dialog || !::IsWindowVisible(dialog)) {
        std::fprintf(stderr, "tray_scene: the configuration dialog is not open\n");
        return nullptr;
    }
    return dialog;
}

int SelectPage(const char* index)
{
    const int page = std::atoi(index);
    HWND dialog = ConfigurationDialog();
    if (!dialog)
        return 1;
    // The side labels are 1039 (Link Info.) to 1043 (About); a click arrives as STN_CLICKED.
    const int labelId = 1039 + page;
    HWND label = ::GetDlgItem(dialog, labelId);
    if (page < 0 || page > 4 || !label) {
        std::fprintf(stderr, "tray_scene: no page %s\n", index);
        return 1;
    }
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(labelId, STN_CLICKED), reinterpret_cast<LPARAM>(label));
    return 0;
}

// The page the open dialog shows: a visible child of its page container (1000).
HWND ShownPage(HWND dialog)
{
    HWND container = ::GetDlgItem(dialog, 1000);
    for (HWND page = ::GetWindow(container, GW_CHILD); page; page = ::GetWindow(page, GW_HWNDNEXT))
        if (::IsWindowVisible(page))
            return page;
    return nullptr;
}

int SelectAuthMode(const char* index)
{
    const int mode = std::atoi(index);
    HWND dialog = ConfigurationDialog();
    if (!dialog)
        return 1;
    // The Encryption page: "Data Encryption" (1030) and the four authentication modes (1029).
    HWND page = ShownPage(dialog);
    HWND encryption = page ? ::GetDlgItem(page, 1030) : nullptr;
    HWND modes = page ? ::GetDlgItem(page, 1029) : nullptr;
    if (!encryption || !modes || ::SendMessageA(modes, CB_GETCOUNT, 0, 0) != 4 || mode < 0 || mode > 3) {
        std::fprintf(stderr, "tray_scene: the Encryption page is not shown or has no mode %s\n", index);
        return 1;
    }
    if (::SendMessageA(encryption, BM_GETCHECK, 0, 0) != BST_CHECKED) {
        ::SendMessageA(encryption, BM_SETCHECK, BST_CHECKED, 0);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(1030, BN_CLICKED), reinterpret_cast<LPARAM>(encryption));
    }
    ::SendMessageA(modes, CB_SETCURSEL, static_cast<WPARAM>(mode), 0);
    ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(1029, CBN_SELCHANGE), reinterpret_cast<LPARAM>(modes));
    if (::SendMessageA(modes, CB_GETCURSEL, 0, 0) != mode) {
        std::fprintf(stderr, "tray_scene: mode %s was not taken\n", index);
        return 1;
    }
    return 0;
}

// Prints a window's geometry as WxH+X+Y; fails without a window.
int PrintGeometry(HWND window)
{
    if (!window)
        return 1;
    RECT frame = {};
    ::GetWindowRect(window, &frame);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
    std::fflush(stdout);
    return 0;
}

int PrintDialogGeometry()
{
    return PrintGeometry(ConfigurationDialog());
}

int StoreProfiles()
{
    struct Sample {
        const char* name;
        const char* ssid;
        uint32_t mode;
        uint32_t channel;
    };
    for (const Sample& sample : {Sample{"Home", "Wireless", 1, 6}, Sample{"Office", "CorpSecure", 1, 3},
                                 Sample{"Travel", "HotelLobby", 0, 11}}) {
        AdapterSettings settings{};
        std::snprintf(settings.DesiredSSID, sizeof settings.DesiredSSID, "%s", sample.ssid);
        settings.NetworkMode = sample.mode;
        settings.Channel = sample.channel;
        settings.WepStatus = 1;
        if (!SaveProfile(sample.name, settings)) {
            std::fprintf(stderr, "tray_scene: profile %s not stored\n", sample.name);
            return 1;
        }
    }
    return 0;
}

// The Site Survey page of the open dialog: the page that holds the network list.
HWND SurveyPage()
{
    HWND dialog = ConfigurationDialog();
    HWND tab = dialog ? ::GetDlgItem(dialog, 1000) : nullptr;
    for (HWND page = tab ? ::GetWindow(tab, GW_CHILD) : nullptr; page; page = ::GetWindow(page, GW_HWNDNEXT))
        if (::GetDlgItem(page, 1025) && ::IsWindowVisible(page))
            return page;
    std::fprintf(stderr, "tray_scene: the Site Survey page is not shown\n");
    return nullptr;
}

int ClickSurveyButton(const char* which)
{
    HWND page = SurveyPage();
    if (!page)
        return 1;
    int id = 0;
    if (std::strcmp(which, "connect") == 0)
        id = 1027;
    else if (std::strcmp(which, "add") == 0)
        id = 1033;
    else if (std::strcmp(which, "properties") == 0)
        id = 1035;
    if (id == 0) {
        std::fprintf(stderr, "tray_scene: no survey button %s\n", which);
        return 2;
    }
    if (id == 1035) {
        // A click on the first row of the profile list selects it.
        HWND list = ::GetDlgItem(page, 1037);
        ::PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 6));
        ::PostMessageA(list, WM_LBUTTONUP, 0, MAKELPARAM(20, 6));
        ::Sleep(300);
    }
    return ::PostMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(::GetDlgItem(page, id)))
               ? 0
               : 1;
}

BOOL CALLBACK FindProfileDialog(HWND window, LPARAM found)
{
    char title[64] = {};
    ::GetWindowTextA(window, title, sizeof title);
    const std::string text = title;
    if (::IsWindowVisible(window) &&
        (text == "Add New Profile" || text.rfind("Profile: ", 0) == 0 || text.rfind("Connect: ", 0) == 0)) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

HWND ProfileDialog()
{
    HWND found = nullptr;
    ::EnumWindows(&FindProfileDialog, reinterpret_cast<LPARAM>(&found));
    if (!found)
        std::fprintf(stderr, "tray_scene: no Profile dialog is open\n");
    return found;
}

int PrintProfileDialogGeometry()
{
    return PrintGeometry(ProfileDialog());
}

int CloseProfileDialog()
{
    HWND dialog = ProfileDialog();
    return dialog && ::PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0) ? 0 : 1;
}

// Plays a move of the open dialog to a monitor of dpi, as Windows would: the size asked of the
// dialog (WM_GETDPISCALEDSIZE), then WM_DPICHANGED with the rectangle at that size. Both carry
// pointers, so the answers live in the program's own memory.
int MoveToDpi(const char* text)
{
    const int dpi = std::atoi(text);
    HWND dialog = ConfigurationDialog();
    DWORD process = 0;
    if (!dialog || dpi <= 0 || !::GetWindowThreadProcessId(dialog, &process))
        return 1;
    HANDLE program = ::OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, process);
    void* remote = program ? ::VirtualAllocEx(program, nullptr, 4096, MEM_COMMIT, PAGE_READWRITE) : nullptr;
    int result = 1;
    SIZE size = {};
    if (remote && ::SendMessageA(dialog, 0x02E4 /* WM_GETDPISCALEDSIZE */, static_cast<WPARAM>(dpi),
                                 reinterpret_cast<LPARAM>(remote)) &&
        ::ReadProcessMemory(program, remote, &size, sizeof size, nullptr)) {
        RECT now = {};
        ::GetWindowRect(dialog, &now);
        // Kept on the desktop, which is all one monitor here.
        const LONG left = std::max(0L, std::min(now.left, static_cast<LONG>(::GetSystemMetrics(SM_CXSCREEN)) - size.cx));
        const LONG top = std::max(0L, std::min(now.top, static_cast<LONG>(::GetSystemMetrics(SM_CYSCREEN)) - size.cy));
        const RECT suggested = {left, top, left + size.cx, top + size.cy};
        if (::WriteProcessMemory(program, remote, &suggested, sizeof suggested, nullptr)) {
            ::SendMessageA(dialog, 0x02E0 /* WM_DPICHANGED */, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(remote));
            result = 0;
        }
    }
    if (remote)
        ::VirtualFreeEx(program, remote, 0, MEM_RELEASE);
    if (program)
        ::CloseHandle(program);
    return result;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "join") == 0)
        return Join(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "hover") == 0)
        return Hover();
    if (argc == 2 && std::strcmp(argv[1], "exit") == 0)
        return Exit();
    if (argc == 2 && std::strcmp(argv[1], "menu") == 0)
        return Menu();
    if (argc == 2 && std::strcmp(argv[1], "dismiss") == 0)
        return Dismiss();
    if (argc == 2 && std::strcmp(argv[1], "open") == 0)
        return Open();
    if (argc == 3 && std::strcmp(argv[1], "dpi") == 0)
        return MoveToDpi(argv[2]);
    if (argc == 3 && std::strcmp(argv[1], "page") == 0)
        return SelectPage(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "dialog") == 0)
        return PrintDialogGeometry();
    if (argc == 3 && std::strcmp(argv[1], "auth") == 0)
        return SelectAuthMode(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "profiles") == 0)
        return StoreProfiles();
    if (argc == 3 && std::strcmp(argv[1], "survey") == 0)
        return ClickSurveyButton(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "profile-dialog") == 0)
        return PrintProfileDialogGeometry();
    if (argc == 2 && std::strcmp(argv[1], "close-profile") == 0)
        return CloseProfileDialog();
    std::fprintf(stderr, "usage: tray_scene profiles | survey <connect|add|properties> | profile-dialog | "
                         "close-profile\n");
    std::fprintf(stderr, "usage: tray_scene join <ssid> | hover | exit | menu | dismiss | open | page <n> | dialog | auth <n>\n");
    return 2;
}
