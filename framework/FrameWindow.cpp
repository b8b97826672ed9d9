#include "FrameWindow.h"

#include "Application.h"
#include "Dispatch.h"

bool CFrameWindow::Create(const char* className, const char* caption, DWORD style, DWORD exStyle, HWND parent,
                          HICON icon)
{
    HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSEXA existing = {};
    existing.cbSize = sizeof existing;
    if (!::GetClassInfoExA(instance, className, &existing)) {
        WNDCLASSEXA windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = &CFrameWindow::FrameProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = icon;
        windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        windowClass.lpszClassName = className;
        if (!::RegisterClassExA(&windowClass))
            return false;
    }
    HWND hWnd = ::CreateWindowExA(exStyle, className, caption, style, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                  CW_USEDEFAULT, parent, nullptr, instance, this);
    return hWnd != nullptr;
}

LRESULT CFrameWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        OnClose();
        return 0;
    }
    return CWindow::WindowProc(message, wParam, lParam);
}

void CFrameWindow::OnNcDestroy()
{
    CApplication* application = CApplication::Instance();
    bool isMain = application && application->MainWindow() == this;
    CWindow::OnNcDestroy();
    if (isMain) {
        application->SetMainWindow(nullptr);
        ::PostQuitMessage(0);
    }
}

LRESULT CALLBACK CFrameWindow::FrameProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        if (auto* frame = static_cast<CFrameWindow*>(create->lpCreateParams))
            frame->Bind(hWnd);
    }
    CWindow* window = FromHandle(hWnd);
    if (!window)
        return ::DefWindowProcA(hWnd, message, wParam, lParam);
    return DispatchGuarded(*window, hWnd, message, wParam, lParam);
}
