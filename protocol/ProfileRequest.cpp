#include "protocol/ProfileRequest.h"

#include "protocol/ProgramWindow.h"
#include "record/ProfileName.h"

#include <cstring>

namespace {
// A frame that hangs must not hang the tool with it.
constexpr UINT RequestTimeoutMilliseconds = 10000;
}  // namespace

HWND FindRunningProgram()
{
    return ::FindWindowA(MainFrameClassName, MainFrameCaption);
}

ProfileRequestAnswer SendProfileRequest(HWND frame, const char* name)
{
    COPYDATASTRUCT data = {};
    data.dwData = ProfileRequestTag;
    data.cbData = static_cast<DWORD>(std::strlen(name));
    data.lpData = const_cast<char*>(name);
    DWORD_PTR answer = FALSE;
    if (!::SendMessageTimeoutA(frame, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG,
                               RequestTimeoutMilliseconds, &answer))
        return ProfileRequestAnswer::Refused;
    if (answer == static_cast<DWORD_PTR>(ProfileRequestTaken))
        return ProfileRequestAnswer::Taken;
    if (answer == static_cast<DWORD_PTR>(ProfileRequestTakenNotStored))
        return ProfileRequestAnswer::TakenNotStored;
    return ProfileRequestAnswer::Refused;
}

bool ReadProfileRequest(const COPYDATASTRUCT& data, std::string& name)
{
    if (data.dwData != ProfileRequestTag || !data.lpData || data.cbData == 0 || data.cbData > ProfileNameMaxLength)
        return false;
    std::string text(static_cast<const char*>(data.lpData), data.cbData);
    if (text.find('\0') != std::string::npos)
        return false;
    name = std::move(text);
    return true;
}
