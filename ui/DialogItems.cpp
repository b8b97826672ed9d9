#include "ui/DialogItems.h"

std::string ItemText(HWND dialog, int id)
{
    HWND item = ::GetDlgItem(dialog, id);
    if (!item)
        return {};
    const int length = ::GetWindowTextLengthA(item);
    if (length <= 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const int copied = ::GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<size_t>(copied > 0 ? copied : 0));
    return text;
}

void SetItemText(HWND dialog, int id, const std::string& text)
{
    ::SetDlgItemTextA(dialog, id, text.c_str());
}

void LimitItemText(HWND dialog, int id, int characters)
{
    ::SendDlgItemMessageA(dialog, id, EM_LIMITTEXT, static_cast<WPARAM>(characters), 0);
}

void SetPasswordChar(HWND dialog, int id, char mask)
{
    ::SendDlgItemMessageA(dialog, id, EM_SETPASSWORDCHAR, static_cast<unsigned char>(mask), 0);
}

bool IsItemChecked(HWND dialog, int id)
{
    return ::IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void CheckItem(HWND dialog, int id, bool checked)
{
    ::CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void ShowItem(HWND dialog, int id, bool show)
{
    if (HWND item = ::GetDlgItem(dialog, id))
        ::ShowWindow(item, show ? SW_SHOW : SW_HIDE);
}

void ShowItems(HWND dialog, std::span<const int> ids, bool show)
{
    for (int id : ids)
        ShowItem(dialog, id, show);
}

void EnableDialogItems(HWND dialog, std::span<const int> ids, bool enable)
{
    for (int id : ids)
        if (HWND item = ::GetDlgItem(dialog, id))
            ::EnableWindow(item, enable ? TRUE : FALSE);
}

namespace {
void AddComboItem(HWND dialog, int id, const char* text)
{
    ::SendDlgItemMessageA(dialog, id, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text));
}
}  // namespace

void FillComboList(HWND dialog, int id, std::span<const char* const> items)
{
    ::SendDlgItemMessageA(dialog, id, CB_RESETCONTENT, 0, 0);
    for (const char* item : items)
        AddComboItem(dialog, id, item);
}

void FillComboList(HWND dialog, int id, const std::vector<std::string>& items)
{
    ::SendDlgItemMessageA(dialog, id, CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items)
        AddComboItem(dialog, id, item.c_str());
}

void SelectComboItem(HWND dialog, int id, int index)
{
    ::SendDlgItemMessageA(dialog, id, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

int ComboSelection(HWND dialog, int id)
{
    const LRESULT index = ::SendDlgItemMessageA(dialog, id, CB_GETCURSEL, 0, 0);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

std::string ComboSelectionText(HWND dialog, int id)
{
    const int index = ComboSelection(dialog, id);
    if (index < 0)
        return {};
    const LRESULT length = ::SendDlgItemMessageA(dialog, id, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length == CB_ERR || length < 0)
        return {};
    std::string text(static_cast<size_t>(length) + 1, '\0');
    const LRESULT copied =
        ::SendDlgItemMessageA(dialog, id, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR || copied < 0 ? 0 : static_cast<size_t>(copied));
    return text;
}
