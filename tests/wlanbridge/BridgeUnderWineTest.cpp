// The built library against Wine's own Native Wifi, which lists no interface: the bridge
// stops there (Wine aborts the process on several later calls), so the program and
// skylookctl see no card. And the library exports exactly the adapter library's interface.
#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <set>
#include <string>

namespace {

std::string BridgeFolder()
{
    return BuildProgramFolder() + "wlanbridge\\";
}

std::set<std::string> ExportNames(HMODULE module, const char* prefix)
{
    std::set<std::string> names;
    const auto* base = reinterpret_cast<const unsigned char*>(module);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
    if (directory.Size == 0)
        return names;
    const auto* exports = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + directory.VirtualAddress);
    const auto* nameOffsets = reinterpret_cast<const DWORD*>(base + exports->AddressOfNames);
    for (DWORD i = 0; i < exports->NumberOfNames; ++i) {
        const std::string name = reinterpret_cast<const char*>(base + nameOffsets[i]);
        if (name.rfind(prefix, 0) == 0)
            names.insert(name);
    }
    return names;
}

// The bridge under a name of its own: this process may hold the software adapter's
// Vexa5200.dll, and a loader may hand that back for the same name.
class CLoadedBridge {
public:
    CLoadedBridge()
    {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "WlanBridgeUnderTest.dll";
        if (CopyFileA((BridgeFolder() + "Vexa5200.dll").c_str(), m_path.c_str(), FALSE))
            m_module = LoadLibraryExA(m_path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    }
    ~CLoadedBridge()
    {
        if (m_module)
            FreeLibrary(m_module);
        DeleteFileA(m_path.c_str());
    }
    HMODULE Module() const { return m_module; }

private:
    std::string m_path;
    HMODULE m_module = nullptr;
};

}  // namespace

TEST(BridgeUnderWine, ExportsTheAdapterLibrarysInterfaceAndNothingOfTheSimulator)
{
    CLoadedBridge bridge;
    ASSERT_TRUE(bridge.Module());
    // The software adapter's library, loaded beside this test (which links the bridge's code).
    const HMODULE software = LoadLibraryA((BuildProgramFolder() + "Vexa5200.dll").c_str());
    ASSERT_TRUE(software);
    const std::set<std::string> library = ExportNames(software, "Vexa5200");
    ASSERT_GT(library.size(), 30u);
    EXPECT_EQ(library, ExportNames(bridge.Module(), ""));
}

TEST(BridgeUnderWine, OpeningFindsNoInterfaceThroughTheSystemsWlanapi)
{
    CLoadedBridge bridge;
    ASSERT_TRUE(bridge.Module());
    using Open = int (*)(void**);
    using Connected = int (*)(void*);
    using RegistryPath = int (*)(void*, char*, unsigned long);
    const auto open = reinterpret_cast<Open>(reinterpret_cast<void*>(GetProcAddress(bridge.Module(), "Vexa5200OpenAdapter")));
    const auto connected = reinterpret_cast<Connected>(reinterpret_cast<void*>(GetProcAddress(bridge.Module(), "Vexa5200GetConnectStatus")));
    const auto path = reinterpret_cast<RegistryPath>(reinterpret_cast<void*>(GetProcAddress(bridge.Module(), "Vexa5200QueryRegistryPath")));
    ASSERT_TRUE(open && connected && path);

    void* handle = reinterpret_cast<void*>(1);
    EXPECT_NE(0, open(&handle));
    EXPECT_EQ(nullptr, handle);
    char text[128];
    EXPECT_NE(0, path(handle, text, sizeof text));
    EXPECT_EQ(0, connected(handle));

    // It was the system's wlanapi.dll that answered.
    const HMODULE wlanapi = GetModuleHandleA("wlanapi.dll");
    ASSERT_TRUE(wlanapi);
    char loaded[MAX_PATH] = {}, system[MAX_PATH] = {};
    GetModuleFileNameA(wlanapi, loaded, MAX_PATH);
    GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(0, _strnicmp(loaded, system, strlen(system))) << loaded;
}

TEST(BridgeUnderWine, SkylookctlBesideTheBridgeFindsNoCard)
{
    const std::string copy = BridgeFolder() + "skylookctl.exe";
    ASSERT_TRUE(CopyFileA((BuildProgramFolder() + "skylookctl.exe").c_str(), copy.c_str(), FALSE));
    CChildProcess ctl("\"" + copy + "\" status", CChildProcess::Streams::Captured);
    ASSERT_TRUE(ctl.Start());
    ASSERT_TRUE(ctl.WaitForEnd());
    DeleteFileA(copy.c_str());
    EXPECT_EQ(3u, ctl.ExitCode()) << ctl.Output() << ctl.Errors();
    EXPECT_NE(std::string::npos, ctl.Output().find("No Card Found")) << ctl.Output();
}
