#include "DoubleFixture.h"

#include <algorithm>
#include <cstring>

void CEventLog::OnWlanEvent(const WlanEvent& event)
{
    std::lock_guard<std::mutex> guard(m_lock);
    m_events.push_back(event);
    m_threads.push_back(GetCurrentThreadId());
    m_changed.notify_all();
}

bool CEventLog::WaitFor(const std::function<bool(const std::vector<WlanEvent>&)>& done, DWORD limitMs)
{
    std::unique_lock<std::mutex> guard(m_lock);
    return m_changed.wait_for(guard, std::chrono::milliseconds(limitMs), [&] { return done(m_events); });
}

bool CEventLog::WaitForCode(DWORD source, DWORD code, size_t count)
{
    return WaitFor([&](const std::vector<WlanEvent>& events) {
        return static_cast<size_t>(std::count_if(events.begin(), events.end(), [&](const WlanEvent& e) {
                   return e.Source == source && e.Code == code;
               })) >= count;
    });
}

std::vector<WlanEvent> CEventLog::Events()
{
    std::lock_guard<std::mutex> guard(m_lock);
    return m_events;
}

size_t CEventLog::Count(DWORD source, DWORD code)
{
    std::lock_guard<std::mutex> guard(m_lock);
    return static_cast<size_t>(std::count_if(m_events.begin(), m_events.end(), [&](const WlanEvent& e) {
        return e.Source == source && e.Code == code;
    }));
}

bool CEventLog::AllOffThread(DWORD callerThread)
{
    std::lock_guard<std::mutex> guard(m_lock);
    return std::find(m_threads.begin(), m_threads.end(), callerThread) == m_threads.end();
}

std::wstring Wide(const std::string& text)
{
    std::wstring wide(text.size() + 1, L'\0');
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    wide.resize(length > 0 ? static_cast<size_t>(length - 1) : 0);
    return wide;
}

std::wstring ProfileXml(const TestProfile& s)
{
    std::string xml = "<?xml version=\"1.0\"?>\n"
                      "<WLANProfile xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v1\">\n"
                      "<name>" + s.Name + "</name>\n<SSIDConfig><SSID><name>" + s.Ssid + "</name></SSID>" +
                      (s.NonBroadcast ? "<nonBroadcast>true</nonBroadcast>" : "") + "</SSIDConfig>\n" +
                      "<connectionType>" + (s.Ibss ? "IBSS" : "ESS") + "</connectionType>\n" +
                      "<connectionMode>" + (s.AutoMode ? "auto" : "manual") + "</connectionMode>\n" +
                      "<MSM><security><authEncryption><authentication>" + s.Authentication + "</authentication>" +
                      "<encryption>" + s.Encryption + "</encryption><useOneX>" + (s.OneX ? "true" : "false") +
                      "</useOneX></authEncryption>";
    if (!s.Key.empty())
        xml += "<sharedKey><keyType>passPhrase</keyType><protected>false</protected><keyMaterial>" + s.Key +
               "</keyMaterial></sharedKey>";
    xml += "</security></MSM>\n</WLANProfile>\n";
    return Wide(xml);
}

void CDoubleTest::SetUp()
{
    m_api = CreateSystemWlanApi();
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->Open());
    // The binding loaded wlanapi.dll from the system folder: it must be the double.
    m_double = GetModuleHandleA("wlanapi.dll");
    ASSERT_TRUE(m_double);
    m_command = reinterpret_cast<WlanDoubleCommandFunction>(reinterpret_cast<void*>(GetProcAddress(m_double, "WlanDoubleCommand")));
    ASSERT_TRUE(m_command) << "the system's wlanapi.dll is not the Native Wifi double";
    Control("reset");
    Control("join-delay 0");
    Control("scan-delay 0");
    Control("auto-connect off");
    std::vector<WlanInterfaceInfo> interfaces;
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->EnumInterfaces(interfaces));
    ASSERT_EQ(1u, interfaces.size());
    m_card = interfaces[0].Guid;
    ASSERT_EQ(DWORD{ERROR_SUCCESS}, m_api->RegisterNotifications(&m_log));
    Control("journal --clear");
}

void CDoubleTest::TearDown()
{
    if (m_api)
        m_api->Close();
    // Every block the double handed to the binding was freed through WlanFreeMemory.
    const auto outstanding = reinterpret_cast<WlanDoubleOutstandingAllocationsFunction>(
        reinterpret_cast<void*>(GetProcAddress(m_double, "WlanDoubleOutstandingAllocations")));
    if (outstanding) {
        EXPECT_EQ(0, outstanding());
    }
}

void CDoubleTest::Control(const std::string& line)
{
    char output[4096];
    ASSERT_EQ(0, m_command(line.c_str(), output, sizeof output)) << line << ": " << output;
}

std::string CDoubleTest::Journal()
{
    // Whole, however long: a test that polls the program's status writes many lines.
    const auto read = reinterpret_cast<WlanDoubleReadJournalFunction>(reinterpret_cast<void*>(Raw("WlanDoubleReadJournal")));
    unsigned long needed = 0;
    std::vector<char> text(65536);
    if (!read)
        return std::string();
    read(text.data(), static_cast<unsigned long>(text.size()), &needed);
    if (needed > text.size()) {
        text.resize(needed);
        read(text.data(), static_cast<unsigned long>(text.size()), &needed);
    }
    return text.data();
}

size_t CDoubleTest::JournalCount(const std::string& line)
{
    const std::string journal = "\n" + Journal();
    size_t count = 0;
    for (size_t at = journal.find("\n" + line + "\n"); at != std::string::npos;
         at = journal.find("\n" + line + "\n", at + 1))
        ++count;
    return count;
}

void CDoubleTest::Fence()
{
    // A second card comes and goes: notifications that leave the first card's link alone.
    const size_t before = m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_interface_removal);
    Control("interface second add");
    Control("interface second remove");
    ASSERT_TRUE(m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_interface_removal, before + 1));
}

DWORD CDoubleTest::ReasonOf(const WlanEvent& event)
{
    WLAN_CONNECTION_NOTIFICATION_DATA data{};
    if (event.Data.size() < offsetof(WLAN_CONNECTION_NOTIFICATION_DATA, dwFlags))
        return 0xFFFFFFFF;
    std::memcpy(&data, event.Data.data(), std::min(sizeof data, event.Data.size()));
    return data.wlanReasonCode;
}

DWORD CDoubleTest::Join(const TestProfile& profile)
{
    const std::wstring xml = ProfileXml(profile);
    const size_t before = m_log.Count(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete);
    EXPECT_EQ(DWORD{ERROR_SUCCESS},
              m_api->Connect(m_card, {wlan_connection_mode_temporary_profile, xml, dot11_BSS_type_infrastructure, 0}));
    if (!m_log.WaitForCode(WLAN_NOTIFICATION_SOURCE_ACM, wlan_notification_acm_connection_complete, before + 1))
        return 0xFFFFFFFF;
    const std::vector<WlanEvent> events = m_log.Events();
    for (auto it = events.rbegin(); it != events.rend(); ++it)
        if (it->Source == WLAN_NOTIFICATION_SOURCE_ACM && it->Code == wlan_notification_acm_connection_complete)
            return ReasonOf(*it);
    return 0xFFFFFFFF;
}

FARPROC CDoubleTest::Raw(const char* name) const
{
    return GetProcAddress(m_double, name);
}
