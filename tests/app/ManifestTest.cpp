// The manifest that the built program carries, read back from its resources.
#include "ChildProcess.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace {

std::string EmbeddedManifest()
{
    const std::string path = BuildProgramFolder() + "skylook.exe";
    HMODULE program = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    if (!program)
        return {};
    std::string text;
    if (HRSRC found = ::FindResourceA(program, MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24))) {  // RT_MANIFEST
        HGLOBAL loaded = ::LoadResource(program, found);
        const char* bytes = loaded ? static_cast<const char*>(::LockResource(loaded)) : nullptr;
        if (bytes)
            text.assign(bytes, ::SizeofResource(program, found));
    }
    ::FreeLibrary(program);
    return text;
}

// Catches a manifest that lost what Windows reads from it: without the system entries Windows
// applies its compatibility behaviour, without the execution level it may guess at elevation,
// without DPI awareness it stretches every window as a bitmap at 125% and more, and without
// per-monitor awareness on every monitor whose scale differs from the system's.
TEST(ProgramManifest, DeclaresSystemsExecutionLevelAndDpiAwareness)
{
    const std::string manifest = EmbeddedManifest();
    ASSERT_FALSE(manifest.empty()) << "no manifest in skylook.exe";
    const char* const systems[] = {
        "{e2011457-1546-43c5-a5fe-008deee3d3f0}",  // Vista
        "{35138b9a-5d96-4fbd-8e2d-a2440225f93a}",  // 7
        "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",  // 8
        "{1f676c76-80e1-4239-95bb-83d0f6d0da78}",  // 8.1
        "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}",  // 10 and 11
    };
    for (const char* id : systems)
        EXPECT_NE(manifest.find(std::string("<supportedOS Id=\"") + id + "\"/>"), std::string::npos) << id;
    EXPECT_NE(manifest.find("<requestedExecutionLevel level=\"asInvoker\""), std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos);
    // Per monitor, v2 first; before 1607 the system DPI of dpiAware.
    EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor</dpiAwareness>"), std::string::npos);
    // The common controls of version 6 stay: the lists and buttons depend on them.
    EXPECT_NE(manifest.find("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""), std::string::npos);
}

}  // namespace
