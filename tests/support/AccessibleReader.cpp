#include "AccessibleReader.h"

namespace {
std::string Narrow(BSTR text)
{
    if (!text)
        return {};
    const int length = ::WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
    std::string narrow(length > 0 ? static_cast<size_t>(length - 1) : 0, '\0');
    if (length > 1)
        ::WideCharToMultiByte(CP_ACP, 0, text, -1, narrow.data(), length, nullptr, nullptr);
    ::SysFreeString(text);
    return narrow;
}

VARIANT Self()
{
    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    return self;
}
}  // namespace

IAccessible* ClientObjectOf(HWND window)
{
    static thread_local bool comStarted = SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    (void)comStarted;
    const LRESULT answer = ::SendMessageA(window, WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_CLIENT));
    if (answer <= 0)
        return nullptr;
    IAccessible* object = nullptr;
    if (FAILED(::ObjectFromLresult(answer, __uuidof(IAccessible), 0, reinterpret_cast<void**>(&object))))
        return nullptr;
    return object;
}

AccessibleReading Read(IAccessible* object)
{
    AccessibleReading reading;
    if (!object)
        return reading;
    reading.Answered = true;
    VARIANT self = Self();
    BSTR text = nullptr;
    reading.NameResult = object->get_accName(self, &text);
    reading.Name = Narrow(text);
    text = nullptr;
    if (object->get_accValue(self, &text) == S_OK)
        reading.Value = Narrow(text);
    text = nullptr;
    if (object->get_accKeyboardShortcut(self, &text) == S_OK)
        reading.Shortcut = Narrow(text);
    VARIANT answer;
    ::VariantInit(&answer);
    if (SUCCEEDED(object->get_accRole(self, &answer)) && answer.vt == VT_I4)
        reading.Role = answer.lVal;
    ::VariantInit(&answer);
    if (SUCCEEDED(object->get_accState(self, &answer)) && answer.vt == VT_I4)
        reading.State = answer.lVal;
    return reading;
}

AccessibleReading ReadAccessible(HWND window)
{
    IAccessible* object = ClientObjectOf(window);
    AccessibleReading reading = Read(object);
    if (object)
        object->Release();
    return reading;
}
