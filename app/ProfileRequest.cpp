#include "ProfileRequest.h"

#include "MainFrame.h"

#include "settings/ProfileSelection.h"
#include "settings/ProfileStore.h"
#include "state/ProgramState.h"

#include <cstring>
#include <string>

namespace {
// A frame that hangs must not hang the tool with it.
constexpr UINT RequestTimeoutMilliseconds = 10000;
}  // namespace

HWND FindRunningProgram()
{
    return ::FindWindowA(MainFrameClassName, MainFrameCaption);
}

bool SendProfileRequest(HWND frame, const char* name)
{
    COPYDATASTRUCT data = {};
    data.dwData = ProfileRequestTag;
    data.cbData = static_cast<DWORD>(std::strlen(name));
    data.lpData = const_cast<char*>(name);
    DWORD_PTR answer = FALSE;
    if (!::SendMessageTimeoutA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               RequestTimeoutMilliseconds, &answer))
        return false;
    return answer == TRUE;
}

bool AcceptProfileRequest(const COPYDATASTRUCT& data)
{
    if (data.dwData != ProfileRequestTag || !data.lpData || data.cbData == 0 || data.cbData > ProfileNameMaxLength)
        return false;
    const std::string name(static_cast<const char*>(data.lpData), data.cbData);
    if (name.find('\0') != std::string::npos)
        return false;
    AdapterSettings settings;
    if (!MakeProfileDefault(name.c_str(), settings))
        return false;
    // The same hand-over as a page's Apply: the record first, then the request.
    PendingSettings = settings;
    CurrentStatus.LinkState = LinkScanning;
    ApplyRequest = ApplyRequested;
    return true;
}
