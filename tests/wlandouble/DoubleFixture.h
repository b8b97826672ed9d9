// Tests of the Native Wifi double through the library's real binding (CreateSystemWlanApi),
// which loads wlanapi.dll from the system folder: the CTest entry runs with the double in
// the Wine prefix's system folder. The double's control comes from that same module.
#ifndef SKYLOOK_TESTS_WLANDOUBLE_DOUBLE_FIXTURE_H
#define SKYLOOK_TESTS_WLANDOUBLE_DOUBLE_FIXTURE_H

#include "SystemWlanApi.h"
#include "WlanDoubleControl.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

// Every notification delivered, with the thread it came on.
class CEventLog final : public IWlanEventSink {
public:
    void OnWlanEvent(const WlanEvent& event) override;
    // Waits (with a bound that only guards a hang) until done holds over the events so far.
    bool WaitFor(const std::function<bool(const std::vector<WlanEvent>&)>& done, DWORD limitMs = 5000);
    bool WaitForCode(DWORD source, DWORD code, size_t count = 1);
    std::vector<WlanEvent> Events();
    size_t Count(DWORD source, DWORD code);
    bool AllOffThread(DWORD callerThread);

private:
    std::mutex m_lock;
    std::condition_variable m_changed;
    std::vector<WlanEvent> m_events;
    std::vector<DWORD> m_threads;
};

struct TestProfile {
    TestProfile(std::string name, std::string ssid, std::string authentication = "open",
                std::string encryption = "none", std::string key = "")
        : Name(std::move(name)), Ssid(std::move(ssid)), Authentication(std::move(authentication)),
          Encryption(std::move(encryption)), Key(std::move(key))
    {
    }
    TestProfile NonBroadcastTrue() const { TestProfile p = *this; p.NonBroadcast = true; return p; }
    TestProfile AdHoc() const { TestProfile p = *this; p.Ibss = true; return p; }
    TestProfile Auto() const { TestProfile p = *this; p.AutoMode = true; return p; }
    TestProfile OneXTrue() const { TestProfile p = *this; p.OneX = true; return p; }

    std::string Name;
    std::string Ssid;
    std::string Authentication;
    std::string Encryption;
    std::string Key;  // keyMaterial as a passphrase; empty: no sharedKey
    bool NonBroadcast = false;
    bool Ibss = false;
    bool AutoMode = false;
    bool OneX = false;
};
std::wstring ProfileXml(const TestProfile& profile);
std::wstring Wide(const std::string& text);

class CDoubleTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A control command that must be accepted.
    void Control(const std::string& line);
    std::string Journal();
    size_t JournalCount(const std::string& line);
    // The first interface's GUID.
    const GUID& Card() const { return m_card; }
    // A notification of the double's own after everything queued so far: once it arrived,
    // anything before it that was going to come has come.
    void Fence();
    // Connects with a temporary profile and waits for connection_complete; its reason.
    DWORD Join(const TestProfile& profile);
    DWORD ReasonOf(const WlanEvent& event);
    FARPROC Raw(const char* name) const;

    std::unique_ptr<IWlanApi> m_api;
    CEventLog m_log;
    GUID m_card{};

private:
    HMODULE m_double = nullptr;
    WlanDoubleCommandFunction m_command = nullptr;
};

constexpr DWORD ReasonNetworkNotAvailable = 0x2800B;
constexpr DWORD ReasonKeyMismatch = 0x2800D;

#endif
