// Single adapter operations on the program's one handle; each is true when the library
// call succeeded.
#ifndef SKYLOOK_ADAPTER_WRAPPERS_H
#define SKYLOOK_ADAPTER_WRAPPERS_H

#include <cstdint>

bool GetDriverVersion(char* text, unsigned long size);
// Four bytes, high byte first: "%d.%d.%d.%d".
bool GetFirmwareVersion(uint32_t& version);
bool GetRegionCode(uint32_t& region);
bool StartScan();
// The adapter's "NetCfgInstanceId" under the driver key that the library reports; the
// buffer is emptied when it cannot be read.
bool GetAdapterInstanceId(char* text, unsigned long size);
// 1 on, 0 off.
bool SetRadio(uint32_t on);
bool GetRadio(uint32_t& on);
bool SetReceiveAntenna(uint32_t antenna);

#endif
