// Median cost of each adapter query that the tray program's one-second tick makes, beside
// the cost of the bare synchronisation every such call pays (a named mutex taken and
// released around a read of shared memory).
#include <Vexa5200Control.h>

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Each sample times a batch of calls: the performance counter ticks in 0.1 us under Wine.
constexpr int Rounds = 301;
constexpr int Batch = 50;
constexpr double AimMicroseconds = 20.0;

double Frequency()
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
}

template <class Call>
double MedianMicroseconds(Call call)
{
    static const double frequency = Frequency();
    std::vector<double> samples;
    samples.reserve(Rounds);
    for (int i = 0; i < 100; ++i)
        call();
    for (int i = 0; i < Rounds; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        for (int j = 0; j < Batch; ++j)
            call();
        QueryPerformanceCounter(&end);
        samples.push_back(static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 / frequency / Batch);
    }
    std::nth_element(samples.begin(), samples.begin() + Rounds / 2, samples.end());
    return samples[Rounds / 2];
}

struct Baseline {
    HANDLE Mutex;
    HANDLE Mapping;
    volatile unsigned long* Shared;
};

Baseline MakeBaseline()
{
    Baseline b{};
    b.Mutex = CreateMutexA(nullptr, FALSE, "Local\\Vexa5200.Bench.Mutex");
    b.Mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4096, "Local\\Vexa5200.Bench.Map");
    b.Shared = b.Mapping ? static_cast<volatile unsigned long*>(MapViewOfFile(b.Mapping, FILE_MAP_ALL_ACCESS, 0, 0, 0))
                         : nullptr;
    return b;
}

void Row(const char* name, double median, double baseline)
{
    std::printf("  %-26s %8.3f us   %7.3fx baseline   %s\n", name, median, median / baseline,
                median < AimMicroseconds ? "" : "(above the 20 us aim)");
}

}  // namespace

int main()
{
    VexaSimReset();
    VexaSimSetJoinDelay(0);
    VEXA5200_HANDLE handle = nullptr;
    if (Vexa5200OpenAdapter(&handle) != 0) {
        std::printf("bench_status: the software adapter cannot be opened\n");
        return 1;
    }
    Vexa5200SetSsid(handle, "Wireless", 8, 0);
    if (!Vexa5200GetConnectStatus(handle))
        std::printf("bench_status: not associated; figures are for an idle adapter\n");

    Baseline base = MakeBaseline();
    unsigned long sink = 0;
    double lockBaseline = MedianMicroseconds([&] {
        WaitForSingleObject(base.Mutex, INFINITE);
        sink += base.Shared ? base.Shared[1] : 0;
        ReleaseMutex(base.Mutex);
    });
    double tickBaseline = MedianMicroseconds([&] { sink += static_cast<unsigned long>(GetTickCount64()); });

    char path[128], ssid[33];
    unsigned char bssid[6];
    unsigned long value = 0;
    NDIS_802_11_STATISTICS statistics;
    struct Query {
        const char* Name;
        double Median;
    } queries[] = {
        {"QueryRegistryPath", MedianMicroseconds([&] { Vexa5200QueryRegistryPath(handle, path, sizeof path); })},
        {"QueryRadioControl", MedianMicroseconds([&] { Vexa5200QueryRadioControl(handle, &value); })},
        {"QueryNetworkMode", MedianMicroseconds([&] { Vexa5200QueryNetworkMode(handle, &value); })},
        {"QueryChannel", MedianMicroseconds([&] { Vexa5200QueryChannel(handle, &value); })},
        {"GetConnectStatus", MedianMicroseconds([&] { sink += Vexa5200GetConnectStatus(handle); })},
        {"QuerySsid", MedianMicroseconds([&] { Vexa5200QuerySsid(handle, ssid, sizeof ssid); })},
        {"QueryBssid", MedianMicroseconds([&] { Vexa5200QueryBssid(handle, bssid); })},
        {"QueryLinkSpeed", MedianMicroseconds([&] { Vexa5200QueryLinkSpeed(handle, &value); })},
        {"QueryRssi", MedianMicroseconds([&] { Vexa5200QueryRssi(handle, &value); })},
        {"QueryStatistics", MedianMicroseconds([&] { Vexa5200QueryStatistics(handle, &statistics); })},
    };

    std::printf("Adapter status queries of one tick, median over %d batches of %d calls\n", Rounds, Batch);
    std::printf("  baseline: named mutex taken and released around a shared-memory read: %.3f us\n", lockBaseline);
    std::printf("  (GetTickCount64 alone: %.3f us)\n", tickBaseline);
    double total = 0;
    for (const Query& q : queries) {
        Row(q.Name, q.Median, lockBaseline);
        total += q.Median;
    }
    std::printf("  %-26s %8.3f us\n", "whole tick (sum)", total);
    Vexa5200CloseAdapter(&handle);
    VexaSimReset();
    return sink == 0xFFFFFFFF ? 1 : 0;
}
