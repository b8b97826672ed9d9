// The least a tray program can be: a hidden window that owns one tray icon and a
// one-second timer that does nothing. bench_tick compares skylook.exe with it.
// With the argument "libraries" it also loads the library that skylook.exe holds while idle
// (the adapter library, with the adapter open), so that the program's own share of the
// memory shows. The common controls, certificates and COM are loaded only when the
// configuration dialog, an EAP-TLS apply or the system's wireless page needs them.
#include <windows.h>
#include <shellapi.h>

namespace {

constexpr UINT CallbackMessage = WM_APP + 1;

NOTIFYICONDATAA IconRecord(HWND window)
{
    NOTIFYICONDATAA record = {};
    record.cbSize = NOTIFYICONDATAA_V2_SIZE;
    record.hWnd = window;
    record.uID = 1;
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = CallbackMessage;
    record.hIcon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
    lstrcpynA(record.szTip, "Baseline", sizeof record.szTip);
    return record;
}

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE: {
        NOTIFYICONDATAA record = IconRecord(window);
        ::Shell_NotifyIconA(NIM_ADD, &record);
        ::SetTimer(window, 1, 1000, nullptr);
        return 0;
    }
    case WM_TIMER:
        return 0;
    case WM_DESTROY: {
        NOTIFYICONDATAA record = IconRecord(window);
        ::Shell_NotifyIconA(NIM_DELETE, &record);
        ::PostQuitMessage(0);
        return 0;
    }
    default:
        return ::DefWindowProcA(window, message, wParam, lParam);
    }
}

void LoadProgramLibraries()
{
    if (HMODULE adapter = ::LoadLibraryA("Vexa5200.dll")) {
        using OpenFunction = int(__cdecl*)(void**);
        auto open = reinterpret_cast<OpenFunction>(
            reinterpret_cast<void*>(::GetProcAddress(adapter, "Vexa5200OpenAdapter")));
        static void* handle = nullptr;
        if (open)
            open(&handle);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int)
{
    if (commandLine && lstrcmpA(commandLine, "libraries") == 0)
        LoadProgramLibraries();

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "SkylookBaselineTray";
    if (!::RegisterClassA(&windowClass))
        return 1;
    if (!::CreateWindowA("SkylookBaselineTray", "Baseline tray", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, nullptr))
        return 1;
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
    return 0;
}
