#include "AdapterTestSupport.h"
#include "MachineRegistry.h"
#include "adapter/ZeroConfig.h"
#include "framework/Handles.h"

#include <windows.h>

#include <cstring>

namespace {

constexpr const char* ServiceKey = "SOFTWARE\\Microsoft\\WZCSVC";
constexpr const char* TestInterface = "{5A1C0E2B-7D3F-4E88-9B21-0C6F5E4D3A21}";

std::string InterfaceKey(const char* id)
{
    return std::string(ZeroConfigInterfacesKey) + id;
}

void SetInstanceId(const char* id)
{
    std::memset(AdapterInstanceId, 0, sizeof(AdapterInstanceId));
    std::strncpy(AdapterInstanceId, id, sizeof(AdapterInstanceId) - 1);
}

}  // namespace

// Writes the service's interface data under HKEY_LOCAL_MACHINE and removes what it added.
class ZeroConfigTest : public testing::Test {
protected:
    void SetUp() override
    {
        serviceExisted_ = KeyExists(ServiceKey);
        DeleteKeyTree(InterfaceKey(TestInterface));
        SetInstanceId(TestInterface);
    }

    void TearDown() override
    {
        DeleteKeyTree(serviceExisted_ ? InterfaceKey(TestInterface) : ServiceKey);
        SetInstanceId("");
    }

    static void WriteFlags(const Bytes& flags, DWORD type = REG_DWORD)
    {
        WriteValue(InterfaceKey(TestInterface), "ControlFlags", flags, type);
    }

private:
    bool serviceExisted_ = false;
};

// The flags are the value's bytes read into 4, whatever the value's type.
TEST_F(ZeroConfigTest, Bit15OfControlFlagsDecides)
{
    const struct {
        Bytes Flags;
        DWORD Type;
        bool Managed;
    } cases[] = {
        {Number(0x8000), REG_DWORD, true},      {Number(0xFFFFFFFF), REG_DWORD, true},
        {Number(0x00018001), REG_DWORD, true},  {Number(0), REG_DWORD, false},
        {Number(0x7FFF), REG_DWORD, false},     {Number(0xFFFF7FFF), REG_DWORD, false},
        {Number(0x8000), REG_BINARY, true},     {Number(0x7FFF), REG_BINARY, false},
        {{0x00, 0x80}, REG_BINARY, true},  // shorter: the rest reads as zero
        {{0x00, 0x80, 0x00, 0x00, 0x00}, REG_BINARY, false},  // too long for 4 bytes: no flags
    };
    for (const auto& c : cases) {
        WriteFlags(c.Flags, c.Type);
        EXPECT_EQ(c.Managed, IsZeroConfigManaging()) << Hex(c.Flags.data(), c.Flags.size()) << " type " << c.Type;
    }
}

TEST_F(ZeroConfigTest, MissingInterfaceKeyCountsAsManaged)
{
    EXPECT_TRUE(IsZeroConfigManaging());
}

TEST_F(ZeroConfigTest, KeyWithoutReadableFlagsCountsAsNotManaged)
{
    CreateKeyPath(InterfaceKey(TestInterface));
    EXPECT_FALSE(IsZeroConfigManaging());
    WriteFlags({'3', '2', '7', '6', '8', 0}, REG_SZ);
    EXPECT_FALSE(IsZeroConfigManaging());
}

TEST_F(ZeroConfigTest, EmptyInstanceIdAsksTheInterfacesKeyItself)
{
    CreateKeyPath(InterfaceKey(TestInterface));
    SetInstanceId("");
    EXPECT_FALSE(IsZeroConfigManaging());
}

TEST_F(ZeroConfigTest, UnterminatedInstanceIdIsCutToTheBuffer)
{
    std::memset(AdapterInstanceId, 'A', sizeof(AdapterInstanceId));
    EXPECT_TRUE(IsZeroConfigManaging());

    const std::string cut(sizeof(AdapterInstanceId) - 1, 'A');
    WriteValue(InterfaceKey(cut.c_str()), "ControlFlags", Number(0), REG_DWORD);
    EXPECT_FALSE(IsZeroConfigManaging());
    DeleteKeyTree(InterfaceKey(cut.c_str()));
}

namespace {

BOOL CALLBACK CountVisibleWindow(HWND window, LPARAM count)
{
    if (IsWindowVisible(window))
        ++*reinterpret_cast<int*>(count);
    return TRUE;
}

int VisibleWindowsOfThisThread()
{
    int count = 0;
    EnumThreadWindows(GetCurrentThreadId(), CountVisibleWindow, reinterpret_cast<LPARAM>(&count));
    return count;
}

}  // namespace

TEST_F(ZeroConfigTest, PropertiesPageFailsSilentlyWithoutTheShellFolder)
{
    CRegistryKey classKey;
    const bool folderRegistered = RegOpenKeyExA(HKEY_CLASSES_ROOT, "CLSID\\{7007ACC7-3202-11D1-AAD2-00805FC1270E}",
                                                0, KEY_READ, classKey.Receive()) == ERROR_SUCCESS;
    if (folderRegistered)
        GTEST_SKIP() << "this system's shell has the Network Connections folder";

    EXPECT_FALSE(OpenZeroConfigProperties());
    EXPECT_EQ(0, VisibleWindowsOfThisThread());

    // COM is left as it was found: the thread can still initialise it the usual way.
    const HRESULT initialised = CoInitialize(nullptr);
    EXPECT_EQ(S_OK, initialised);
    if (SUCCEEDED(initialised))
        CoUninitialize();
}
