// The owner-drawn push button of the pages. Bound to a template button, it draws itself
// off-screen in the system colours, shows a hover edge (flat buttons), follows the pressed
// look while the mouse is held, and acts as a check box or radio button when the template's
// style says so.
#ifndef SKYLOOK_CONTROLS_SKIN_BUTTON_H
#define SKYLOOK_CONTROLS_SKIN_BUTTON_H

#include "controls/FaceBitmap.h"
#include "controls/FocusCues.h"
#include "controls/FontCache.h"
#include "controls/SkinButtonStyle.h"
#include "framework/Control.h"
#include "framework/Gdi.h"

#include <string>

class CSkinButton : public CControl {
public:
    // Posted to the other buttons of a radio button's group when it is turned on.
    static constexpr UINT UncheckMessage = WM_USER + 0x100;

    CSkinButton();

    // The font's height is in pixels at 96 dpi; the button draws it at its window's DPI.
    void SetCaptionFont(const LOGFONTA& font);
    void SetCaptionColour(COLORREF colour);
    void SetInset(short inset);

    SkinButtonKind Kind() const { return m_style.kind; }
    bool IsChecked() const { return m_checked; }
    bool IsHovered() const { return m_hover; }
    bool IsHeld() const { return m_held; }
    bool IsFlat() const { return m_style.flat; }
    bool IsDefault() const { return m_style.isDefault; }
    HFONT CaptionFont() const { return m_font.Get(); }

    // Paints one draw-item request: the owner-draw step of the button. The face is drawn
    // again only when its look changed; otherwise the last one is copied.
    void DrawItem(const DRAWITEMSTRUCT& item);
    // Forgets the kept face, for a change the button cannot see in its state (size, DPI,
    // caption, font, colours); the next paint draws it anew.
    void ResetPaintCache();

    bool DescribeForAccessibility(AccessibleFacts& facts) const override;
    bool DoAccessibleDefaultAction() override;

protected:
    void PreSubclass() override;
    void OnDpiChanged() override;
    bool OnPaint() override;
    bool OnEraseBackground(HDC dc) override;
    bool OnMouseMove(UINT flags, POINT point) override;
    bool OnMouseLeave() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    bool OnReflected(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

private:
    // True when the pushed look had to change first; the state change redraws the button.
    bool FollowHeldCursor();
    void SetChecked(bool checked);
    void UncheckGroup();
    bool IsUnderPoint(POINT screenPoint) const;
    void DrawFace(HDC dc, const RECT& rect, UINT itemState) const;
    // The whole button into dc, in its present state.
    void DrawNow(HDC dc);

    // What the kept face shows.
    struct FaceKey {
        UINT itemState = 0;
        bool checked = false;
        bool hover = false;
        bool isDefault = false;
        int width = 0;
        int height = 0;
        bool operator==(const FaceKey&) const = default;
    };

    SkinButtonStyle m_style;
    CFocusCues m_focusCues;
    LOGFONTA m_fontAt96;
    CSharedFont m_font;
    std::string m_caption;
    CFaceBitmap m_face;
    FaceKey m_faceKey;
    bool m_checked = false;
    bool m_hover = false;
    bool m_held = false;
    short m_inset = 4;  // pixels at 96 dpi
    COLORREF m_captionColour;
};

#endif
