// The Native Wifi calls of the double on stored profiles, and the notification registration.
#include "Answers.h"
#include "Calls.h"
#include "Memory.h"
#include "ProfileRead.h"
#include "Reasons.h"

#include "wlanprofile/XmlTree.h"

#include <cstring>
#include <cwchar>

using namespace wdouble;

namespace {

std::string Utf8(const wchar_t* name)
{
    char text[MaxNameChars * 3];
    NameToUtf8(name ? name : L"", text, sizeof text);
    return text;
}

// [Native Wifi API permissions] A standard user may not change all-user profiles (flags 0);
// the switch refuses every profile write, as a policy that denies them does.
bool WriteRefused(const DoubleState& s, DWORD profileFlags)
{
    return s.Config.RefuseProfileWrites || (s.Config.StandardUser && !(profileFlags & ProfileUser));
}

StoredProfile* Stored(CCall& call, const wchar_t* name)
{
    const int index = FindProfile(call.State(), call.Interface(), name);
    return index < 0 ? nullptr : &call.State().Profiles[call.Interface()][index];
}

std::string SourcesText(DWORD sources)
{
    if (sources == WLAN_NOTIFICATION_SOURCE_NONE)
        return "none";
    std::string text;
    if (sources & WLAN_NOTIFICATION_SOURCE_ACM)
        text += "acm";
    if (sources & WLAN_NOTIFICATION_SOURCE_MSM)
        text += text.empty() ? "msm" : "+msm";
    const DWORD others = sources & ~static_cast<DWORD>(WLAN_NOTIFICATION_SOURCE_ACM | WLAN_NOTIFICATION_SOURCE_MSM);
    if (others)
        text += (text.empty() ? "" : "+") + std::to_string(others);
    return text;
}

}  // namespace

extern "C" {

DWORD WINAPI WlanSetProfile(HANDLE hClientHandle, const GUID* pInterfaceGuid, DWORD dwFlags, LPCWSTR strProfileXml,
                            LPCWSTR, WINBOOL bOverwrite, PVOID, DWORD* pdwReasonCode)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanSetProfile");
    if (pdwReasonCode)
        *pdwReasonCode = 0;
    if (call.Refused())
        return call.Finish(call.Refused());
    if (!strProfileXml)
        return call.Finish(ERROR_INVALID_PARAMETER);
    ProfileFacts facts;
    DWORD reason = 0;
    const bool read = ReadProfile(strProfileXml, facts, reason);
    call.Name(read ? Utf8(facts.Name) : "?");
    if (!read || wcslen(strProfileXml) >= MaxProfileXml) {
        if (pdwReasonCode)
            *pdwReasonCode = read ? ReasonInvalidProfileSchema : reason;
        return call.Finish(ERROR_BAD_PROFILE);
    }
    if (WriteRefused(call.State(), dwFlags))
        return call.Finish(ERROR_ACCESS_DENIED);
    DoubleState& s = call.State();
    const int iface = call.Interface();
    StoredProfile* profile = Stored(call, facts.Name);
    if (profile && !bOverwrite)
        return call.Finish(ERROR_ALREADY_EXISTS);
    if (!profile) {
        // [WlanSetProfile] A new profile goes to the top of the list.
        if (s.ProfileCount[iface] >= MaxProfiles)
            return call.Finish(ERROR_NO_SYSTEM_RESOURCES);
        std::memmove(&s.Profiles[iface][1], &s.Profiles[iface][0], sizeof(StoredProfile) * s.ProfileCount[iface]);
        ++s.ProfileCount[iface];
        profile = &s.Profiles[iface][0];
        std::memset(profile, 0, sizeof *profile);
    }
    // One of the same name is overwritten where it stands.
    std::memcpy(profile->Name, facts.Name, sizeof profile->Name);
    wcsncpy(profile->Xml, strProfileXml, MaxProfileXml - 1);
    profile->Xml[MaxProfileXml - 1] = 0;
    profile->Flags = dwFlags & ProfileUser;
    return call.Finish(ERROR_SUCCESS);
}

DWORD WINAPI WlanSetProfileEapXmlUserData(HANDLE hClientHandle, const GUID* pInterfaceGuid, LPCWSTR strProfileName,
                                          DWORD, LPCWSTR strEapXmlUserData, PVOID)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanSetProfileEapXmlUserData " + Utf8(strProfileName));
    if (call.Refused())
        return call.Finish(call.Refused());
    if (!strProfileName || !strEapXmlUserData)
        return call.Finish(ERROR_INVALID_PARAMETER);
    // [WlanSetProfileEapXmlUserData] The name must be the profile's own, exactly.
    StoredProfile* profile = Stored(call, strProfileName);
    if (!profile)
        return call.Finish(ERROR_NOT_FOUND);
    if (WriteRefused(call.State(), profile->Flags))
        return call.Finish(ERROR_ACCESS_DENIED);
    char text[MaxProfileXml * 3];
    NameToUtf8(strEapXmlUserData, text, sizeof text);
    XmlElement root;
    XmlError error;
    if (!ParseXml(text, root, error))
        return call.Finish(ERROR_BAD_PROFILE);
    profile->EapUserDataSet = 1;
    return call.Finish(ERROR_SUCCESS);
}

DWORD WINAPI WlanGetProfileList(HANDLE hClientHandle, const GUID* pInterfaceGuid, PVOID,
                                PWLAN_PROFILE_INFO_LIST* ppProfileList)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanGetProfileList");
    if (call.Refused())
        return call.Finish(call.Refused());
    if (!ppProfileList)
        return call.Finish(ERROR_INVALID_PARAMETER);
    *ppProfileList = ProfileList(call.State(), call.Interface());
    return call.Finish(*ppProfileList ? ERROR_SUCCESS : ERROR_NOT_ENOUGH_MEMORY);
}

DWORD WINAPI WlanGetProfile(HANDLE hClientHandle, const GUID* pInterfaceGuid, LPCWSTR strProfileName, PVOID,
                            LPWSTR* pstrProfileXml, DWORD* pdwFlags, PDWORD pdwGrantedAccess)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanGetProfile " + Utf8(strProfileName));
    if (call.Refused())
        return call.Finish(call.Refused());
    if (!strProfileName || !pstrProfileXml)
        return call.Finish(ERROR_INVALID_PARAMETER);
    *pstrProfileXml = nullptr;
    const StoredProfile* profile = Stored(call, strProfileName);
    if (!profile)
        return call.Finish(ERROR_NOT_FOUND);
    // The XML as it was stored, keys included.
    const size_t length = wcsnlen(profile->Xml, MaxProfileXml);
    auto* xml = static_cast<LPWSTR>(Allocate((length + 1) * sizeof(WCHAR)));
    if (!xml)
        return call.Finish(ERROR_NOT_ENOUGH_MEMORY);
    std::memcpy(xml, profile->Xml, length * sizeof(WCHAR));
    *pstrProfileXml = xml;
    if (pdwFlags)
        *pdwFlags = profile->Flags;
    if (pdwGrantedAccess)
        *pdwGrantedAccess = WriteRefused(call.State(), profile->Flags) ? ExecuteAccess : WriteAccess;
    return call.Finish(ERROR_SUCCESS);
}

namespace {

// The stored profile a call changes (WlanDeleteProfile, WlanSetProfilePosition): its index,
// or what the call answers: no name, none of that name, or a write the user may not make.
DWORD ProfileToChange(CCall& call, LPCWSTR name, int& index)
{
    if (!name)
        return ERROR_INVALID_PARAMETER;
    DoubleState& s = call.State();
    index = FindProfile(s, call.Interface(), name);
    if (index < 0)
        return ERROR_NOT_FOUND;
    return WriteRefused(s, s.Profiles[call.Interface()][index].Flags) ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

}  // namespace

DWORD WINAPI WlanDeleteProfile(HANDLE hClientHandle, const GUID* pInterfaceGuid, LPCWSTR strProfileName, PVOID)
{
    CCall call(hClientHandle, pInterfaceGuid, true, "WlanDeleteProfile " + Utf8(strProfileName));
    if (call.Refused())
        return call.Finish(call.Refused());
    int index = 0;
    if (const DWORD refused = ProfileToChange(call, strProfileName, index))
        return call.Finish(refused);
    DoubleState& s = call.State();
    const int iface = call.Interface();
    std::memmove(&s.Profiles[iface][index], &s.Profiles[iface][index + 1],
                 sizeof(StoredProfile) * (s.ProfileCount[iface] - index - 1));
    --s.ProfileCount[iface];
    return call.Finish(ERROR_SUCCESS);
}

DWORD WINAPI WlanSetProfilePosition(HANDLE hClientHandle, const GUID* pInterfaceGuid, LPCWSTR strProfileName,
                                    DWORD dwPosition, PVOID)
{
    CCall call(hClientHandle, pInterfaceGuid, true,
               "WlanSetProfilePosition " + Utf8(strProfileName) + " " + std::to_string(dwPosition));
    if (call.Refused())
        return call.Finish(call.Refused());
    int index = 0;
    if (const DWORD refused = ProfileToChange(call, strProfileName, index))
        return call.Finish(refused);
    DoubleState& s = call.State();
    const int iface = call.Interface();
    if (dwPosition >= static_cast<DWORD>(s.ProfileCount[iface]))
        return call.Finish(ERROR_INVALID_PARAMETER);
    const StoredProfile moved = s.Profiles[iface][index];
    std::memmove(&s.Profiles[iface][index], &s.Profiles[iface][index + 1],
                 sizeof(StoredProfile) * (s.ProfileCount[iface] - index - 1));
    std::memmove(&s.Profiles[iface][dwPosition + 1], &s.Profiles[iface][dwPosition],
                 sizeof(StoredProfile) * (s.ProfileCount[iface] - 1 - dwPosition));
    s.Profiles[iface][dwPosition] = moved;
    return call.Finish(ERROR_SUCCESS);
}

DWORD WINAPI WlanRegisterNotification(HANDLE hClientHandle, DWORD dwNotifSource, WINBOOL bIgnoreDuplicate,
                                      WLAN_NOTIFICATION_CALLBACK funcCallback, PVOID pCallbackContext, PVOID,
                                      PDWORD pdwPrevNotifSource)
{
    uint64_t from = 0;
    {
        CCall call(hClientHandle, nullptr, false, "WlanRegisterNotification " + SourcesText(dwNotifSource));
        if (call.Refused())
            return call.Finish(call.Refused());
        if (dwNotifSource != WLAN_NOTIFICATION_SOURCE_NONE && !funcCallback)
            return call.Finish(ERROR_INVALID_PARAMETER);
        // [Wi-Fi access and location] MSM notifications tell the networks joined: refused
        // without location consent (24H2); ACM alone still registers.
        if ((dwNotifSource & WLAN_NOTIFICATION_SOURCE_MSM) && !call.State().Config.LocationConsent)
            return call.Finish(ERROR_ACCESS_DENIED);
        from = call.State().NextEvent;
        call.Finish(ERROR_SUCCESS);
    }
    return CClients::Instance().Register(hClientHandle, dwNotifSource, bIgnoreDuplicate, funcCallback,
                                         pCallbackContext, pdwPrevNotifSource, from);
}

}  // extern "C"
