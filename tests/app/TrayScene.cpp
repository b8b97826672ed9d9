// Sets the scene for the tray screenshots (tools/screenshot): joins a network the way an
// apply would, or rests the pointer on the program's tray icon so its tooltip shows.
//   tray_scene join <ssid>
//   tray_scene hover
//   tray_scene exit        (the tray menu's "Exit", for a running copy)
//   tray_scene open        (a double-click on the tray icon: the configuration dialog)
//   tray_scene page <n>    (the open dialog's side label n, 0 Link Info. to 4 About)
//   tray_scene dialog      (prints the open dialog's geometry as WxH+X+Y; fails without one)
//   tray_scene auth <n>    (on the shown Encryption page: encryption on, authentication mode n)
#include <Vexa5200.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

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

int PrintDialogGeometry()
{
    HWND dialog = ConfigurationDialog();
    if (!dialog)
        return 1;
    RECT frame = {};
    ::GetWindowRect(dialog, &frame);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
    std::fflush(stdout);
    return 0;
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
    if (argc == 2 && std::strcmp(argv[1], "open") == 0)
        return Open();
    if (argc == 3 && std::strcmp(argv[1], "page") == 0)
        return SelectPage(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "dialog") == 0)
        return PrintDialogGeometry();
    if (argc == 3 && std::strcmp(argv[1], "auth") == 0)
        return SelectAuthMode(argv[2]);
    std::fprintf(stderr, "usage: tray_scene join <ssid> | hover | exit | open | page <n> | dialog | auth <n>\n");
    return 2;
}
