// The installer and its uninstaller, run quietly as an administrator's script would: into a
// scratch folder, again over a running copy, and out again with the user's settings kept.
#include "ChildProcess.h"
#include "KeySecurity.h"
#include "MachineRegistry.h"
#include "protocol/ProgramWindow.h"
#include "settings/RegistryTree.h"
#include "framework/Handles.h"
#include "version.h"

#include <gtest/gtest.h>
#include <shlobj.h>
#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

const std::string UninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Skylook";
const std::string RunKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char* const RunValue = "Skylook";
const std::string SettingsKey = "SOFTWARE\\KT60";

std::string Quoted(const std::string& text)
{
    return std::string(1, '"') + text + '"';
}

std::string TempFolder()
{
    char path[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, path);
    return path;
}

// With a blank, as under Program Files, so that every path the installer writes must be quoted.
std::string InstallFolder()
{
    return TempFolder() + "Skylook install test";
}

std::string ShortcutPath()
{
    char path[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, CSIDL_COMMON_PROGRAMS, nullptr, SHGFP_TYPE_CURRENT, path);
    return std::string(path) + "\\Skylook.lnk";
}

bool FileExists(const std::string& path)
{
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

Bytes FileBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

void WriteFileBytes(const std::string& path, const Bytes& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(file.good()) << path;
}

// Whether a file holds the same bytes as the build's own, with both sizes when it does not.
testing::AssertionResult SameFile(const std::string& built, const std::string& installed)
{
    const Bytes expected = FileBytes(built);
    const Bytes actual = FileBytes(installed);
    if (actual == expected)
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << installed << " (" << actual.size() << " bytes) differs from " << built
                                       << " (" << expected.size() << " bytes)";
}

// The same file with bytes after its end, which Windows ignores when it loads the file.
Bytes Marked(Bytes bytes)
{
    const std::string mark = "put here before the install";
    bytes.insert(bytes.end(), mark.begin(), mark.end());
    return bytes;
}

std::vector<std::string> FolderEntries(const std::string& folder)
{
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return names;
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names.push_back(name);
    } while (::FindNextFileA(search, &found));
    ::FindClose(search);
    return names;
}

std::string Text(const std::string& key, const char* name)
{
    const Bytes bytes = ReadValue(key, name);
    return std::string(bytes.begin(), std::find(bytes.begin(), bytes.end(), '\0'));
}

std::string AdapterStateFile()
{
    char path[MAX_PATH] = {};
    ::SHGetFolderPathA(nullptr, CSIDL_COMMON_APPDATA, nullptr, SHGFP_TYPE_CURRENT, path);
    return std::string(path) + "\\Vexa5200\\AdapterState.bin";
}

// Whether the file carries a symbol table (the linker's, which strip removes).
bool HasSymbolTable(const std::string& path)
{
    const Bytes bytes = FileBytes(path);
    if (bytes.size() < sizeof(IMAGE_DOS_HEADER))
        return false;
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(bytes.data());
    const size_t header = static_cast<size_t>(dos->e_lfanew) + sizeof(DWORD);
    if (header + sizeof(IMAGE_FILE_HEADER) > bytes.size())
        return false;
    const auto* file = reinterpret_cast<const IMAGE_FILE_HEADER*>(bytes.data() + header);
    return file->PointerToSymbolTable != 0 && file->NumberOfSymbols != 0;
}

std::string ShortcutTarget(const std::string& path)
{
    ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::string target;
    {
        CComPtr<IShellLinkA> link;
        CComPtr<IPersistFile> file;
        std::wstring widePath(path.begin(), path.end());
        char text[MAX_PATH] = {};
        if (SUCCEEDED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                         link.ReceiveVoid())) &&
            SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid())) &&
            SUCCEEDED(file->Load(widePath.c_str(), STGM_READ)) &&
            SUCCEEDED(link->GetPath(text, MAX_PATH, nullptr, 0)))
            target = text;
    }
    ::CoUninitialize();
    return target;
}

std::string VersionText(const std::string& path, const char* name)
{
    Bytes block(::GetFileVersionInfoSizeA(path.c_str(), nullptr));
    char* text = nullptr;
    UINT length = 0;
    if (block.empty() || !::GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) ||
        !::VerQueryValueA(block.data(), (std::string("\\StringFileInfo\\040904B0\\") + name).c_str(),
                          reinterpret_cast<void**>(&text), &length))
        return "";
    return text;
}

// True while any process runs the program, from wherever it was started.
bool ProgramProcessRunning()
{
    HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    bool found = false;
    for (BOOL more = ::Process32First(snapshot, &entry); more && !found; more = ::Process32Next(snapshot, &entry))
        found = ::lstrcmpiA(entry.szExeFile, "skylook.exe") == 0;
    ::CloseHandle(snapshot);
    return found;
}

DWORD RunToEnd(const std::string& commandLine)
{
    CChildProcess process(commandLine);
    if (!process.Start() || !process.WaitForEnd())
        return STILL_ACTIVE;
    return process.ExitCode();
}

// A second folder, for a move of the install.
std::string OtherInstallFolder()
{
    return TempFolder() + "Skylook other folder";
}

void RemoveFolder(const std::string& folder)
{
    for (const std::string& name : FolderEntries(folder))
        ::DeleteFileA((folder + "\\" + name).c_str());
    ::RemoveDirectoryA(folder.c_str());
}

// What an earlier, failed run may have left.
void RemoveInstallation()
{
    RemoveFolder(InstallFolder());
    RemoveFolder(OtherInstallFolder());
    ::DeleteFileA(ShortcutPath().c_str());
    ::RegDeleteKeyValueA(HKEY_LOCAL_MACHINE, RunKey.c_str(), RunValue);
    DeleteKeyTree(UninstallKey);
}

class Installer : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(nullptr, ::FindWindowA(nullptr, MainFrameCaption)) << "a copy is still running";
        RemoveInstallation();
    }
    void TearDown() override
    {
        RemoveInstallation();
        DeleteKeyTree(SettingsKey + "\\PROFILE\\Installer test");
    }

    // As the uninstaller runs itself: from a copy elsewhere, told the folder, so that it can
    // remove its own file.
    DWORD RunUninstaller(const std::string& options = "") { return RunUninstallerOf(m_folder, options); }
    DWORD RunUninstallerOf(const std::string& folder, const std::string& options = "")
    {
        const std::string copy = TempFolder() + "skylook-uninstall.exe";
        if (!::CopyFileA((folder + "\\uninstall.exe").c_str(), copy.c_str(), FALSE))
            return ::GetLastError();
        const DWORD result = RunToEnd(Quoted(copy) + " /S" + options + " _?=" + folder);
        ::DeleteFileA(copy.c_str());
        return result;
    }

    const std::string m_build = BuildProgramFolder();
    // The stripped copies the packages hold.
    const std::string m_packaged = m_build + "..\\dist\\files\\";
    const std::string m_setup = Quoted(m_build + "..\\dist\\skylook-" SKYLOOK_VERSION_TEXT "-setup.exe");
    const std::string m_folder = InstallFolder();
    const std::string m_program = m_folder + "\\skylook.exe";
};

TEST_F(Installer, InstallsQuietlyReplacesARunningCopyAndUninstallsKeepingTheSettings)
{
    // A store from before, without the grant: whatever earlier runs granted goes with it.
    DeleteKeyTree(SettingsKey);
    const std::string storedProfile = SettingsKey + "\\PROFILE\\Installer test";
    WriteValue(storedProfile, "SSID", Bytes{'L', 'a', 'b', 0});
    {
        SCOPED_TRACE("a quiet install: the program with its entries, no software adapter, not started");
        ASSERT_EQ(0u, RunToEnd(m_setup + " /S /D=" + m_folder));
        EXPECT_FALSE(ProgramProcessRunning());
        EXPECT_TRUE(SameFile(m_packaged + "skylook.exe", m_program));
        EXPECT_TRUE(SameFile(m_packaged + "skylookctl.exe", m_folder + "\\skylookctl.exe"));
        EXPECT_TRUE(HasSymbolTable(m_build + "skylook.exe")) << "the build's own file keeps its symbols";
        EXPECT_FALSE(HasSymbolTable(m_program)) << "installed with its symbols";
        EXPECT_FALSE(HasSymbolTable(m_folder + "\\skylookctl.exe")) << "installed with its symbols";
        EXPECT_TRUE(FileExists(m_folder + "\\uninstall.exe"));
        EXPECT_FALSE(FileExists(m_folder + "\\Vexa5200.dll"));
        EXPECT_FALSE(FileExists(m_folder + "\\vexasim.exe"));
        EXPECT_EQ(Quoted(m_program), Text(RunKey, RunValue));
        EXPECT_EQ(m_program, ShortcutTarget(ShortcutPath()));

        EXPECT_EQ("Kelbrin 802.11g Skylook", Text(UninstallKey, "DisplayName"));
        EXPECT_EQ(SKYLOOK_VERSION_TEXT, Text(UninstallKey, "DisplayVersion"));
        EXPECT_EQ("Kelbrin", Text(UninstallKey, "Publisher"));
        EXPECT_EQ(Quoted(m_folder + "\\uninstall.exe"), Text(UninstallKey, "UninstallString"));
        EXPECT_EQ(Quoted(m_folder + "\\uninstall.exe") + " /S", Text(UninstallKey, "QuietUninstallString"));
        const Bytes kilobytes = ReadValue(UninstallKey, "EstimatedSize");
        ASSERT_EQ(4u, kilobytes.size());
        EXPECT_GE(static_cast<size_t>(kilobytes[0] | kilobytes[1] << 8 | kilobytes[2] << 16),
                  FileBytes(m_program).size() / 1024);

        EXPECT_EQ(SKYLOOK_VERSION_TEXT, VersionText(m_program, "ProductVersion"));
        EXPECT_EQ(SKYLOOK_VERSION_TEXT, VersionText(m_program, "FileVersion"));
        EXPECT_EQ("Kelbrin 802.11g Skylook", VersionText(m_program, "ProductName"));
    }
    // What each key grants is read back by TheGrantGivesEachKeyItsOwnRightsAndLeavesALinksTargetAlone.
    EXPECT_EQ(KEY_READ | KEY_SET_VALUE | DELETE, UsersAccess(storedProfile).OnKey) << "a profile stored before";
    const std::string grantedSecurity = KeySecurityText(SettingsKey);

    const Bytes placedLibrary = Marked(FileBytes(m_build + "Vexa5200.dll"));
    {
        SCOPED_TRACE("a quiet install with the software adapter over a running copy and the card's library");
        WriteFileBytes(m_folder + "\\Vexa5200.dll", placedLibrary);
        WriteFileBytes(m_program, Marked(FileBytes(m_program)));
        CChildProcess running(Quoted(m_program));
        ASSERT_TRUE(running.Start());
        ASSERT_NE(nullptr, running.WaitForFrame());

        ASSERT_EQ(0u, RunToEnd(m_setup + " /S /ADAPTER /D=" + m_folder));
        EXPECT_FALSE(running.Running());
        EXPECT_EQ(0u, running.ExitCode()) << "the running copy was not asked to exit";
        EXPECT_TRUE(SameFile(m_packaged + "skylook.exe", m_program));
        EXPECT_TRUE(SameFile(m_packaged + "vexasim.exe", m_folder + "\\vexasim.exe"));
        EXPECT_TRUE(placedLibrary == FileBytes(m_folder + "\\Vexa5200.dll")) << "replaced";
        EXPECT_EQ(grantedSecurity, KeySecurityText(SettingsKey)) << "a second install grants nothing more";
    }
    {
        SCOPED_TRACE("a quiet uninstall while the program runs, with a profile stored");
        WriteValue(SettingsKey + "\\PROFILE\\Installer test", "SSID", Bytes{'L', 'a', 'b', 0});
        const RegistrySnapshot settings = SnapshotKey(SettingsKey);
        CChildProcess running(Quoted(m_program));
        ASSERT_TRUE(running.Start());
        ASSERT_NE(nullptr, running.WaitForFrame());

        EXPECT_EQ(0u, RunUninstaller());

        EXPECT_FALSE(running.Running());
        // The library that was there before the software adapter was installed stays.
        EXPECT_EQ(std::vector<std::string>{"Vexa5200.dll"}, FolderEntries(m_folder));
        EXPECT_FALSE(FileExists(ShortcutPath()));
        EXPECT_FALSE(ValueExists(RunKey, RunValue));
        EXPECT_FALSE(KeyExists(UninstallKey));
        EXPECT_EQ(settings, SnapshotKey(SettingsKey));
        EXPECT_EQ(grantedSecurity, KeySecurityText(SettingsKey));
        EXPECT_TRUE(FileExists(AdapterStateFile())) << "the state of a library the setup program did not install";
    }
}

TEST_F(Installer, UpdatesAndRemovesTheSoftwareAdapterLibraryItPutThereAndTakesAwayWhatIsDeselected)
{
    const std::string library = m_folder + "\\Vexa5200.dll";
    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /ADAPTER /D=" + m_folder));
    EXPECT_TRUE(SameFile(m_packaged + "Vexa5200.dll", library));
    ASSERT_TRUE(FileExists(ShortcutPath()));
    ASSERT_TRUE(ValueExists(RunKey, RunValue));

    // As an older version of the library would be. Installed again without the shortcut and
    // the start at log-on, the ones of the first install go.
    WriteFileBytes(library, Marked(FileBytes(library)));
    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /ADAPTER /NOSHORTCUT /NOAUTOSTART /D=" + m_folder));
    EXPECT_TRUE(SameFile(m_packaged + "Vexa5200.dll", library));
    EXPECT_FALSE(FileExists(ShortcutPath()));
    EXPECT_FALSE(ValueExists(RunKey, RunValue));

    // The simulated card the software adapter kept, as any use of it leaves it.
    ::CreateDirectoryA(AdapterStateFile().substr(0, AdapterStateFile().rfind('\\')).c_str(), nullptr);
    if (!FileExists(AdapterStateFile()))
        WriteFileBytes(AdapterStateFile(), Bytes(16, 0));
    EXPECT_EQ(0u, RunUninstaller());
    EXPECT_FALSE(FileExists(m_folder));
    EXPECT_FALSE(FileExists(AdapterStateFile())) << "the software adapter's state outlived it";
}

// The third choice of library: the bridge to Windows' own Wi-Fi takes the place of a software
// adapter the setup put there (and of its tool), and goes with the uninstaller. Its import of
// Windows' profiles finds no wireless card under Wine, and the install goes on.
TEST_F(Installer, TheWindowsWifiLibraryReplacesTheSoftwareAdapterItPutThereAndGoesWithTheUninstaller)
{
    const std::string library = m_folder + "\\Vexa5200.dll";
    DeleteKeyTree(SettingsKey + "\\DEFAULT");
    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /ADAPTER /D=" + m_folder));
    ASSERT_TRUE(SameFile(m_packaged + "Vexa5200.dll", library));

    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /WINDOWSWIFI /D=" + m_folder));
    EXPECT_TRUE(SameFile(m_packaged + "windows-wifi\\Vexa5200.dll", library));
    EXPECT_FALSE(FileExists(m_folder + "\\vexasim.exe")) << "the software adapter's tool outlived its library";
    EXPECT_FALSE(ValueExists(SettingsKey + "\\DEFAULT", "DesiredSSID")) << "defaults stored without a connection";

    // The software adapter chosen again replaces the bridge, which the setup put there.
    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /ADAPTER /D=" + m_folder));
    EXPECT_TRUE(SameFile(m_packaged + "Vexa5200.dll", library));
    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /WINDOWSWIFI /D=" + m_folder));
    EXPECT_TRUE(SameFile(m_packaged + "windows-wifi\\Vexa5200.dll", library));

    EXPECT_EQ(0u, RunUninstaller());
    EXPECT_FALSE(FileExists(m_folder)) << "the bridge the setup put there stayed";
}

// Installed into one folder, then into another: the first copy goes (it would be left
// unregistered), and its uninstaller, run all the same, leaves the registration of the copy
// that owns it.
TEST_F(Installer, AnInstallIntoAnotherFolderTakesTheRegistrationAndTheOldUninstallerLeavesIt)
{
    const std::string other = OtherInstallFolder();
    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /D=" + m_folder));
    const Bytes firstUninstaller = FileBytes(m_folder + "\\uninstall.exe");
    ASSERT_FALSE(firstUninstaller.empty());

    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /D=" + other));
    EXPECT_FALSE(FileExists(m_folder)) << "the first copy was removed";
    const std::string program = other + "\\skylook.exe";
    EXPECT_EQ(Quoted(program), Text(RunKey, RunValue));
    EXPECT_EQ(other, Text(UninstallKey, "InstallLocation"));

    // The first folder's uninstaller, as it would be when its removal was declined.
    ASSERT_TRUE(::CreateDirectoryA(m_folder.c_str(), nullptr));
    WriteFileBytes(m_folder + "\\uninstall.exe", firstUninstaller);
    EXPECT_EQ(0u, RunUninstaller());
    EXPECT_FALSE(FileExists(m_folder));
    EXPECT_EQ(Quoted(program), Text(RunKey, RunValue));
    EXPECT_EQ(program, ShortcutTarget(ShortcutPath()));
    EXPECT_EQ(other, Text(UninstallKey, "InstallLocation"));
    EXPECT_TRUE(FileExists(program));

    EXPECT_EQ(0u, RunUninstallerOf(other));
    EXPECT_FALSE(FileExists(other));
    EXPECT_FALSE(KeyExists(UninstallKey));
    EXPECT_FALSE(ValueExists(RunKey, RunValue));
}

// A standard user may make a profile key a registry link to any key of HKEY_LOCAL_MACHINE.
// The grant and the removal of the settings run as administrator: the link's target keeps
// its values, its keys and its access list.
TEST_F(Installer, TheGrantGivesEachKeyItsOwnRightsAndLeavesALinksTargetAlone)
{
    const std::string target = "SOFTWARE\\Skylook link target";
    const std::string linkName = SettingsKey + "\\PROFILE\\Linked";
    // Removed as the link, however the test ends: the other tests' clean-up would follow it.
    struct LinkRemoval {
        const std::string& Name;
        void operator()() const { ::DeleteKeyTree(HKEY_LOCAL_MACHINE, Name.c_str()); }
        ~LinkRemoval() { (*this)(); }
    } removeLink{linkName};
    removeLink();
    DeleteKeyTree(SettingsKey);
    DeleteKeyTree(target);
    WriteValue(target, "Kept", Bytes{1, 2, 3});
    WriteValue(target + "\\Below", "Kept too", Bytes{4});
    WriteValue(SettingsKey + "\\PROFILE\\Stored", "SSID", Bytes{'L', 'a', 'b', 0});
    // As Windows passes it down from HKLM\SOFTWARE: full control for whoever makes a key below,
    // and so a profile a user made before holds full control for that user.
    AddKeyEntry(SettingsKey + "\\PROFILE", GRANT_ACCESS, "S-1-3-0", KEY_ALL_ACCESS,
                SUB_CONTAINERS_AND_OBJECTS_INHERIT | INHERIT_ONLY);
    const std::string maker = CurrentUserSid();
    ASSERT_FALSE(maker.empty());
    SetKeySecurityText(SettingsKey + "\\PROFILE\\Stored", "O:" + maker + "D:(A;;KA;;;BA)(A;ID;KA;;;" + maker + ")");
    {
        HKEY link = nullptr;
        ASSERT_EQ(ERROR_SUCCESS, ::RegCreateKeyExA(HKEY_LOCAL_MACHINE, linkName.c_str(), 0, nullptr,
                                                   REG_OPTION_CREATE_LINK, KEY_SET_VALUE | KEY_CREATE_LINK, nullptr,
                                                   &link, nullptr));
        const std::wstring to = L"\\Registry\\Machine\\SOFTWARE\\Skylook link target";
        const LONG set = ::RegSetValueExW(link, L"SymbolicLinkValue", 0, REG_LINK,
                                          reinterpret_cast<const BYTE*>(to.data()),
                                          static_cast<DWORD>(to.size() * sizeof(wchar_t)));
        ::RegCloseKey(link);
        ASSERT_EQ(ERROR_SUCCESS, set);
    }
    ASSERT_TRUE(ValueExists(linkName, "Kept")) << "the link does not lead to its target";
    const RegistrySnapshot targetValues = SnapshotKey(target);
    const std::string targetSecurity = KeySecurityText(target);
    const std::string belowSecurity = KeySecurityText(target + "\\Below");
    const auto expectTargetAsItWas = [&](const char* after) {
        EXPECT_EQ(targetValues, SnapshotKey(target)) << after;
        EXPECT_EQ(targetSecurity, KeySecurityText(target)) << after;
        EXPECT_EQ(belowSecurity, KeySecurityText(target + "\\Below")) << after;
    };

    ASSERT_EQ(0u, RunToEnd(m_setup + " /S /D=" + m_folder));
    expectTargetAsItWas("the grant");
    const struct {
        std::string Key;
        ACCESS_MASK OnKey;
        ACCESS_MASK ForSubkeys;
    } keys[] = {
        {SettingsKey, KEY_READ, 0},
        {SettingsKey + "\\DEFAULT", KEY_READ | KEY_SET_VALUE, 0},
        {SettingsKey + "\\PROFILE", KEY_READ | KEY_CREATE_SUB_KEY, KEY_READ | KEY_SET_VALUE | DELETE},
        {SettingsKey + "\\PROFILE\\Stored", KEY_READ | KEY_SET_VALUE | DELETE, 0},
    };
    for (const auto& key : keys) {
        // Read while the Wine server that holds the lists still runs.
        const GroupAccess users = UsersAccess(key.Key);
        const GroupAccess owner = OwnerRightsAccess(key.Key);
        ASSERT_TRUE(users.Read && owner.Read) << key.Key;
        EXPECT_EQ(key.OnKey, users.OnKey) << key.Key;
        EXPECT_EQ(key.ForSubkeys, users.ForSubkeys) << key.Key;
        // The key's owner, maybe the user who made a profile, cannot give itself more.
        EXPECT_EQ(key.OnKey, owner.OnKey) << key.Key;
        EXPECT_EQ(key.ForSubkeys, owner.ForSubkeys) << key.Key;
        EXPECT_EQ(0u, TrusteeAccess(key.Key, "S-1-3-0").ForSubkeys) << key.Key << ": full control for a profile's maker";
    }
    EXPECT_EQ(0u, TrusteeAccess(SettingsKey + "\\PROFILE\\Stored", maker.c_str()).OnKey & (WRITE_DAC | WRITE_OWNER))
        << "the maker of a profile may change its access list";
    for (const ACCESS_MASK right : {ACCESS_MASK{WRITE_DAC}, ACCESS_MASK{WRITE_OWNER}, ACCESS_MASK{DELETE}, ACCESS_MASK{KEY_CREATE_LINK}}) {
        for (int fixed = 0; fixed < 3; ++fixed)
            EXPECT_EQ(0u, (UsersAccess(keys[fixed].Key).OnKey | OwnerRightsAccess(keys[fixed].Key).OnKey) & right)
                << keys[fixed].Key << " right " << std::hex << right;
    }

    EXPECT_EQ(0u, RunUninstaller(" /REMOVESETTINGS"));
    expectTargetAsItWas("the removal of the settings");
    EXPECT_FALSE(KeyExists(SettingsKey)) << "the settings were not removed";
    DeleteKeyTree(target);
}

}  // namespace
