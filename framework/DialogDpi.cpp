#include "DialogDpi.h"

#include "DpiAwareness.h"

#include <commctrl.h>

#include <cstring>
#include <map>
#include <vector>

namespace {
// Where a window was placed for a DPI, kept so that moves back and forth between monitors
// scale from the first placement instead of gathering rounding steps.
struct Placement {
    RECT base;      // the place at baseDpi
    int baseDpi;
    RECT shown;     // the place last given; another place means the program moved it since
};

// A dialog of the program: the DPI its template was laid out for, and the template's font
// made again for another DPI (null while it needs none).
struct DialogRecord {
    int templateDpi;
    HFONT font;
};

std::map<HWND, Placement>& Placements()
{
    static std::map<HWND, Placement> placements;
    return placements;
}

std::map<HWND, DialogRecord>& Dialogs()
{
    static std::map<HWND, DialogRecord> dialogs;
    return dialogs;
}

bool IsDialogWindow(HWND window)
{
    char name[16] = {};
    return ::GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, "#32770") == 0;
}

bool IsListView(HWND window)
{
    char name[16] = {};
    return ::GetClassNameA(window, name, sizeof name) > 0 && std::strcmp(name, "SysListView32") == 0;
}

// A list view's columns are sized in pixels by whoever filled it; they grow with the list.
void ScaleListColumns(HWND list, int fromDpi, int toDpi)
{
    const HWND header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = header ? static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0)) : 0;
    for (int i = 0; i < columns; ++i) {
        const int width = static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0));
        ::SendMessageA(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(i), MAKELPARAM(::MulDiv(width, toDpi, fromDpi), 0));
    }
}

bool IsComboBox(HWND window)
{
    char name[16] = {};
    return ::GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, "ComboBox") == 0;
}

// The window's place in its parent's client area. A combo box counts with its list: the
// height it was given is the dropped-down one, and the closed height follows its font.
RECT PlaceInParent(HWND window)
{
    RECT rect = {};
    ::GetWindowRect(window, &rect);
    if (IsComboBox(window)) {
        RECT dropped = {};
        if (::SendMessageA(window, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped)) &&
            dropped.bottom > rect.bottom)
            rect.bottom = dropped.bottom;
    }
    if (HWND parent = ::GetParent(window); parent && (::GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void PlaceForDpi(HWND window, int fromDpi, int toDpi)
{
    const RECT now = PlaceInParent(window);
    auto known = Placements().find(window);
    if (known == Placements().end() || !::EqualRect(&known->second.shown, &now))
        known = Placements().insert_or_assign(window, Placement{now, fromDpi, now}).first;
    Placement& placement = known->second;
    const RECT target = ScaleRectForDpi(placement.base, placement.baseDpi, toDpi);
    ::SetWindowPos(window, nullptr, target.left, target.top, target.right - target.left, target.bottom - target.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    // What the window took: a combo box keeps its closed height, so compare with its own measure.
    placement.shown = PlaceInParent(window);
}

LOGFONTA FontDescription(HFONT font)
{
    LOGFONTA description = {};
    ::GetObjectA(font ? static_cast<HGDIOBJ>(font) : ::GetStockObject(DEFAULT_GUI_FONT), sizeof description,
                 &description);
    return description;
}

// Gives the children of dialog that use its template font that font made for toDpi. The
// dialog keeps its own font (the dialog manager frees it with the dialog); the children
// take one of ours, freed when the next one replaces it or the dialog goes.
void ScaleDialogFont(HWND dialog, int toDpi)
{
    const HFONT templateFont = reinterpret_cast<HFONT>(::SendMessageA(dialog, WM_GETFONT, 0, 0));
    if (!templateFont)
        return;
    DialogRecord& record = Dialogs().try_emplace(dialog, DialogRecord{SystemWindowDpi(dialog), nullptr}).first->second;
    const HFONT previousFont = record.font;
    HFONT font = templateFont;
    if (toDpi != record.templateDpi) {
        LOGFONTA description = FontDescription(templateFont);
        description.lfHeight = ::MulDiv(description.lfHeight, toDpi, record.templateDpi);
        font = ::CreateFontIndirectA(&description);
        if (!font)
            return;
    }
    for (HWND child = ::GetWindow(dialog, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const HFONT used = reinterpret_cast<HFONT>(::SendMessageA(child, WM_GETFONT, 0, 0));
        if (used == templateFont || (previousFont && used == previousFont))
            ::SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    if (previousFont)
        ::DeleteObject(previousFont);
    record.font = font == templateFont ? nullptr : font;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM list)
{
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
    return TRUE;
}

std::vector<HWND> Descendants(HWND window)
{
    std::vector<HWND> found;
    ::EnumChildWindows(window, &CollectWindow, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Windows that belong to a control (a combo box's list, a list view's header) are its own
// to place; the dialogs and their template controls are the program's.
bool PlacedByLayout(HWND window)
{
    return IsDialogWindow(window) || IsDialogWindow(::GetParent(window));
}

void ForgetGoneWindows()
{
    auto& placements = Placements();
    for (auto it = placements.begin(); it != placements.end();) {
        if (::IsWindow(it->first))
            ++it;
        else
            it = placements.erase(it);
    }
}

// Scales the dialog layout under root (root itself when placeRoot) from fromDpi to toDpi:
// the fonts first, as a combo box's closed height follows its font.
void ScaleLayout(HWND root, int fromDpi, int toDpi, bool placeRoot)
{
    std::vector<HWND> windows = Descendants(root);
    windows.insert(windows.begin(), root);
    for (HWND each : windows)
        if (IsDialogWindow(each))
            ScaleDialogFont(each, toDpi);
    for (HWND each : windows) {
        if (each == root ? placeRoot : PlacedByLayout(each))
            PlaceForDpi(each, fromDpi, toDpi);
        if (IsListView(each))
            ScaleListColumns(each, fromDpi, toDpi);
    }
}
}  // namespace

RECT ScaleRectForDpi(const RECT& rect, int fromDpi, int toDpi)
{
    if (fromDpi <= 0 || toDpi <= 0)
        return rect;
    const LONG left = ::MulDiv(rect.left, toDpi, fromDpi);
    const LONG top = ::MulDiv(rect.top, toDpi, fromDpi);
    return RECT{left, top, left + ::MulDiv(rect.right - rect.left, toDpi, fromDpi),
                top + ::MulDiv(rect.bottom - rect.top, toDpi, fromDpi)};
}

SIZE DpiScaledWindowSize(HWND window, int newDpi)
{
    RECT client = {};
    ::GetClientRect(window, &client);
    const RECT scaled = ScaleRectForDpi(client, WindowDpi(window), newDpi);
    const DWORD style = static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
    const DWORD exStyle = static_cast<DWORD>(::GetWindowLongA(window, GWL_EXSTYLE));
    const RECT outer = WindowRectForDpi(scaled, style, exStyle, ::GetMenu(window) != nullptr, newDpi);
    return SIZE{outer.right - outer.left, outer.bottom - outer.top};
}

void FollowDpiChange(HWND topLevel, int newDpi, const RECT& suggested)
{
    if (newDpi <= 0)
        return;
    const int oldDpi = WindowDpi(topLevel);
    RememberWindowDpi(topLevel, newDpi);
    ForgetGoneWindows();
    if (oldDpi != newDpi)
        ScaleLayout(topLevel, oldDpi, newDpi, false);
    ::SetWindowPos(topLevel, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                   suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
    // Once the layout is done: each control reads its new size and font.
    for (HWND each : Descendants(topLevel))
        if (::IsWindow(each))
            ::SendMessageA(each, WM_DPICHANGED_AFTERPARENT, 0, 0);
    ::RedrawWindow(topLevel, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void AdoptDialog(HWND dialog)
{
    const int laidOut = SystemWindowDpi(dialog);
    Dialogs().insert_or_assign(dialog, DialogRecord{laidOut, nullptr});
    TakeOverDialogDpiScaling(dialog);
    if (!(::GetWindowLongA(dialog, GWL_STYLE) & WS_CHILD)) {
        // Told from the start: the system's own answer changes with a move before the
        // program has heard of it.
        RememberWindowDpi(dialog, laidOut);
        return;
    }
    const int wanted = WindowDpi(dialog);
    if (wanted != laidOut)
        ScaleLayout(dialog, laidOut, wanted, true);
}

void ForgetDialogDpi(HWND dialog)
{
    auto& dialogs = Dialogs();
    if (const auto found = dialogs.find(dialog); found != dialogs.end()) {
        if (found->second.font)
            ::DeleteObject(found->second.font);
        dialogs.erase(found);
    }
    Placements().erase(dialog);
}
