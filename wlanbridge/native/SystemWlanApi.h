// The one real IWlanApi: wlanapi.dll, bound from the system folder when first created.
#ifndef SKYLOOK_SYSTEM_WLAN_API_H
#define SKYLOOK_SYSTEM_WLAN_API_H

#include "WlanApi.h"

#include <memory>

// Never null. Where wlanapi.dll or one of its functions is missing (a Windows without the
// wireless service), the calls that need it fail with ERROR_PROC_NOT_FOUND.
std::unique_ptr<IWlanApi> CreateSystemWlanApi();

#endif
