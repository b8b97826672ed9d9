// A view of a window that someone else owns: an HWND with the everyday operations on it.
// Attaching a view changes nothing about the window (no subclassing, no property), so
// views are cheap to make, copy and throw away. CWindow derives from it and so offers the
// same operations on its own window. The item helpers work on any parent whose children
// have ids (dialogs above all); an id that names no child is a no-op or reads as empty.
#ifndef SKYLOOK_FRAMEWORK_WINDOW_VIEW_H
#define SKYLOOK_FRAMEWORK_WINDOW_VIEW_H

#include <windows.h>
#include <span>
#include <string>

// The window's text, whole, however long it is.
std::string WindowText(HWND hWnd);

// A control's text, for dialogs that set the texts of many items at initialisation.
struct DialogItemText {
    int Id;
    const char* Text;
};

class CWindowView {
public:
    CWindowView(HWND hWnd = nullptr) : m_hWnd(hWnd) {}

    HWND Handle() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }
    bool IsWindow() const { return m_hWnd != nullptr && ::IsWindow(m_hWnd); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::SendMessageA(m_hWnd, message, wParam, lParam);
    }
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return ::PostMessageA(m_hWnd, message, wParam, lParam) != FALSE;
    }
    bool Show(int command) const { return ::ShowWindow(m_hWnd, command) != FALSE; }
    bool IsVisible() const { return ::IsWindowVisible(m_hWnd) != FALSE; }
    void Enable(bool enable) const { ::EnableWindow(m_hWnd, enable ? TRUE : FALSE); }
    bool IsEnabled() const { return ::IsWindowEnabled(m_hWnd) != FALSE; }
    void SetText(const char* text) const { ::SetWindowTextA(m_hWnd, text); }
    void SetText(const std::string& text) const { SetText(text.c_str()); }
    std::string GetText() const { return WindowText(m_hWnd); }
    HWND Item(int id) const { return m_hWnd ? ::GetDlgItem(m_hWnd, id) : nullptr; }
    bool StartTimer(UINT_PTR id, UINT milliseconds) const
    {
        return ::SetTimer(m_hWnd, id, milliseconds, nullptr) != 0;
    }
    void StopTimer(UINT_PTR id) const { ::KillTimer(m_hWnd, id); }
    void Invalidate(bool erase = true) const { ::InvalidateRect(m_hWnd, nullptr, erase ? TRUE : FALSE); }

    // Items: the children of this window, by control id.
    LRESULT SendItem(int id, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    std::string ItemText(int id) const { return WindowText(Item(id)); }
    void SetItemText(int id, const char* text) const;
    void SetItemText(int id, const std::string& text) const { SetItemText(id, text.c_str()); }
    void SetItemTexts(std::span<const DialogItemText> texts) const
    {
        for (const DialogItemText& item : texts)
            SetItemText(item.Id, item.Text);
    }
    // The item's text read as a number; translated (when given) says whether it was one.
    // Text that is not a number, and a missing item, read as 0.
    int ItemInt(int id, bool* translated = nullptr) const;
    UINT ItemUInt(int id, bool* translated = nullptr) const;
    void SetItemInt(int id, int value) const;
    void SetItemUInt(int id, UINT value) const;
    // Check boxes and radio buttons.
    void CheckItem(int id, bool checked = true) const;
    void UncheckItem(int id) const { CheckItem(id, false); }
    bool IsItemChecked(int id) const;
    // Checks checkedId and clears every other button whose id lies in first..last.
    void CheckRadio(int first, int last, int checkedId) const;
    void EnableItem(int id, bool enable = true) const;
    void ShowItem(int id, bool show = true) const;

protected:
    HWND m_hWnd = nullptr;
};

#endif
