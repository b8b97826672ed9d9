#include "Application.h"
#include "Waiting.h"
#include "FrameWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

const char* const TestClassName = "SkylookFrameworkTestFrame";

// Records which handler saw which message, in order.
class CRecordingFrame : public CFrameWindow {
public:
    std::vector<std::string> log;
    bool failCreate = false;
    bool throwOnCommand = false;
    UINT registeredMessage = 0;

protected:
    bool OnCreate(CREATESTRUCTA* create) override
    {
        log.push_back(std::string("create:") + (create && create->lpszName ? create->lpszName : ""));
        return !failCreate;
    }
    void OnDestroy() override { log.push_back("destroy"); }
    bool OnCommand(WORD id, WORD code, HWND) override
    {
        if (throwOnCommand)
            throw std::runtime_error("handler failed");
        log.push_back("command:" + std::to_string(id) + ":" + std::to_string(code));
        return id != 999;
    }
    bool OnNotify(NMHDR* header, LRESULT& result) override
    {
        log.push_back("notify:" + std::to_string(header->code));
        result = 55;
        return true;
    }
    bool OnTimer(UINT_PTR id) override
    {
        log.push_back("timer:" + std::to_string(id));
        return true;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (registeredMessage && message == registeredMessage) {
            log.push_back("registered:" + std::to_string(wParam) + ":" + std::to_string(lParam));
            result = 0x1234;
            return true;
        }
        return false;
    }
};

TEST(WindowDispatch, HandlersSeeTheirMessagesAndTheRestGoesToTheDefault)
{
    CRecordingFrame frame;
    frame.registeredMessage = ::RegisterWindowMessageA("SkylookFrameworkTest.Message");
    ASSERT_TRUE(frame.Create(TestClassName, "Recorder", WS_OVERLAPPEDWINDOW));
    EXPECT_FALSE(frame.IsVisible());
    EXPECT_EQ(&frame, CWindow::FromHandle(frame));

    frame.Send(WM_COMMAND, MAKEWPARAM(2024, 0), 0);
    NMHDR header = {frame.Handle(), 7, static_cast<UINT>(-2)};
    EXPECT_EQ(55, frame.Send(WM_NOTIFY, 7, reinterpret_cast<LPARAM>(&header)));
    EXPECT_EQ(0x1234, frame.Send(frame.registeredMessage, 3, 0x205));
    frame.Send(WM_TIMER, 100, 0);
    // Left to DefWindowProc: the caption comes back.
    EXPECT_EQ("Recorder", frame.GetText());

    ASSERT_TRUE(frame.DestroyWindow());
    EXPECT_EQ(nullptr, frame.Handle());

    std::vector<std::string> expected = {"create:Recorder", "command:2024:0", "notify:4294967294",
                                         "registered:3:517", "timer:100", "destroy"};
    EXPECT_EQ(expected, frame.log);
}

TEST(WindowDispatch, FailedCreateLeavesNoWindowBound)
{
    CRecordingFrame frame;
    frame.failCreate = true;
    EXPECT_FALSE(frame.Create(TestClassName, "Refused", WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(nullptr, frame.Handle());
    EXPECT_EQ(nullptr, ::FindWindowA(TestClassName, "Refused"));
}

TEST(WindowDispatch, AnExceptionInAHandlerStaysInsideTheWindowProcedure)
{
    CRecordingFrame frame;
    ASSERT_TRUE(frame.Create(TestClassName, "Thrower", WS_OVERLAPPEDWINDOW));
    frame.throwOnCommand = true;
    EXPECT_EQ(0, frame.Send(WM_COMMAND, MAKEWPARAM(1, 0), 0));
    frame.throwOnCommand = false;
    // The window goes on working.
    frame.Send(WM_COMMAND, MAKEWPARAM(2, 0), 0);
    EXPECT_EQ("command:2:0", frame.log.back());
    frame.DestroyWindow();
}

TEST(WindowDispatch, AnObjectThatGoesFirstLeavesTheWindowWorking)
{
    HWND hWnd = nullptr;
    {
        CRecordingFrame frame;
        ASSERT_TRUE(frame.Create(TestClassName, "Orphan", WS_OVERLAPPEDWINDOW));
        hWnd = frame;
    }
    EXPECT_EQ(nullptr, CWindow::FromHandle(hWnd));
    // Messages now reach the default procedure only, not a dead object.
    ::SendMessageA(hWnd, WM_COMMAND, 1, 0);
    ::SendMessageA(hWnd, WM_TIMER, 1, 0);
    EXPECT_TRUE(::DestroyWindow(hWnd));
}

// A frame that runs the timer pattern of the program: kill, serve, arm again; after three
// ticks it posts itself a registered message whose handler closes the window.
class CTickingFrame : public CRecordingFrame {
public:
    int ticks = 0;
    bool destroyCalled = false;

    bool DestroyWindow() override
    {
        destroyCalled = true;
        return CRecordingFrame::DestroyWindow();
    }

protected:
    bool OnTimer(UINT_PTR id) override
    {
        StopTimer(id);
        if (++ticks == 3) {
            Post(registeredMessage, 0, 0);
            return true;
        }
        StartTimer(id, 10);
        return true;
    }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override
    {
        if (message == registeredMessage) {
            DestroyWindow();
            return true;
        }
        return CRecordingFrame::OnMessage(message, wParam, lParam, result);
    }
};

class CTestApplication : public CApplication {
public:
    CTickingFrame frame;
    bool startResult = true;
    int exitCalls = 0;

    bool InitInstance() override
    {
        frame.registeredMessage = ::RegisterWindowMessageA("SkylookFrameworkTest.Close");
        if (!frame.Create(TestClassName, "Ticking", WS_OVERLAPPEDWINDOW))
            return false;
        SetMainWindow(&frame);
        frame.StartTimer(100, 10);
        return startResult;
    }
    int ExitInstance() override
    {
        ++exitCalls;
        return 0;
    }
};

TEST(Application, TheMainFrameTicksUntilItClosesAndThenTheLoopEnds)
{
    CTestApplication application;
    EXPECT_EQ(&application, CApplication::Instance());
    EXPECT_EQ(0, application.Start());
    EXPECT_EQ(3, application.frame.ticks);
    EXPECT_TRUE(application.frame.destroyCalled);
    EXPECT_EQ(nullptr, application.frame.Handle());
    EXPECT_EQ(nullptr, application.MainWindow());
    EXPECT_EQ(1, application.exitCalls);
}

TEST(Application, ClosingAFrameGoesThroughItsDestroyWindow)
{
    CTickingFrame frame;
    ASSERT_TRUE(frame.Create(TestClassName, "Closing", WS_OVERLAPPEDWINDOW));
    EXPECT_EQ(0, frame.Send(WM_CLOSE));
    EXPECT_TRUE(frame.destroyCalled);
    EXPECT_EQ(nullptr, frame.Handle());
}

TEST(Application, AStartThatFailsDestroysTheMainWindowWithoutRunningTheLoop)
{
    CTestApplication application;
    application.startResult = false;
    EXPECT_EQ(0, application.Start());
    EXPECT_TRUE(application.frame.destroyCalled);
    EXPECT_EQ(0, application.frame.ticks);
    EXPECT_EQ(nullptr, ::FindWindowA(TestClassName, "Ticking"));
    EXPECT_EQ(1, application.exitCalls);
    // The quit message that the main window's end posted must not leak into the next loop.
    DiscardMessages();
}

TEST(Application, OnlyTheMainWindowEndsTheMessageLoop)
{
    CTestApplication application;
    CRecordingFrame other;
    ASSERT_TRUE(other.Create(TestClassName, "Other", WS_OVERLAPPEDWINDOW));
    other.DestroyWindow();
    MSG message;
    EXPECT_FALSE(::PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

}  // namespace
