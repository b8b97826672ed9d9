#include "Dialog.h"

#include "Control.h"
#include "DialogDpi.h"
#include "DpiAwareness.h"

#include <string>

INT_PTR CDialog::DoModal(HWND owner)
{
    if (IsWindow())
        return -1;
    m_modal = true;
    INT_PTR result = ::DialogBoxParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), owner,
                                       &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    m_modal = false;
    return result;
}

bool CDialog::Create(HWND parent)
{
    if (IsWindow())
        return false;
    m_modal = false;
    HWND hWnd = ::CreateDialogParamA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_templateId), parent,
                                     &CDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    return hWnd != nullptr;
}

void CDialog::EndDialog(INT_PTR result)
{
    if (!IsWindow())
        return;
    if (m_modal)
        ::EndDialog(m_hWnd, result);
    else
        ::DestroyWindow(m_hWnd);
}

bool CDialog::BindControl(CControl& control, int id)
{
    if (control.SubclassItem(m_hWnd, id))
        return true;
    // Release builds keep the record for the tests; a debug build also says so at once.
    m_unboundControls.push_back(id);
#ifndef NDEBUG
    const std::string report = "Skylook: dialog " + std::to_string(m_templateId) + " cannot bind control " +
                               std::to_string(id) + "\n";
    ::OutputDebugStringA(report.c_str());
#endif
    return false;
}

bool CDialog::OnCommand(WORD id, WORD code, HWND control)
{
    if (code == BN_CLICKED || control == nullptr) {
        if (id == IDOK) {
            OnOK();
            return true;
        }
        if (id == IDCANCEL) {
            OnCancel();
            return true;
        }
    }
    // A menu or accelerator command has no control and is not a click.
    if (code == BN_CLICKED && control != nullptr)
        return OnButtonClicked(id);
    return false;
}

LRESULT CDialog::DefaultProc(UINT, WPARAM, LPARAM)
{
    if (m_unhandled)
        *m_unhandled = true;
    return 0;
}

namespace {
// Messages whose dialog-procedure result is the message's result itself.
bool ReturnsResultDirectly(UINT message)
{
    if (IsCtlColorMessage(message))
        return true;
    switch (message) {
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
    case WM_INITDIALOG:
        return true;
    default:
        return false;
    }
}
// The messages of a DPI change that a top-level dialog answers itself ("High DPI Desktop
// Application Development on Windows", WM_GETDPISCALEDSIZE and WM_DPICHANGED): the template
// layout scales with the DPI, so the client area does too.
bool IsTopLevelDpiMessage(HWND hWnd, UINT message)
{
    if (message != WM_DPICHANGED && message != WM_GETDPISCALEDSIZE)
        return false;
    return !(::GetWindowLongA(hWnd, GWL_STYLE) & WS_CHILD);
}
}  // namespace

INT_PTR CALLBACK CDialog::DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_INITDIALOG) {
        auto* dialog = reinterpret_cast<CDialog*>(lParam);
        if (!dialog)
            return TRUE;
        dialog->Bind(hWnd);
        dialog->m_unboundControls.clear();
        AdoptDialog(hWnd);
        try {
            dialog->DoDataExchange();
            return dialog->OnInitDialog() ? TRUE : FALSE;
        } catch (...) {
            return TRUE;
        }
    }
    auto* dialog = static_cast<CDialog*>(FromHandle(hWnd));
    if (!dialog)
        return FALSE;
    if (message == WM_NCDESTROY) {
        ForgetDialogDpi(hWnd);
        dialog->OnNcDestroy();
        return FALSE;
    }
    if (IsTopLevelDpiMessage(hWnd, message)) {
        try {
            if (message == WM_GETDPISCALEDSIZE) {
                if (lParam)
                    *reinterpret_cast<SIZE*>(lParam) = DpiScaledWindowSize(hWnd, static_cast<int>(wParam));
            } else {
                RECT suggested = {};
                if (lParam)
                    suggested = *reinterpret_cast<const RECT*>(lParam);
                else
                    ::GetWindowRect(hWnd, &suggested);
                FollowDpiChange(hWnd, LOWORD(wParam), suggested);
                dialog->OnDpiChanged();
            }
        } catch (...) {
        }
        ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, message == WM_GETDPISCALEDSIZE ? TRUE : 0);
        return TRUE;
    }
    bool unhandled = false;
    bool* outer = dialog->m_unhandled;
    dialog->m_unhandled = &unhandled;
    LRESULT result = 0;
    try {
        result = dialog->WindowProc(message, wParam, lParam);
    } catch (...) {
        unhandled = true;
    }
    dialog->m_unhandled = outer;
    if (unhandled)
        return FALSE;
    if (ReturnsResultDirectly(message))
        return static_cast<INT_PTR>(result);
    ::SetWindowLongPtrA(hWnd, DWLP_MSGRESULT, result);
    return TRUE;
}
