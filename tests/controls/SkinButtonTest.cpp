#include "ControlHost.h"
#include "MessageLog.h"
#include "PixelCanvas.h"
#include "controls/FocusCues.h"
#include "controls/SkinButton.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {
TEST(SkinButtonStyle, KindAndLookComeFromTheTemplateStyle)
{
    SkinButtonStyle push = DeriveSkinButtonStyle(BS_PUSHBUTTON);
    EXPECT_EQ(push.kind, SkinButtonKind::Push);
    EXPECT_TRUE(push.pushLike);
    EXPECT_TRUE(push.border);
    EXPECT_FALSE(push.flat);
    EXPECT_FALSE(push.isDefault);
    EXPECT_EQ(push.captionFormat, static_cast<UINT>(DT_CENTER | DT_VCENTER | DT_SINGLELINE));
    EXPECT_TRUE(DeriveSkinButtonStyle(BS_DEFPUSHBUTTON).isDefault);

    SkinButtonStyle check = DeriveSkinButtonStyle(BS_AUTOCHECKBOX);
    EXPECT_EQ(check.kind, SkinButtonKind::CheckBox);
    EXPECT_FALSE(check.pushLike);
    EXPECT_FALSE(check.border);
    EXPECT_TRUE(DeriveSkinButtonStyle(BS_AUTOCHECKBOX | BS_PUSHLIKE).border);

    SkinButtonStyle radio = DeriveSkinButtonStyle(BS_AUTORADIOBUTTON | BS_FLAT | BS_PUSHLIKE);
    EXPECT_EQ(radio.kind, SkinButtonKind::Radio);
    EXPECT_TRUE(radio.flat);
    EXPECT_TRUE(radio.border);

    EXPECT_EQ(DeriveSkinButtonStyle(BS_LEFT).captionFormat, 36u);
    EXPECT_EQ(DeriveSkinButtonStyle(BS_RIGHT).captionFormat, 38u);
    EXPECT_EQ(DeriveSkinButtonStyle(BS_CENTER).captionFormat, 37u);
    // Templates that are already owner-drawn, or group boxes, are plain push buttons.
    EXPECT_EQ(DeriveSkinButtonStyle(BS_OWNERDRAW).kind, SkinButtonKind::Push);
    EXPECT_EQ(DeriveSkinButtonStyle(BS_GROUPBOX).kind, SkinButtonKind::Push);
    EXPECT_EQ(OwnerDrawnButtonStyle(WS_TABSTOP | BS_DEFPUSHBUTTON | BS_FLAT),
              static_cast<DWORD>(WS_TABSTOP | BS_OWNERDRAW | BS_FLAT));
}

class SkinButtonTest : public testing::Test {
protected:
    static constexpr int Width = 100;
    static constexpr int Height = 30;
    static constexpr int Id = 1055;

    void Add(CSkinButton& control, const char* text, DWORD style, int x = 10, int y = 10, int id = Id)
    {
        host.Add(control, "Button", text, style, RECT{x, y, x + Width, y + Height}, id);
    }
    void Render(CSkinButton& control) { canvas.RenderClient(control); }
    static LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }
    ExpectedMessage Clicked(int id = Id) const
    {
        return {host, WM_COMMAND, MatchWParam, MAKEWPARAM(id, BN_CLICKED)};
    }
    // What a press and release over the button go through, after the button-down itself.
    std::vector<ExpectedMessage> PressReleaseClick() const
    {
        return {{button, BM_SETSTATE, MatchWParam, TRUE}, {button, WM_LBUTTONUP},
                {button, BM_SETSTATE, MatchWParam, FALSE}, Clicked()};
    }
    static std::vector<ExpectedMessage> Then(std::vector<ExpectedMessage> first, const std::vector<ExpectedMessage>& next)
    {
        // One at a time: GCC 12 warns falsely (array bounds) about a range insert here.
        first.reserve(first.size() + next.size());
        for (const ExpectedMessage& message : next)
            first.push_back(message);
        return first;
    }

    void TearDown() override { MoveCursorAway(); }

    CControlHost host;
    CSkinButton button;
    CPixelCanvas canvas{Width, Height};
    const std::set<UINT> clickMessages = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_MOUSEMOVE,
                                          BM_SETSTATE,    BM_SETCHECK,  WM_COMMAND};
};

TEST_F(SkinButtonTest, BindingMakesTheButtonOwnerDrawn)
{
    Add(button, "Apply", BS_PUSHBUTTON | WS_TABSTOP);
    EXPECT_EQ(::GetWindowLongA(button, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(button.Kind(), SkinButtonKind::Push);
}

TEST_F(SkinButtonTest, PressAndReleaseOnTheButtonClicksOnce)
{
    Add(button, "Apply", BS_PUSHBUTTON);
    MoveCursorTo(button, {20, 10});
    CMessageLog log({button, host}, clickMessages);
    button.Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    button.Send(WM_LBUTTONUP, 0, Point(20, 10));
    EXPECT_TRUE(MatchesSequence(log, Then({{button, WM_LBUTTONDOWN}}, PressReleaseClick())));
    EXPECT_FALSE(button.IsHeld());
}

TEST_F(SkinButtonTest, PressMoveOffAndReleaseGivesNoClickAndANormalLook)
{
    Add(button, "Apply", BS_PUSHBUTTON);
    MoveCursorTo(button, {20, 10});
    CMessageLog log({button, host}, clickMessages);
    button.Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    POINT off = {Width + 50, 10};
    ::ClientToScreen(button, &off);
    ::SetCursorPos(off.x, off.y);
    button.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(Width + 50, 10));
    button.Send(WM_LBUTTONUP, 0, Point(Width + 50, 10));
    EXPECT_TRUE(MatchesSequence(log, {
                                         {button, WM_LBUTTONDOWN},
                                         {button, BM_SETSTATE, MatchWParam, TRUE},
                                         {button, WM_MOUSEMOVE},
                                         {button, BM_SETSTATE, MatchWParam, FALSE},
                                         {button, BM_SETSTATE, MatchWParam | Optional, FALSE},
                                         {button, WM_LBUTTONUP},
                                     }));
    EXPECT_EQ(button.Send(BM_GETSTATE) & BST_PUSHED, 0);
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.Pixel(Width - 1, Height - 1), ::GetSysColor(COLOR_3DDKSHADOW));
}

TEST_F(SkinButtonTest, LeavingAndComingBackWhileHeldFollowsThePressedLook)
{
    Add(button, "Apply", BS_PUSHBUTTON);
    MoveCursorTo(button, {20, 10});
    button.Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    POINT off = {-30, 10};
    ::ClientToScreen(button, &off);
    ::SetCursorPos(off.x, off.y);
    button.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(-30, 10));
    EXPECT_EQ(button.Send(BM_GETSTATE) & BST_PUSHED, 0);
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_3DLIGHT));

    MoveCursorTo(button, {30, 12});
    button.Send(WM_MOUSEMOVE, MK_LBUTTON, Point(30, 12));
    EXPECT_EQ(button.Send(BM_GETSTATE) & BST_PUSHED, BST_PUSHED);
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_BTNSHADOW));  // sunken

    CMessageLog log({button, host}, {WM_COMMAND});
    button.Send(WM_LBUTTONUP, 0, Point(30, 12));
    EXPECT_TRUE(MatchesSequence(log, {Clicked()}));
}

TEST_F(SkinButtonTest, DoubleClickCountsAsTwoClicks)
{
    Add(button, "Rescan", BS_PUSHBUTTON);
    MoveCursorTo(button, {20, 10});
    CMessageLog log({button, host}, clickMessages);
    button.Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    button.Send(WM_LBUTTONUP, 0, Point(20, 10));
    button.Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(20, 10));
    button.Send(WM_LBUTTONUP, 0, Point(20, 10));
    // The double-click arrives as a second button-down at the same point.
    const std::vector<ExpectedMessage> doubleClick = {
        {button, WM_LBUTTONDBLCLK}, {button, WM_LBUTTONDOWN, MatchWParam | MatchLParam, MK_LBUTTON, Point(20, 10)}};
    EXPECT_TRUE(MatchesSequence(
        log, Then(Then(Then({{button, WM_LBUTTONDOWN}}, PressReleaseClick()), doubleClick), PressReleaseClick())));
}

TEST_F(SkinButtonTest, PushButtonNeverReportsAStateOfCheck)
{
    Add(button, "Apply", BS_PUSHBUTTON);
    EXPECT_EQ(button.Send(BM_SETCHECK, BST_CHECKED), 0);
    EXPECT_EQ(button.Send(BM_GETCHECK), BST_UNCHECKED);
    EXPECT_FALSE(button.IsChecked());
}

TEST_F(SkinButtonTest, CheckBoxKindTogglesOnClickAndOnTheFirstSpacePress)
{
    Add(button, "WEP", BS_AUTOCHECKBOX | BS_PUSHLIKE);
    MoveCursorTo(button, {20, 10});
    CMessageLog log({button, host}, clickMessages);
    button.Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    button.Send(WM_LBUTTONUP, 0, Point(20, 10));
    EXPECT_TRUE(MatchesSequence(log, {
                                         {button, WM_LBUTTONDOWN},
                                         {button, BM_SETSTATE, MatchWParam, TRUE},
                                         {button, WM_LBUTTONUP},
                                         {button, BM_SETCHECK, MatchWParam, TRUE},
                                         {button, BM_SETSTATE, MatchWParam, FALSE},
                                         Clicked(),
                                     }));
    EXPECT_EQ(button.Send(BM_GETCHECK), BST_CHECKED);
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_BTNSHADOW));  // checked shows sunken

    button.Send(WM_KEYDOWN, VK_SPACE, 1);
    EXPECT_EQ(button.Send(BM_GETCHECK), BST_UNCHECKED);
    button.Send(WM_KEYDOWN, VK_SPACE, 1 | 0x40000000);  // auto-repeat
    EXPECT_EQ(button.Send(BM_GETCHECK), BST_UNCHECKED);
    button.Send(WM_KEYUP, VK_SPACE, 0xC0000001);
}

TEST_F(SkinButtonTest, TurningARadioOnTurnsTheRestOfItsGroupOff)
{
    CSkinButton first, second, disabled, nextGroup;
    const DWORD radio = BS_AUTORADIOBUTTON | BS_PUSHLIKE;
    Add(first, "Infrastructure", radio | WS_GROUP, 10, 10, 1);
    Add(second, "Ad-hoc", radio, 10, 50, 2);
    Add(disabled, "Other", radio | WS_DISABLED, 10, 90, 3);
    Add(nextGroup, "Long", radio | WS_GROUP, 10, 130, 4);
    first.Send(BM_SETCHECK, BST_CHECKED);
    disabled.Send(BM_SETCHECK, BST_CHECKED);
    nextGroup.Send(BM_SETCHECK, BST_CHECKED);
    PumpMessages();

    CMessageLog log({first, second, disabled, nextGroup}, {CSkinButton::UncheckMessage});
    second.Send(BM_SETCHECK, BST_CHECKED);
    PumpMessages();
    EXPECT_TRUE(MatchesSequence(log, {
                                         {first, CSkinButton::UncheckMessage, Posted},
                                         {disabled, CSkinButton::UncheckMessage, Posted},
                                     }));
    EXPECT_EQ(first.Send(BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(second.Send(BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(disabled.Send(BM_GETCHECK), BST_UNCHECKED);
    EXPECT_EQ(nextGroup.Send(BM_GETCHECK), BST_CHECKED);

    // A click does the same.
    MoveCursorTo(first, {20, 10});
    first.Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(20, 10));
    first.Send(WM_LBUTTONUP, 0, Point(20, 10));
    PumpMessages();
    EXPECT_EQ(first.Send(BM_GETCHECK), BST_CHECKED);
    EXPECT_EQ(second.Send(BM_GETCHECK), BST_UNCHECKED);
}

TEST_F(SkinButtonTest, DisabledButtonHasAnEmbossedCaptionAndNoPushedLook)
{
    Add(button, "MMMM", BS_PUSHBUTTON | WS_DISABLED);
    // Without smoothing every caption pixel has one of the two colours exactly.
    LOGFONTA font = {};
    font.lfHeight = -16;
    font.lfQuality = NONANTIALIASED_QUALITY;
    std::strcpy(font.lfFaceName, "Arial");
    button.SetCaptionFont(font);
    button.Send(BM_SETSTATE, TRUE);
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_3DLIGHT));  // raised, not sunken
    const COLORREF grey = ::GetSysColor(COLOR_GRAYTEXT);
    const COLORREF highlight = ::GetSysColor(COLOR_3DHIGHLIGHT);
    // The highlight copy lies one pixel right of and below the grey copy drawn over it.
    RECT greyBox = {Width, Height, -1, -1}, highlightBox = greyBox;
    for (int y = 3; y < Height - 3; ++y) {
        for (int x = 3; x < Width - 3; ++x) {
            COLORREF pixel = canvas.Pixel(x, y);
            RECT* box = pixel == grey ? &greyBox : pixel == highlight ? &highlightBox : nullptr;
            if (!box)
                continue;
            box->left = std::min<LONG>(box->left, x);
            box->top = std::min<LONG>(box->top, y);
            box->right = std::max<LONG>(box->right, x);
            box->bottom = std::max<LONG>(box->bottom, y);
        }
    }
    ASSERT_LE(greyBox.left, greyBox.right) << "no grey caption";
    ASSERT_LE(highlightBox.left, highlightBox.right) << "no highlight caption";
    EXPECT_EQ(highlightBox.right, greyBox.right + 1);
    EXPECT_EQ(highlightBox.bottom, greyBox.bottom + 1);
    EXPECT_EQ(canvas.CountColour(::GetSysColor(COLOR_BTNTEXT), RECT{3, 3, Width - 3, Height - 3}), 0u);
}

TEST(FocusCues, TheUiStateMessageSetsClearsOrAsksForTheFocusMarksOnly)
{
    const struct {
        bool before;
        WPARAM update;
        LRESULT asked;
        bool after;
    } rows[] = {
        {false, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0, true},
        {true, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), UISF_HIDEFOCUS, false},
        {true, MAKEWPARAM(UIS_CLEAR, UISF_HIDEACCEL), 0, true},
        {false, MAKEWPARAM(UIS_SET, UISF_HIDEACCEL | UISF_HIDEFOCUS), 0, true},
        {false, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS), UISF_HIDEFOCUS, true},
        {true, MAKEWPARAM(UIS_INITIALIZE, UISF_HIDEFOCUS), 0, false},
    };
    for (const auto& row : rows)
        EXPECT_EQ(row.after, FocusMarksHiddenAfter(row.before, row.update, row.asked))
            << "action " << LOWORD(row.update) << " flags " << HIWORD(row.update) << " from " << row.before;
}

// A keyboard user sees which button has the focus, once the keyboard has been used; the
// system hides the mark until then.
TEST_F(SkinButtonTest, TheFocusedButtonShowsAFocusMarkUnlessTheUiStateHidesIt)
{
    Add(button, "OK", BS_PUSHBUTTON | WS_TABSTOP);
    const RECT markRow = {4, 3, Width - 4, 4};
    const COLORREF face = ::GetSysColor(COLOR_BTNFACE);
    auto marked = [&] {
        Render(button);
        return canvas.CountColour(face, markRow) < static_cast<size_t>(markRow.right - markRow.left);
    };
    button.Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    EXPECT_FALSE(marked()) << "a mark without the focus";
    ::SetFocus(button);
    EXPECT_TRUE(marked()) << "no mark on the focused button";
    button.Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS));
    EXPECT_FALSE(marked()) << "a mark while the UI state hides them";
    ::SetFocus(host);
}

TEST_F(SkinButtonTest, DefaultButtonHasADoubleEdge)
{
    CSkinButton defaultButton;
    Add(button, "Cancel", BS_PUSHBUTTON, 10, 10, 1);
    Add(defaultButton, "OK", BS_DEFPUSHBUTTON, 10, 60, 2);
    EXPECT_TRUE(defaultButton.IsDefault());
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.Pixel(1, 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(Width - 1, Height - 1), ::GetSysColor(COLOR_3DDKSHADOW));
    Render(defaultButton);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(1, 1), ::GetSysColor(COLOR_3DLIGHT));
    EXPECT_EQ(canvas.Pixel(2, 2), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(Width - 1, Height - 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));

    // The dialog manager moves the default with BM_SETSTYLE; the button stays owner-drawn.
    EXPECT_EQ(defaultButton.Send(WM_GETDLGCODE), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
    defaultButton.Send(BM_SETSTYLE, BS_PUSHBUTTON, TRUE);
    EXPECT_FALSE(defaultButton.IsDefault());
    EXPECT_EQ(::GetWindowLongA(defaultButton, GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    Render(defaultButton);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_3DLIGHT));
}

TEST_F(SkinButtonTest, FlatButtonShowsItsEdgeOnlyWhileHovered)
{
    Add(button, "Flat", BS_PUSHBUTTON | BS_FLAT);
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_BTNFACE));

    MoveCursorTo(button, {5, 5});
    button.Send(WM_MOUSEMOVE, 0, Point(5, 5));
    ASSERT_TRUE(button.IsHovered());
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    EXPECT_EQ(canvas.Pixel(Width - 1, Height - 1), ::GetSysColor(COLOR_BTNSHADOW));

    MoveCursorAway();
    EXPECT_TRUE(PumpUntil([&] { return !button.IsHovered(); }));
    Render(button);
    EXPECT_EQ(canvas.Pixel(0, 0), ::GetSysColor(COLOR_BTNFACE));
}

TEST_F(SkinButtonTest, PressEndsTheHover)
{
    Add(button, "Flat", BS_PUSHBUTTON | BS_FLAT);
    MoveCursorTo(button, {5, 5});
    button.Send(WM_MOUSEMOVE, 0, Point(5, 5));
    ASSERT_TRUE(button.IsHovered());
    button.Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(5, 5));
    EXPECT_FALSE(button.IsHovered());
    EXPECT_TRUE(button.IsHeld());
    button.Send(WM_KILLFOCUS);
    EXPECT_FALSE(button.IsHeld());
    EXPECT_NE(::GetCapture(), button.Handle());
}
// The face is kept between paints: a new caption or caption font must reach the screen.
TEST_F(SkinButtonTest, ScreenShowsTheNewCaptionAndFontAfterAPaint)
{
    MoveCursorAway();
    CSkinButton reference;
    Add(button, "One", BS_PUSHBUTTON);
    Add(reference, "Two words", BS_PUSHBUTTON, 10, 60, 2);
    auto differing = [](const CPixelCanvas& a, const CPixelCanvas& b) {
        size_t count = 0;
        for (int y = 0; y < Height; ++y)
            for (int x = 0; x < Width; ++x)
                count += a.Pixel(x, y) != b.Pixel(x, y) ? 1 : 0;
        return count;
    };
    CPixelCanvas before(Width, Height), after(Width, Height), expected(Width, Height);
    before.CopyFromScreen(button);
    button.SetText("Two words");
    after.CopyFromScreen(button);
    expected.CopyFromScreen(reference);
    EXPECT_GT(differing(before, after), 0u);
    EXPECT_EQ(differing(after, expected), 0u);

    LOGFONTA font = {};
    font.lfHeight = -16;
    font.lfWeight = FW_BOLD;
    std::strcpy(font.lfFaceName, "Arial");
    button.SetCaptionFont(font);
    reference.SetCaptionFont(font);
    before.CopyFromScreen(button);
    expected.CopyFromScreen(reference);
    EXPECT_GT(differing(before, after), 0u);
    EXPECT_EQ(differing(before, expected), 0u);
}
}  // namespace
