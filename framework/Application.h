// The application object: one per process, it starts the program and runs the message loop.
#ifndef SKYLOOK_FRAMEWORK_APPLICATION_H
#define SKYLOOK_FRAMEWORK_APPLICATION_H

#include <windows.h>

class CWindow;

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    static CApplication* Instance();

    // Start-up: true runs the message loop, false ends the program at once.
    virtual bool InitInstance() = 0;
    virtual int ExitInstance() { return 0; }

    // InitInstance, then the message loop; a failed start destroys the main window first.
    int Start();
    int RunMessageLoop();

    CWindow* MainWindow() const { return m_mainWindow; }
    void SetMainWindow(CWindow* window) { m_mainWindow = window; }

private:
    CWindow* m_mainWindow = nullptr;
};

#endif
