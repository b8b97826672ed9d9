#include "AccessibleObject.h"

#include "SystemLibrary.h"
#include "Window.h"

#include <new>
#include <string>

namespace {

// oleaut32, oleacc and ole32 load only when a reader first asks: most users never do.
struct AutomationCalls {
    decltype(&::SysAllocStringLen) AllocString = nullptr;
    decltype(&::LresultFromObject) Lresult = nullptr;
    decltype(&::AccessibleObjectFromWindow) FromWindow = nullptr;
    decltype(&::CoInitializeEx) InitializeCom = nullptr;
};

const AutomationCalls& Automation()
{
    static const AutomationCalls calls = [] {
        AutomationCalls found;
        CSystemLibrary("oleaut32.dll").Find(found.AllocString, "SysAllocStringLen");
        CSystemLibrary oleacc("oleacc.dll");
        oleacc.Find(found.Lresult, "LresultFromObject");
        oleacc.Find(found.FromWindow, "AccessibleObjectFromWindow");
        CSystemLibrary("ole32.dll").Find(found.InitializeCom, "CoInitializeEx");
        return found;
    }();
    return calls;
}

BSTR ToBstr(const std::string& text)
{
    const auto allocate = Automation().AllocString;
    if (!allocate)
        return nullptr;
    const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    if (length > 0)
        ::MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
    return allocate(wide.data(), static_cast<UINT>(wide.size()));
}

bool IsSelf(const VARIANT& child)
{
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

void SetSelf(VARIANT* variant)
{
    variant->vt = VT_I4;
    variant->lVal = CHILDID_SELF;
}

class CClientAccessible final : public IAccessible {
public:
    explicit CClientAccessible(HWND window) : m_window(window) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (iid == __uuidof(IUnknown) || iid == __uuidof(IDispatch) || iid == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_references)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG left = ::InterlockedDecrement(&m_references);
        if (left == 0)
            delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: readers use the interface's own methods.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        if (!parent)
            return E_POINTER;
        *parent = nullptr;
        if (!::IsWindow(m_window))
            return CO_E_OBJNOTCONNECTED;
        // The client's parent is its own window's object, as the standard proxies have it.
        const auto fromWindow = Automation().FromWindow;
        if (fromWindow && SUCCEEDED(fromWindow(m_window, static_cast<DWORD>(OBJID_WINDOW), __uuidof(IDispatch),
                                               reinterpret_cast<void**>(parent))))
            return S_OK;
        *parent = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override
    {
        if (!count)
            return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT, IDispatch** child) override
    {
        if (child)
            *child = nullptr;
        return E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return Text(child, name, &AccessibleFacts::Name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return Text(child, value, &AccessibleFacts::Value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override { return NoText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return Number(child, role, [](const AccessibleFacts& facts) { return facts.Role; });
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return Number(child, state,
                      [this](const AccessibleFacts& facts) { return facts.State | WindowAccessibleState(m_window); });
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* text) override { return NoText(child, text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, long* topic) override
    {
        if (file)
            *file = nullptr;
        if (topic)
            *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return Text(child, shortcut, &AccessibleFacts::Shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        if (!focus)
            return E_POINTER;
        focus->vt = VT_EMPTY;
        if (!::IsWindow(m_window))
            return CO_E_OBJNOTCONNECTED;
        if (::GetFocus() != m_window)
            return S_FALSE;
        SetSelf(focus);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        if (!selection)
            return E_POINTER;
        selection->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return Text(child, action, &AccessibleFacts::DefaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override
    {
        if (!IsSelf(child))
            return E_INVALIDARG;
        if (!::IsWindow(m_window))
            return CO_E_OBJNOTCONNECTED;
        if (!(flags & SELFLAG_TAKEFOCUS))
            return DISP_E_MEMBERNOTFOUND;
        ::SetFocus(m_window);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height, VARIANT child) override
    {
        if (!left || !top || !width || !height)
            return E_POINTER;
        *left = *top = *width = *height = 0;
        if (!IsSelf(child))
            return E_INVALIDARG;
        RECT rect = {};
        if (!::GetWindowRect(m_window, &rect))
            return CO_E_OBJNOTCONNECTED;
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(long, VARIANT, VARIANT* end) override
    {
        if (end)
            end->vt = VT_EMPTY;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(long x, long y, VARIANT* child) override
    {
        if (!child)
            return E_POINTER;
        child->vt = VT_EMPTY;
        RECT rect = {};
        if (!::GetWindowRect(m_window, &rect))
            return CO_E_OBJNOTCONNECTED;
        if (!::PtInRect(&rect, POINT{x, y}))
            return S_FALSE;
        SetSelf(child);
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        if (!IsSelf(child))
            return E_INVALIDARG;
        CWindow* window = ::IsWindow(m_window) ? CWindow::FromHandle(m_window) : nullptr;
        if (!window)
            return CO_E_OBJNOTCONNECTED;
        return window->DoAccessibleDefaultAction() ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~CClientAccessible() = default;

    // S_OK with the facts, or the failure to hand back: a wrong child, a window gone.
    HRESULT Read(const VARIANT& child, AccessibleFacts& facts) const
    {
        if (!IsSelf(child))
            return E_INVALIDARG;
        CWindow* window = ::IsWindow(m_window) ? CWindow::FromHandle(m_window) : nullptr;
        if (!window || !window->DescribeForAccessibility(facts))
            return CO_E_OBJNOTCONNECTED;
        return S_OK;
    }

    template <class Pick>
    HRESULT Number(const VARIANT& child, VARIANT* answer, Pick pick) const
    {
        if (!answer)
            return E_POINTER;
        answer->vt = VT_EMPTY;
        AccessibleFacts facts;
        if (HRESULT failed = Read(child, facts))
            return failed;
        answer->vt = VT_I4;
        answer->lVal = pick(facts);
        return S_OK;
    }

    HRESULT Text(const VARIANT& child, BSTR* text, std::string AccessibleFacts::*field) const
    {
        if (!text)
            return E_POINTER;
        *text = nullptr;
        AccessibleFacts facts;
        if (HRESULT failed = Read(child, facts))
            return failed;
        if ((facts.*field).empty())
            return S_FALSE;
        *text = ToBstr(facts.*field);
        return *text ? S_OK : E_OUTOFMEMORY;
    }

    static HRESULT NoText(const VARIANT& child, BSTR* text)
    {
        if (!text)
            return E_POINTER;
        *text = nullptr;
        return IsSelf(child) ? S_FALSE : E_INVALIDARG;
    }

    LONG m_references = 1;
    HWND m_window;
};

}  // namespace

IAccessible* CreateClientAccessible(HWND window)
{
    return new (std::nothrow) CClientAccessible(window);
}

long WindowAccessibleState(HWND window)
{
    long state = 0;
    if (!::IsWindowEnabled(window))
        state |= STATE_SYSTEM_UNAVAILABLE;
    if (!::IsWindowVisible(window))
        state |= STATE_SYSTEM_INVISIBLE;
    if (::GetFocus() == window)
        state |= STATE_SYSTEM_FOCUSED;
    return state;
}

bool AnswerGetObject(HWND window, WPARAM flags, LPARAM objectId, LRESULT& result)
{
    if (static_cast<LONG>(objectId) != OBJID_CLIENT)
        return false;
    const AutomationCalls& calls = Automation();
    if (!calls.Lresult)
        return false;
    // Handing the object out marshals it, which needs COM on this thread. The thread keeps
    // COM for its life: the object may be read long after this message.
    static thread_local bool comStarted = false;
    if (!comStarted && calls.InitializeCom) {
        const HRESULT started = calls.InitializeCom(nullptr, COINIT_APARTMENTTHREADED);
        comStarted = SUCCEEDED(started) || started == RPC_E_CHANGED_MODE;
    }
    IAccessible* object = CreateClientAccessible(window);
    if (!object)
        return false;
    const LRESULT answer = calls.Lresult(__uuidof(IAccessible), flags, object);
    object->Release();
    // A failure comes back as a negative HRESULT in the result.
    if (answer < 0)
        return false;
    result = answer;
    return true;
}
