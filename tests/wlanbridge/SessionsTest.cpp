// The library's handles and the interface key it reports, around the adapter logic.
#include "BridgeSessions.h"
#include "FakeWlanApi.h"
#include "NetworkClassKey.h"
#include "SystemWlanApi.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace {

const GUID Card = {0x7E4B9A31, 0x52C0, 0x4D8E, {0x9F, 0x16, 0x3A, 0x5C, 0x0B, 0x2D, 0x8E, 0x47}};

// Every session gets a fake with one card, owned by the session as the real binding is.
class ScriptedSessions : public ::testing::Test {
protected:
    ScriptedSessions()
    {
        SetWlanApiFactory([this]() -> std::unique_ptr<IWlanApi> {
            auto api = std::make_unique<CFakeWlanApi>();
            if (withCard)
                api->Interfaces = {{Card, L"Card", wlan_interface_state_disconnected}};
            return api;
        });
    }
    ~ScriptedSessions() override { SetWlanApiFactory([] { return CreateSystemWlanApi(); }); }

    bool withCard = true;
};

class CScratchKey {
public:
    explicit CScratchKey(const char* path) : m_path(path) { RegDeleteTreeA(HKEY_CURRENT_USER, m_path); }
    ~CScratchKey() { RegDeleteTreeA(HKEY_CURRENT_USER, m_path); }
    void Instance(const char* subkey, const char* id) const
    {
        HKEY key = nullptr;
        const std::string path = std::string(m_path) + "\\" + subkey;
        RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
        if (id)
            RegSetValueExA(key, "NetCfgInstanceId", 0, REG_SZ, reinterpret_cast<const BYTE*>(id),
                           static_cast<DWORD>(strlen(id) + 1));
        RegCloseKey(key);
    }

private:
    const char* m_path;
};

}  // namespace

TEST_F(ScriptedSessions, AHandleIsUsableFromOpenToCloseOnly)
{
    void* handle = OpenSession();
    ASSERT_TRUE(handle);
    int calls = 0;
    EXPECT_EQ(0, WithSession(handle, [&](CWlanAdapter&) { return ++calls, 0; }));
    EXPECT_EQ(1, WithSession(reinterpret_cast<char*>(handle) + 1, [&](CWlanAdapter&) { return ++calls, 0; }));
    EXPECT_TRUE(CloseSession(handle));
    EXPECT_FALSE(CloseSession(handle));
    EXPECT_EQ(1, WithSession(handle, [&](CWlanAdapter&) { return ++calls, 0; }));
    EXPECT_EQ(1, calls);

    withCard = false;
    EXPECT_EQ(nullptr, OpenSession());
}

TEST(NetworkClassKey, TheInterfacesSubkeyElseTheClassKey)
{
    const char* classPath = "Software\\SkylookTest\\NetworkClass";
    CScratchKey scratch(classPath);
    scratch.Instance("0000", "{00000000-0000-0000-0000-000000000000}");
    scratch.Instance("0001", nullptr);
    scratch.Instance("0002", "{7e4b9a31-52c0-4d8e-9f16-3a5c0b2d8e47}");  // the registry's case may differ
    EXPECT_EQ(std::string(classPath) + "\\0002", NetworkClassKeyPath(HKEY_CURRENT_USER, classPath, Card));

    const GUID other = {0x1, 0x2, 0x3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(classPath, NetworkClassKeyPath(HKEY_CURRENT_USER, classPath, other));
    EXPECT_EQ("Software\\NoSuchKey", NetworkClassKeyPath(HKEY_CURRENT_USER, "Software\\NoSuchKey", Card));
}

TEST(NetworkClassKey, GuidTextRoundTripsAndRefusesMalformedText)
{
    EXPECT_EQ("{7E4B9A31-52C0-4D8E-9F16-3A5C0B2D8E47}", GuidText(Card));
    GUID read{};
    ASSERT_TRUE(GuidFromText("{7e4b9a31-52c0-4d8e-9f16-3a5c0b2d8e47}", read));
    EXPECT_TRUE(IsEqualGUID(Card, read));
    for (const char* bad : {"", "7E4B9A31-52C0-4D8E-9F16-3A5C0B2D8E47", "{7E4B9A31-52C0-4D8E-9F16-3A5C0B2D8E4}",
                            "{7E4B9A31-52C0-4D8E-9F16-3A5C0B2D8E47}x", "{7E4B9A31-52C0-4D8E-9F16}"})
        EXPECT_FALSE(GuidFromText(bad, read)) << bad;
}
