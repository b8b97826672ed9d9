#include "CommonControls.h"
#include "SystemLibrary.h"

#include <gtest/gtest.h>

#include <commctrl.h>
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
