#include "ChildProcess.h"
#include "CommonControls.h"
#include "SystemLibrary.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <wlanapi.h>
#include <windows.h>

namespace {

TEST(SystemLibrary, AMissingLibraryOrExportLeavesTheFunctionNull)
{
    decltype(&::lstrlenA) length = &::lstrlenA;

    const CSystemLibrary missing("skylook-no-such-library.dll");
    EXPECT_FALSE(missing.Loaded());
    EXPECT_FALSE(missing.Find(length, "lstrlenA"));
    EXPECT_EQ(nullptr, length);

    length = &::lstrlenA;
    const CSystemLibrary kernel("kernel32.dll");
    EXPECT_TRUE(kernel.Loaded());
    EXPECT_FALSE(kernel.Find(length, "SkylookNoSuchExport"));
    EXPECT_EQ(nullptr, length);
}

TEST(SystemLibrary, AFunctionFoundStaysCallableAfterTheObjectIsGone)
{
    // version.dll is not among this program's imports: the object loads it.
    decltype(&::GetFileVersionInfoSizeA) versionSize = nullptr;
    {
        const CSystemLibrary library("version.dll");
        ASSERT_TRUE(library.Find(versionSize, "GetFileVersionInfoSizeA"));
    }
    ASSERT_NE(nullptr, ::GetModuleHandleA("version.dll"));
    char path[MAX_PATH] = {};
    ASSERT_NE(0u, ::GetSystemDirectoryA(path, MAX_PATH));
    lstrcatA(path, "\\kernel32.dll");
    DWORD handle = 0;
    EXPECT_NE(0u, versionSize(path, &handle));
}

TEST(SystemLibrary, TheSystemFolderOnlyFormNeverTakesACopyBesideTheProgram)
{
    // A planted "wlanapi.dll" beside this program, which is no library at all: the plain
    // search would find it first and fail.
    const std::string planted = BuildProgramFolder() + "wlanapi.dll";
    const HANDLE file = ::CreateFileA(planted.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    DWORD written = 0;
    ::WriteFile(file, "not a library", 13, &written, nullptr);
    ::CloseHandle(file);

    const CSystemLibrary library("wlanapi.dll", CSystemLibrary::SystemFolderOnly{});
    decltype(&::WlanOpenHandle) open = nullptr;
    EXPECT_TRUE(library.Find(open, "WlanOpenHandle"));
    char loaded[MAX_PATH] = {}, system[MAX_PATH] = {};
    ::GetModuleFileNameA(::GetModuleHandleA("wlanapi.dll"), loaded, MAX_PATH);
    ::GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(CSTR_EQUAL, ::CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, loaded, lstrlenA(system), system, -1))
        << loaded;
    ::DeleteFileA(planted.c_str());
}

TEST(CommonControls, LoadsTheLibraryOnceAndTheDialogsClassesCanBeMade)
{
    // This program does not import comctl32.dll: the call loads it.
    ASSERT_TRUE(EnsureCommonControls());
    EXPECT_TRUE(EnsureCommonControls());
    EXPECT_NE(nullptr, ::GetModuleHandleA("comctl32.dll"));
    for (const char* className : {WC_TABCONTROLA, PROGRESS_CLASSA}) {
        HWND control = ::CreateWindowA(className, "", WS_POPUP, 0, 0, 100, 20, nullptr, nullptr,
                                       ::GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(nullptr, control) << className;
        if (control)
            ::DestroyWindow(control);
    }
}

}  // namespace
