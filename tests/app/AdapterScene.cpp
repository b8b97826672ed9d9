#include "AdapterScene.h"

#include <shellapi.h>

#include <cstring>

void Join(const char* ssid)
{
    ASSERT_EQ(0, Vexa5200SetSsid(AdapterHandle, ssid, static_cast<unsigned long>(std::strlen(ssid)), 0));
}

void AdapterScene::SetUp()
{
    ASSERT_EQ(0, VexaSimReset());
    ASSERT_EQ(0, VexaSimSetJoinDelay(0));
    ASSERT_EQ(0, Vexa5200OpenAdapter(&AdapterHandle));
    ASSERT_EQ(0, VexaSimClearJournal());
}

void AdapterScene::TearDown()
{
    if (AdapterHandle)
        Vexa5200CloseAdapter(&AdapterHandle);
    VexaSimClearFailures();
}

namespace {

// Keeps one icon of its own in the tray for the whole run. Wine hides its stand-alone tray
// window when the last icon goes, and without a window manager that takes two seconds.
class TrayKeeper : public testing::Environment {
public:
    void SetUp() override
    {
        m_window = ::CreateWindowA("STATIC", "tray keeper", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
        m_record = {};
        m_record.cbSize = sizeof m_record;
        m_record.hWnd = m_window;
        m_record.uID = 77;
        m_record.uFlags = NIF_ICON;
        m_record.hIcon = ::LoadIconA(nullptr, reinterpret_cast<LPCSTR>(IDI_APPLICATION));
        ::Shell_NotifyIconA(NIM_ADD, &m_record);
    }
    void TearDown() override
    {
        ::Shell_NotifyIconA(NIM_DELETE, &m_record);
        ::DestroyWindow(m_window);
    }

private:
    HWND m_window = nullptr;
    NOTIFYICONDATAA m_record = {};
};

const testing::Environment* const Keeper = testing::AddGlobalTestEnvironment(new TrayKeeper);

}  // namespace
