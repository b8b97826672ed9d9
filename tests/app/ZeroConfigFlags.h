// The Zero Configuration service's "ControlFlags" for the adapter, written the way the
// service keeps them, and removed again with whatever keys the writes added.
#ifndef SKYLOOK_TESTS_APP_ZERO_CONFIG_FLAGS_H
#define SKYLOOK_TESTS_APP_ZERO_CONFIG_FLAGS_H

#include <windows.h>

#include <string>

class CZeroConfigFlags {
public:
    CZeroConfigFlags();
    ~CZeroConfigFlags();
    CZeroConfigFlags(const CZeroConfigFlags&) = delete;
    CZeroConfigFlags& operator=(const CZeroConfigFlags&) = delete;

    // Under the interface key of the current AdapterInstanceId.
    void Write(DWORD flags);

private:
    bool m_serviceExisted = false;
    std::string m_written;
};

#endif
