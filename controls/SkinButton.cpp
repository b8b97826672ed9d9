#include "controls/SkinButton.h"

#include "controls/DpiScale.h"
#include "controls/DrawingPrimitives.h"
#include "controls/FontCache.h"
#include "controls/PointFont.h"
#include "controls/ThemeColours.h"
#include "framework/AccessibleText.h"

#include <oleacc.h>
#include <windowsx.h>

#include <string>

namespace {
bool CancelMouseLeave(HWND hWnd)
{
    TRACKMOUSEEVENT track = {};
    track.cbSize = sizeof track;
    track.dwFlags = TME_CANCEL | TME_LEAVE;
    track.hwndTrack = hWnd;
    return ::TrackMouseEvent(&track) != FALSE;
}

// The windows of hWnd's dialog group: from the nearest WS_GROUP window at or before it up to
// the next one. Disabled and hidden members count too, so that no stale check is left.
template <typename Visit>
void ForEachGroupMember(HWND hWnd, Visit visit)
{
    HWND first = hWnd;
    while (!(::GetWindowLongA(first, GWL_STYLE) & WS_GROUP)) {
        HWND previous = ::GetWindow(first, GW_HWNDPREV);
        if (!previous)
            break;
        first = previous;
    }
    for (HWND member = first; member; member = ::GetWindow(member, GW_HWNDNEXT)) {
        if (member != first && (::GetWindowLongA(member, GWL_STYLE) & WS_GROUP))
            break;
        visit(member);
    }
}
}  // namespace

CSkinButton::CSkinButton()
    : m_fontAt96(GuiFontAt96()), m_font(PixelFontAtDpi(m_fontAt96, SystemDpi())),
      m_captionColour(::GetSysColor(COLOR_BTNTEXT))
{
}

void CSkinButton::SetCaptionFont(const LOGFONTA& font)
{
    m_fontAt96 = font;
    m_font = CSharedFont(PixelFontAtDpi(font, m_hWnd ? WindowDpi(m_hWnd) : SystemDpi()));
    ResetPaintCache();
}

void CSkinButton::OnDpiChanged()
{
    m_font = CSharedFont(PixelFontAtDpi(m_fontAt96, WindowDpi(m_hWnd)));
    ResetPaintCache();
}

void CSkinButton::SetCaptionColour(COLORREF colour)
{
    m_captionColour = colour;
    ResetPaintCache();
}

void CSkinButton::SetInset(short inset)
{
    m_inset = inset;
    ResetPaintCache();
}

void CSkinButton::ResetPaintCache()
{
    m_face.SetDrawn(false);
    if (m_hWnd)
        Invalidate(false);
}

void CSkinButton::PreSubclass()
{
    m_caption = GetText();
    m_face.Reset();
    DWORD style = static_cast<DWORD>(::GetWindowLongA(m_hWnd, GWL_STYLE));
    m_style = DeriveSkinButtonStyle(style);
    m_focusCues.Read(m_hWnd);
    m_font = CSharedFont(PixelFontAtDpi(m_fontAt96, WindowDpi(m_hWnd)));
    ::SetWindowLongA(m_hWnd, GWL_STYLE, static_cast<LONG>(OwnerDrawnButtonStyle(style)));
}

bool CSkinButton::OnEraseBackground(HDC)
{
    return true;
}

bool CSkinButton::IsUnderPoint(POINT screenPoint) const
{
    return ::WindowFromPoint(screenPoint) == m_hWnd;
}

bool CSkinButton::OnMouseMove(UINT, POINT point)
{
    if (m_held && ::GetCapture() == m_hWnd) {
        POINT screen = point;
        ::ClientToScreen(m_hWnd, &screen);
        bool pushed = IsUnderPoint(screen);
        bool shownPushed = (Send(BM_GETSTATE) & BST_PUSHED) != 0;
        if (pushed != shownPushed) {
            Send(BM_SETSTATE, pushed ? TRUE : FALSE);
            Invalidate(false);
        }
    } else if (!m_hover && TrackMouseLeave(m_hWnd)) {
        m_hover = true;
        Invalidate(false);
    }
    return false;
}

bool CSkinButton::OnMouseLeave()
{
    m_hover = false;
    Invalidate(false);
    return true;
}

void CSkinButton::SetChecked(bool checked)
{
    m_checked = checked && m_style.kind != SkinButtonKind::Push;
    if (m_checked && m_style.kind == SkinButtonKind::Radio)
        UncheckGroup();
    Invalidate(false);
}

void CSkinButton::UncheckGroup()
{
    ForEachGroupMember(m_hWnd, [this](HWND member) {
        if (member == m_hWnd)
            return;
        // Only our own buttons know the message; a standard control might read it otherwise.
        if (dynamic_cast<CSkinButton*>(FromHandle(member)))
            ::PostMessageA(member, UncheckMessage, 0, 0);
    });
}

bool CSkinButton::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    if (CFaceBitmap::Outdates(message))
        ResetPaintCache();
    switch (message) {
    case WM_LBUTTONDOWN:
        if (m_hover && CancelMouseLeave(m_hWnd))
            m_hover = false;
        result = DefaultProc(message, wParam, lParam);
        m_held = true;
        return true;
    case WM_LBUTTONUP:
        if (m_style.kind != SkinButtonKind::Push && m_held) {
            POINT screen = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ::ClientToScreen(m_hWnd, &screen);
            if (IsUnderPoint(screen))
                Send(BM_SETCHECK, m_style.kind == SkinButtonKind::CheckBox ? !m_checked : TRUE);
        }
        m_held = false;
        result = DefaultProc(message, wParam, lParam);
        return true;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button would only report a double click; count it as a second press.
        result = Send(WM_LBUTTONDOWN, wParam, lParam);
        return true;
    case WM_CAPTURECHANGED:
        if (reinterpret_cast<HWND>(lParam) != m_hWnd)
            m_held = false;
        return false;
    case WM_KILLFOCUS:
        if (::GetCapture() == m_hWnd) {
            ::ReleaseCapture();
            m_held = false;
        }
        Invalidate(false);
        return false;
    case WM_SETFOCUS:
        Invalidate(false);
        return false;
    case WM_UPDATEUISTATE:
        // The focus mark appears once the keyboard is used.
        result = DefaultProc(message, wParam, lParam);
        if (m_focusCues.Update(m_hWnd, wParam))
            Invalidate(false);
        return true;
    case WM_KEYDOWN:
        // Only the first press of the space bar, not its auto-repeat, turns the check.
        if (wParam == VK_SPACE && m_style.kind != SkinButtonKind::Push && !(lParam & 0x40000000))
            Send(BM_SETCHECK, m_style.kind == SkinButtonKind::CheckBox ? !m_checked : TRUE);
        return false;
    case WM_SETTEXT:
        // Store the text without the standard button's blanking of the old caption, which
        // would flash before the redraw.
        result = ::DefWindowProcA(m_hWnd, message, wParam, lParam);
        m_caption = lParam ? reinterpret_cast<const char*>(lParam) : "";
        // Drawn at once, as a standard button does, rather than by a later paint.
        m_face.SetDrawn(false);
        if (::IsWindowVisible(m_hWnd)) {
            if (HDC dc = ::GetDC(m_hWnd)) {
                DrawNow(dc);
                ::ReleaseDC(m_hWnd, dc);
                return true;
            }
        }
        Invalidate(false);
        return true;
    case WM_DESTROY:
        m_face.Reset();
        return false;
    case WM_GETDLGCODE:
        if (m_style.kind != SkinButtonKind::Push)
            return false;
        result = DLGC_BUTTON | (m_style.isDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return true;
    case BM_SETSTYLE:
        // The dialog moves its default button this way; the window stays owner-drawn.
        if (m_style.kind == SkinButtonKind::Push)
            m_style.isDefault = (wParam & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
        if (lParam)
            Invalidate(false);
        result = 0;
        return true;
    case BM_SETCHECK:
        SetChecked(wParam != 0);
        result = 0;
        return true;
    case BM_GETCHECK:
        result = m_checked ? BST_CHECKED : BST_UNCHECKED;
        return true;
    case UncheckMessage:
        if (m_checked) {
            m_checked = false;
            Invalidate(false);
        }
        result = 0;
        return true;
    default:
        return false;
    }
}

bool CSkinButton::OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result)
{
    if (message != WM_DRAWITEM || !lParam)
        return false;
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
    result = TRUE;
    return true;
}

bool CSkinButton::FollowHeldCursor()
{
    POINT cursor = {};
    if (!m_held || ::GetCapture() != m_hWnd || !::GetCursorPos(&cursor))
        return false;
    bool under = IsUnderPoint(cursor);
    bool pushed = (Send(BM_GETSTATE) & BST_PUSHED) != 0;
    if (under && !pushed) {
        Send(BM_SETSTATE, TRUE);
        return true;
    }
    if (!under && pushed) {
        Send(BM_SETSTATE, FALSE);
        return true;
    }
    return false;
}

void CSkinButton::DrawItem(const DRAWITEMSTRUCT& item)
{
    if (FollowHeldCursor())
        return;
    const RECT& rect = item.rcItem;
    const int width = RectWidth(rect);
    const int height = RectHeight(rect);
    UINT state = item.itemState;
    // Focus marks stay hidden until the keyboard is used, whoever asked for the drawing.
    if ((state & ODS_FOCUS) && m_focusCues.MarkHidden())
        state |= ODS_NOFOCUSRECT;
    const FaceKey key{state & (ODS_DISABLED | ODS_SELECTED | ODS_DEFAULT | ODS_FOCUS | ODS_NOFOCUSRECT), m_checked,
                      m_hover,
                      m_style.isDefault, width, height};
    if (!m_face.IsDrawn() || !(key == m_faceKey)) {
        HDC face = m_face.Prepare(item.hDC, width, height);
        if (!face) {
            DrawFace(item.hDC, rect, key.itemState);
            return;
        }
        DrawFace(face, RECT{0, 0, width, height}, key.itemState);
        m_faceKey = key;
        m_face.SetDrawn(true);
    }
    m_face.CopyTo(item.hDC, rect.left, rect.top, width, height);
}

bool CSkinButton::OnPaint()
{
    // The button's own paint would ask the parent to draw it (WM_CTLCOLORBTN, then
    // WM_DRAWITEM reflected back here); the button knows its state and draws itself.
    PAINTSTRUCT paint = {};
    if (HDC dc = ::BeginPaint(m_hWnd, &paint)) {
        DrawNow(dc);
        ::EndPaint(m_hWnd, &paint);
    }
    return true;
}

void CSkinButton::DrawNow(HDC dc)
{
    DRAWITEMSTRUCT item = {};
    item.CtlType = ODT_BUTTON;
    item.CtlID = static_cast<UINT>(::GetDlgCtrlID(m_hWnd));
    item.itemAction = ODA_DRAWENTIRE;
    item.hwndItem = m_hWnd;
    item.hDC = dc;
    ::GetClientRect(m_hWnd, &item.rcItem);
    if (!::IsWindowEnabled(m_hWnd))
        item.itemState |= ODS_DISABLED;
    if (Send(BM_GETSTATE) & BST_PUSHED)
        item.itemState |= ODS_SELECTED;
    if (::GetFocus() == m_hWnd)
        item.itemState |= ODS_FOCUS;
    DrawItem(item);
}

void CSkinButton::DrawFace(HDC dc, const RECT& rect, UINT itemState) const
{
    const char* caption = m_caption.c_str();
    ::SetBkMode(dc, TRANSPARENT);
    HFONT font = m_font ? m_font.Get() : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
    CSelectGuard fontGuard(dc, font);

    RECT text = rect;
    const int inset = ScaleForWindow(m_inset + 2, m_hWnd);
    text.left += inset;
    text.right -= inset;
    COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    COLORREF shadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF highlight = ::GetSysColor(COLOR_BTNHIGHLIGHT);

    RECT edges = rect;
    if (itemState & ODS_DISABLED) {
        FillSolidRect(dc, rect, face);
        if (m_style.border && !m_style.flat)
            ::DrawEdge(dc, &edges, EDGE_RAISED, BF_RECT);
        ::SetTextColor(dc, ::GetSysColor(COLOR_3DHIGHLIGHT));
        ::DrawTextA(dc, caption, -1, &text, m_style.captionFormat);
        ::OffsetRect(&text, -1, -1);
        ::SetTextColor(dc, ::GetSysColor(COLOR_GRAYTEXT));
        ::DrawTextA(dc, caption, -1, &text, m_style.captionFormat);
        return;
    }
    FillSolidRect(dc, rect, face);
    if ((itemState & ODS_SELECTED) || m_checked) {
        if (m_style.pushLike)
            ::OffsetRect(&text, 1, 1);
        if (m_style.border) {
            if (m_style.flat)
                Draw3dRect(dc, rect, shadow, highlight);
            else
                ::DrawEdge(dc, &edges, EDGE_SUNKEN, BF_RECT);
        }
    } else if (m_style.border && (m_hover || !m_style.flat)) {
        RECT edge = rect;
        if ((itemState & ODS_DEFAULT) || m_style.isDefault) {
            ::DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
            ::InflateRect(&edge, -1, -1);
            ::DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
        } else if (m_style.flat) {
            Draw3dRect(dc, edge, highlight, shadow);
        } else {
            ::DrawEdge(dc, &edge, EDGE_RAISED, BF_RECT);
        }
    }
    ::SetTextColor(dc, ThemeColour(ColourRole::ButtonText, m_captionColour));
    ::DrawTextA(dc, caption, -1, &text, m_style.captionFormat);
    // As a standard button marks the focus, unless the keyboard has not been used yet.
    if ((itemState & ODS_FOCUS) && !(itemState & ODS_NOFOCUSRECT)) {
        RECT mark = rect;
        const int inset = ScaleForWindow(3, m_hWnd);
        ::InflateRect(&mark, -inset, -inset);
        ::DrawFocusRect(dc, &mark);
    }
}

bool CSkinButton::DescribeForAccessibility(AccessibleFacts& facts) const
{
    switch (m_style.kind) {
    case SkinButtonKind::CheckBox: facts.Role = ROLE_SYSTEM_CHECKBUTTON; break;
    case SkinButtonKind::Radio: facts.Role = ROLE_SYSTEM_RADIOBUTTON; break;
    default: facts.Role = ROLE_SYSTEM_PUSHBUTTON; break;
    }
    facts.Name = WithoutAccessKey(m_caption);
    facts.Shortcut = AccessKeyShortcut(m_caption);
    facts.State = STATE_SYSTEM_FOCUSABLE;
    if (m_checked)
        facts.State |= STATE_SYSTEM_CHECKED;
    if (m_hWnd && (Send(BM_GETSTATE) & BST_PUSHED))
        facts.State |= STATE_SYSTEM_PRESSED;
    if (m_style.isDefault)
        facts.State |= STATE_SYSTEM_DEFAULT;
    if (m_style.kind == SkinButtonKind::Push)
        facts.DefaultAction = "Press";
    else
        facts.DefaultAction = m_checked && m_style.kind == SkinButtonKind::CheckBox ? "Uncheck" : "Check";
    return true;
}

bool CSkinButton::DoAccessibleDefaultAction()
{
    if (!IsEnabled())
        return false;
    Post(BM_CLICK);
    return true;
}
