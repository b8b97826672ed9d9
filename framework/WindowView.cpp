#include "WindowView.h"

std::string WindowText(HWND hWnd)
{
    if (!hWnd)
        return {};
    // The length may be more than the text (never less); the copy says how much there was.
    int length = ::GetWindowTextLengthA(hWnd);
    std::string text(static_cast<size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(hWnd, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return text;
}

LRESULT CWindowView::SendItem(int id, UINT message, WPARAM wParam, LPARAM lParam) const
{
    HWND item = Item(id);
    return item ? ::SendMessageA(item, message, wParam, lParam) : 0;
}

void CWindowView::SetItemText(int id, const char* text) const
{
    if (HWND item = Item(id))
        ::SetWindowTextA(item, text);
}

int CWindowView::ItemInt(int id, bool* translated) const
{
    BOOL ok = FALSE;
    int value = Item(id) ? static_cast<int>(::GetDlgItemInt(m_hWnd, id, &ok, TRUE)) : 0;
    if (translated)
        *translated = ok != FALSE;
    return ok ? value : 0;
}

UINT CWindowView::ItemUInt(int id, bool* translated) const
{
    BOOL ok = FALSE;
    UINT value = Item(id) ? ::GetDlgItemInt(m_hWnd, id, &ok, FALSE) : 0;
    if (translated)
        *translated = ok != FALSE;
    return ok ? value : 0;
}

void CWindowView::SetItemInt(int id, int value) const
{
    if (Item(id))
        ::SetDlgItemInt(m_hWnd, id, static_cast<UINT>(value), TRUE);
}

void CWindowView::SetItemUInt(int id, UINT value) const
{
    if (Item(id))
        ::SetDlgItemInt(m_hWnd, id, value, FALSE);
}

void CWindowView::CheckItem(int id, bool checked) const
{
    SendItem(id, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

bool CWindowView::IsItemChecked(int id) const
{
    return SendItem(id, BM_GETCHECK) == BST_CHECKED;
}

void CWindowView::CheckRadio(int first, int last, int checkedId) const
{
    if (m_hWnd)
        ::CheckRadioButton(m_hWnd, first, last, checkedId);
}

void CWindowView::EnableItem(int id, bool enable) const
{
    if (HWND item = Item(id))
        ::EnableWindow(item, enable ? TRUE : FALSE);
}

void CWindowView::ShowItem(int id, bool show) const
{
    if (HWND item = Item(id))
        ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}
