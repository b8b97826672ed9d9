// The tray program's cost: the median time of one tick (the work behind each one-second
// timer message), and the CPU time and private memory of skylook.exe over 30 idle seconds
// beside baseline_tray.exe, a program that only owns a tray icon and a one-second timer.
#include "BenchClock.h"
#include "app/MainFrame.h"
#include "app/TickState.h"
#include "state/ProgramState.h"
#include "res/resource.h"

#include <Vexa5200Control.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int TickRounds = 301;
constexpr DWORD IdleMilliseconds = 30000;
// Idle CPU time at most this ratio to the bare tray program; idle private memory at most the
// first, aiming at the second.
constexpr double CpuAim = 1.5;
constexpr double MemoryLimit = 1.3;
constexpr double MemoryAim = 1.2;

template <class Work>
double MedianMicroseconds(Work work)
{
    std::vector<double> samples;
    for (int i = 0; i < 20; ++i)
        work();
    for (int i = 0; i < TickRounds; ++i) {
        double start = Now();
        work();
        samples.push_back((Now() - start) * 1e6);
    }
    std::nth_element(samples.begin(), samples.begin() + TickRounds / 2, samples.end());
    return samples[TickRounds / 2];
}

// A window whose timer handler only re-arms its timer: the least a tick can cost.
LRESULT CALLBACK RearmProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        ::KillTimer(window, wParam);
        ::SetTimer(window, wParam, 1000, nullptr);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

void MeasureTicks()
{
    VexaSimReset();
    double notConnected = 0;
    double associated = 0;
    {
        CMainFrame frame;
        if (!frame.Create()) {
            std::printf("the main frame could not be created\n");
            return;
        }
        notConnected = MedianMicroseconds([&] { frame.Send(WM_TIMER, TickTimerId); });

        VEXA5200_HANDLE handle = nullptr;
        Vexa5200OpenAdapter(&handle);
        VexaSimSetJoinDelay(0);
        Vexa5200SetSsid(handle, "Wireless", 8, 0);
        Vexa5200CloseAdapter(&handle);
        frame.Send(WM_TIMER, TickTimerId);
        associated = MedianMicroseconds([&] { frame.Send(WM_TIMER, TickTimerId); });
        if (CurrentStatus.LinkState != LinkAssociated)
            std::printf("(the association did not hold: %d)\n", CurrentStatus.LinkState);
        frame.DestroyWindow();
    }

    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = RearmProc;
    windowClass.hInstance = ::GetModuleHandleA(nullptr);
    windowClass.lpszClassName = "SkylookBenchRearm";
    ::RegisterClassA(&windowClass);
    HWND rearm = ::CreateWindowA("SkylookBenchRearm", "", WS_OVERLAPPED, 0, 0, 1, 1, nullptr, nullptr,
                                 windowClass.hInstance, nullptr);
    double bare = MedianMicroseconds([&] { ::SendMessageA(rearm, WM_TIMER, 1, 0); });
    ::DestroyWindow(rearm);

    std::printf("median cost of one tick (%d ticks each)\n", TickRounds);
    std::printf("  not connected      %8.1f us\n", notConnected);
    std::printf("  associated         %8.1f us\n", associated);
    std::printf("  bare timer re-arm  %8.1f us   (a handler that only kills and re-arms its timer)\n", bare);
}

std::string SiblingPath(const char* name)
{
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string text = path;
    return text.substr(0, text.find_last_of("\\/") + 1) + name;
}

struct Usage {
    double CpuSeconds = 0;
    double PrivateBytes = 0;
    bool Valid = false;
};

// The system's process list, as the task manager reads it: unlike GetProcessTimes and
// GetProcessMemoryInfo it reports other processes under Wine too. Its layout is the
// documented SYSTEM_PROCESS_INFORMATION, declared here in full.
struct ProcessRecord {
    ULONG NextEntryOffset;
    ULONG NumberOfThreads;
    LARGE_INTEGER Reserved[3];
    LARGE_INTEGER CreateTime;
    LARGE_INTEGER UserTime;
    LARGE_INTEGER KernelTime;
    struct {
        USHORT Length;
        USHORT MaximumLength;
        PWSTR Buffer;
    } ImageName;
    LONG BasePriority;
    HANDLE UniqueProcessId;
    HANDLE InheritedFromUniqueProcessId;
    ULONG HandleCount;
    ULONG SessionId;
    ULONG_PTR UniqueProcessKey;
    SIZE_T PeakVirtualSize;
    SIZE_T VirtualSize;
    ULONG PageFaultCount;
    SIZE_T PeakWorkingSetSize;
    SIZE_T WorkingSetSize;
    SIZE_T QuotaPeakPagedPoolUsage;
    SIZE_T QuotaPagedPoolUsage;
    SIZE_T QuotaPeakNonPagedPoolUsage;
    SIZE_T QuotaNonPagedPoolUsage;
    SIZE_T PagefileUsage;  // the committed private memory
    SIZE_T PeakPagefileUsage;
};

Usage Measure(DWORD processId)
{
    using QueryFunction = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);
    static const auto query = reinterpret_cast<QueryFunction>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
    constexpr ULONG SystemProcessInformation = 5;
    Usage usage;
    if (!query)
        return usage;
    std::vector<unsigned char> buffer(1 << 20);
    ULONG needed = 0;
    if (query(SystemProcessInformation, buffer.data(), static_cast<ULONG>(buffer.size()), &needed) < 0)
        return usage;
    size_t offset = 0;
    for (;;) {
        ProcessRecord record;
        if (offset + sizeof record > buffer.size())
            return usage;
        std::memcpy(&record, buffer.data() + offset, sizeof record);
        if (reinterpret_cast<ULONG_PTR>(record.UniqueProcessId) == processId) {
            usage.CpuSeconds = static_cast<double>(record.UserTime.QuadPart + record.KernelTime.QuadPart) / 1e7;
            usage.PrivateBytes = static_cast<double>(record.PagefileUsage);
            usage.Valid = true;
            return usage;
        }
        if (record.NextEntryOffset == 0)
            return usage;
        offset += record.NextEntryOffset;
    }
}

class Child {
public:
    explicit Child(const std::string& path, const char* arguments = nullptr)
    {
        std::string command = "\"" + path + "\"";
        if (arguments)
            command += std::string(" ") + arguments;
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        m_started = ::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                                     &startup, &m_process) != FALSE;
    }
    ~Child()
    {
        if (!m_started)
            return;
        if (::WaitForSingleObject(m_process.hProcess, 10000) == WAIT_TIMEOUT)
            ::TerminateProcess(m_process.hProcess, 1);
        ::CloseHandle(m_process.hProcess);
        ::CloseHandle(m_process.hThread);
    }
    bool Started() const { return m_started; }
    DWORD Id() const { return m_process.dwProcessId; }

private:
    PROCESS_INFORMATION m_process = {};
    bool m_started = false;
};

// limit 0: the figure has no aim (the baseline with libraries only shows the program's share).
void Compare(const char* what, double program, double baseline, const char* unit, double limit, double aim = 0)
{
    const bool aimed = limit > 0;
    std::printf("  %-16s skylook %9.1f %s   %s %9.1f %s   ", what, program, unit,
                aimed ? "baseline        " : "with libraries  ", baseline, unit);
    if (baseline <= 0) {
        std::printf("ratio n/a (%s)\n", program <= 0 ? "both below the counter's resolution" : "baseline below it");
        return;
    }
    const double ratio = program / baseline;
    std::printf("ratio %5.2f", ratio);
    if (aimed && aim > 0)
        std::printf(" (at most %.1f, aim %.1f)%s", limit, aim, ratio > limit ? " above the limit" : "");
    else if (aimed)
        std::printf(" (aim <= %.1f)%s", limit, ratio > limit ? " above the aim" : "");
    std::printf("\n");
}

void MeasureIdle()
{
    VexaSimReset();
    Child program(SiblingPath("skylook.exe"));
    Child baseline(SiblingPath("baseline_tray.exe"));
    Child withLibraries(SiblingPath("baseline_tray.exe"), "libraries");
    if (!program.Started() || !baseline.Started() || !withLibraries.Started()) {
        std::printf("skylook.exe or baseline_tray.exe could not be started\n");
        return;
    }
    // Past start-up, so the figures are the idle ones.
    ::Sleep(3000);
    const Child* children[] = {&program, &baseline, &withLibraries};
    Usage start[3];
    Usage end[3];
    for (int i = 0; i < 3; ++i)
        start[i] = Measure(children[i]->Id());
    ::Sleep(IdleMilliseconds);
    for (int i = 0; i < 3; ++i)
        end[i] = Measure(children[i]->Id());

    if (HWND frame = ::FindWindowA(MainFrameClassName, MainFrameCaption))
        ::PostMessageA(frame, WM_COMMAND, ID_TRAY_EXIT, 0);
    while (HWND other = ::FindWindowA("SkylookBaselineTray", nullptr)) {
        ::SendMessageA(other, WM_CLOSE, 0, 0);
    }

    for (int i = 0; i < 3; ++i) {
        if (!start[i].Valid || !end[i].Valid) {
            std::printf("process figures could not be read\n");
            return;
        }
    }
    auto cpu = [&](int i) { return (end[i].CpuSeconds - start[i].CpuSeconds) * 1000; };
    auto memory = [&](int i) { return end[i].PrivateBytes / 1024.0; };
    std::printf("over %lu idle seconds (Wine counts CPU time in 10 ms steps)\n", IdleMilliseconds / 1000);
    Compare("CPU time", cpu(0), cpu(1), "ms ", CpuAim);
    Compare("private memory", memory(0), memory(1), "KiB", MemoryLimit, MemoryAim);
    std::printf("beside the baseline that also loads the adapter library, as skylook.exe does while idle:\n");
    Compare("CPU time", cpu(0), cpu(2), "ms ", 0);
    Compare("private memory", memory(0), memory(2), "KiB", 0);
}

}  // namespace

int main()
{
    ResetProgramState();
    MeasureTicks();
    MeasureIdle();
    return 0;
}
