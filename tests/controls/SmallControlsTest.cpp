#include "ControlHost.h"
#include "MessageLog.h"
#include "PixelCanvas.h"
#include "controls/ColorLabel.h"
#include "controls/EditEx.h"
#include "controls/KeyEdit.h"
#include "controls/KeyFilter.h"
#include "controls/PictureBox.h"
#include "controls/TabLabel.h"
#include "state/AsciiKeyEntry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Grey = RGB(128, 128, 128);
const COLORREF White = RGB(255, 255, 255);
const COLORREF Red = RGB(255, 0, 0);

// ---- Colour label ----

class ColorLabelTest : public testing::Test {
protected:
    void SetUp() override
    {
        host.Add(label, "Static", "Link Info.", SS_NOTIFY, RECT{10, 10, 110, 30}, 1039);
        label.SetBackgroundColour(White);
        label.SetTextColour(Grey);
        label.SetHoverHighlight(true, Blue);
    }
    void TearDown() override { MoveCursorAway(); }
    void Render() { canvas.RenderClient(label); }
    RECT All() const { return RECT{0, 0, 100, 20}; }

    CControlHost host;
    CColorLabel label;
    CPixelCanvas canvas{100, 20};
};

// The side label of the tests below: 100 x 20 pixels.
constexpr int LabelWidth = 100;
constexpr int LabelHeight = 20;

// The label as the screen shows it, row by row.
std::vector<COLORREF> LabelOnScreen(const CTabLabel& label)
{
    CPixelCanvas canvas{LabelWidth, LabelHeight};
    ::RedrawWindow(label, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    canvas.CopyFromScreen(label);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < LabelHeight; ++y)
        for (int x = 0; x < LabelWidth; ++x)
            pixels.push_back(canvas.Pixel(x, y));
    return pixels;
}

// The side label with the keyboard focus shows a focus mark, unless the keyboard has not
// been used yet; the mark goes with the focus.
TEST(TabLabelTest, TheFocusedLabelShowsAFocusMarkUnlessTheUiStateHidesIt)
{
    CControlHost host;
    CTabLabel label;
    host.Add(label, "Static", "Link Info.", SS_NOTIFY, RECT{10, 10, 110, 30}, 1039);
    label.SetBackgroundColour(White);
    auto screen = [&label] { return LabelOnScreen(label); };
    label.Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    const std::vector<COLORREF> unfocused = screen();
    ::SetFocus(label);
    EXPECT_NE(unfocused, screen()) << "no mark on the focused label";
    label.Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS));
    EXPECT_EQ(unfocused, screen()) << "a mark while the UI state hides them";
    label.Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    ::SetFocus(host);
    EXPECT_EQ(unfocused, screen()) << "the mark stayed after the focus left";
}

// The mark is a closed dotted rectangle inside the label: each of its four sides is drawn. A
// mark placed a pixel beyond the label on some side would lose that side to the clipping.
TEST(TabLabelTest, TheFocusMarkIsDrawnOnAllFourSidesInsideTheLabel)
{
    CControlHost host;
    CTabLabel label;
    host.Add(label, "Static", "Link Info.", SS_NOTIFY, RECT{10, 10, 10 + LabelWidth, 10 + LabelHeight}, 1039);
    label.SetBackgroundColour(White);
    label.Send(WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS));
    const std::vector<COLORREF> unfocused = LabelOnScreen(label);
    ::SetFocus(label);
    const std::vector<COLORREF> focused = LabelOnScreen(label);
    ::SetFocus(host);

    auto marked = [&](int x, int y) {
        const size_t at = static_cast<size_t>(y * LabelWidth + x);
        return focused[at] != unfocused[at];
    };
    RECT box = {LabelWidth, LabelHeight, -1, -1};
    for (int y = 0; y < LabelHeight; ++y)
        for (int x = 0; x < LabelWidth; ++x)
            if (marked(x, y)) {
                box.left = std::min<LONG>(box.left, x);
                box.top = std::min<LONG>(box.top, y);
                box.right = std::max<LONG>(box.right, x);
                box.bottom = std::max<LONG>(box.bottom, y);
            }
    ASSERT_LE(box.left, box.right) << "no mark";
    // Dotted: about every other pixel of a side; a lost side keeps only its corners.
    auto side = [&](int x0, int y0, int dx, int dy, int length) {
        int count = 0;
        for (int i = 0; i < length; ++i)
            count += marked(x0 + i * dx, y0 + i * dy) ? 1 : 0;
        return count * 3 >= length;
    };
    const int width = box.right - box.left + 1;
    const int height = box.bottom - box.top + 1;
    EXPECT_TRUE(side(box.left, box.top, 1, 0, width)) << "top side";
    EXPECT_TRUE(side(box.left, box.bottom, 1, 0, width)) << "bottom side";
    EXPECT_TRUE(side(box.left, box.top, 0, 1, height)) << "left side";
    EXPECT_TRUE(side(box.right, box.top, 0, 1, height)) << "right side";
}

TEST_F(ColorLabelTest, FontAttributesChangeTheFontRecord)
{
    CColorLabel fresh;
    LOGFONTA gui = {};
    ::GetObjectA(::GetStockObject(DEFAULT_GUI_FONT), sizeof gui, &gui);
    EXPECT_STREQ(fresh.Font().lfFaceName, gui.lfFaceName);
    EXPECT_EQ(fresh.TextColour(), ::GetSysColor(COLOR_WINDOWTEXT));
    label.SetBold(true);
    EXPECT_EQ(label.Font().lfWeight, FW_BOLD);
    label.SetBold(false);
    EXPECT_EQ(label.Font().lfWeight, FW_NORMAL);
    label.SetUnderline(true);
    EXPECT_TRUE(label.Font().lfUnderline);
    label.SetFontHeight(10);
    EXPECT_EQ(label.Font().lfHeight, -10);
    label.SetFaceName("Arial");
    EXPECT_STREQ(label.Font().lfFaceName, "Arial");
}

TEST_F(ColorLabelTest, TheLabelsFontIsTheOneTheStaticDrawsWith)
{
    // A dialog gives every static its font before the label binds it.
    HWND templateStatic = ::CreateWindowExA(0, "Static", "SiteSurvey", WS_CHILD | WS_VISIBLE | SS_NOTIFY, 10, 40, 100,
                                            20, host, nullptr, nullptr, nullptr);
    HGDIOBJ dialogFont = ::GetStockObject(SYSTEM_FONT);
    ::SendMessageA(templateStatic, WM_SETFONT, reinterpret_cast<WPARAM>(dialogFont), FALSE);
    {
        CColorLabel side;
        ASSERT_TRUE(side.Subclass(templateStatic));
        side.SetBold(true);
        side.SetFaceName("Arial");
        LOGFONTA drawn = {};
        ::GetObjectA(reinterpret_cast<HGDIOBJ>(side.Send(WM_GETFONT)), sizeof drawn, &drawn);
        EXPECT_EQ(drawn.lfWeight, FW_BOLD);
        EXPECT_STREQ(drawn.lfFaceName, "Arial");
    }
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(::SendMessageA(templateStatic, WM_GETFONT, 0, 0)), dialogFont);
    ::DestroyWindow(templateStatic);
}

TEST_F(ColorLabelTest, TextTakesTheHoverColourWhileTheMouseIsOver)
{
    label.SetBold(true);
    Render();
    EXPECT_TRUE(canvas.Contains(Grey, All()));
    EXPECT_FALSE(canvas.Contains(Blue, All()));
    EXPECT_TRUE(canvas.Contains(White, All()));

    MoveCursorTo(label, {5, 5});
    label.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_TRUE(label.IsHovering());
    Render();
    EXPECT_TRUE(canvas.Contains(Blue, All()));
    EXPECT_FALSE(canvas.Contains(Grey, All()));

    // What reaches the screen is the same picture.
    CPixelCanvas screen(100, 20);
    screen.CopyFromScreen(label);
    EXPECT_TRUE(screen.Contains(Blue, All()));

    MoveCursorAway();
    EXPECT_TRUE(PumpUntil([&] { return !label.IsHovering(); }));
    Render();
    EXPECT_TRUE(canvas.Contains(Grey, All()));
    EXPECT_FALSE(canvas.Contains(Blue, All()));

    // A new text is painted too, through the same colours.
    label.SetLabelText("");
    screen.CopyFromScreen(label);
    EXPECT_FALSE(screen.Contains(Grey, All()));
    label.SetLabelText("Configuration");
    EXPECT_EQ(label.GetText(), "Configuration");
    screen.CopyFromScreen(label);
    EXPECT_TRUE(screen.Contains(Grey, All()));
}

TEST_F(ColorLabelTest, WithoutHoverHighlightTheTextColourStays)
{
    label.SetHoverHighlight(false, Blue);
    MoveCursorTo(label, {5, 5});
    label.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(label.ShownTextColour(), Grey);
}

TEST_F(ColorLabelTest, CursorAndClickNotification)
{
    EXPECT_FALSE(label.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(label.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    HCURSOR hand = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND));
    label.SetHoverCursor(hand);
    EXPECT_TRUE(label.Send(WM_SETCURSOR, reinterpret_cast<WPARAM>(label.Handle()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE)));
    EXPECT_EQ(::GetCursor(), hand);

    CMessageLog log({label, host}, {WM_COMMAND});
    label.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    label.Send(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(MatchesSequence(log, {{host, WM_COMMAND, MatchWParam, MAKEWPARAM(1039, STN_CLICKED)}}));
}

// ---- Coloured edit ----

TEST(EditExTest, ColoursReachTheDisplayedEdit)
{
    CControlHost host;
    CEditEx edit;
    host.Add(edit, "Edit", "Associated", ES_READONLY | ES_AUTOHSCROLL, RECT{10, 10, 160, 32}, 1010);
    EXPECT_EQ(edit.SetTextColour(Blue), ::GetSysColor(COLOR_WINDOWTEXT));
    EXPECT_EQ(edit.SetTextColour(Blue), Blue);
    edit.SetBackgroundColour(RGB(255, 255, 224));
    CPixelCanvas canvas(150, 22);
    canvas.RenderClient(edit);
    const RECT all = {0, 0, 150, 22};
    EXPECT_TRUE(canvas.Contains(Blue, all));
    EXPECT_TRUE(canvas.Contains(RGB(255, 255, 224), all));
    EXPECT_FALSE(canvas.Contains(::GetSysColor(COLOR_WINDOWTEXT), all));

    edit.SetText("Scanning...");
    CPixelCanvas screen(150, 22);
    screen.CopyFromScreen(edit);
    EXPECT_TRUE(screen.Contains(Blue, all));
    EXPECT_EQ(screen.Pixel(148, 20), RGB(255, 255, 224));
}

TEST(EditExTest, TypedTextReachesTheScreen)
{
    CControlHost host;
    CEditEx edit;
    host.Add(edit, "Edit", "", ES_AUTOHSCROLL, RECT{10, 10, 160, 32}, 1011);
    edit.SetTextColour(Blue);
    ::SetFocus(edit);
    for (char c : std::string("WWWW"))
        edit.Send(WM_CHAR, static_cast<unsigned char>(c), 1);
    EXPECT_EQ(edit.GetText(), "WWWW");
    CPixelCanvas screen(150, 22);
    screen.CopyFromScreen(edit);
    EXPECT_TRUE(screen.Contains(Blue, RECT{0, 0, 150, 22}));
}

// ---- Key edit ----

TEST(KeyFilter, HexadecimalOnlyWhileTheEditorTakesHexKeys)
{
    for (char c : std::string("0123456789ABCDEFabcdef\b"))
        EXPECT_TRUE(KeyCharacterAccepted(static_cast<unsigned char>(c), true, false)) << c;
    for (char c : std::string("gGzZ -*:\r\x16"))
        EXPECT_FALSE(KeyCharacterAccepted(static_cast<unsigned char>(c), true, false)) << int(c);
    EXPECT_TRUE(KeyCharacterAccepted('g', true, true));
    EXPECT_TRUE(KeyCharacterAccepted('g', false, false));
    EXPECT_FALSE(KeyCharacterAccepted(0xC4, true, false));
}

class KeyEditTest : public testing::Test {
protected:
    void SetUp() override { AsciiKeyEntry = 0; }
    void TearDown() override { AsciiKeyEntry = 0; }
    void Add(DWORD style, const char* text)
    {
        host.Add(edit, "Edit", text, style | ES_AUTOHSCROLL, RECT{10, 10, 210, 32}, 1030);
        edit.SetHexadecimalOnly(true);
        edit.Send(EM_SETSEL, 0x7FFF, 0x7FFF);
    }
    void Type(char c) { edit.Send(WM_CHAR, static_cast<unsigned char>(c), 1); }

    CControlHost host;
    CKeyEdit edit;
};

TEST_F(KeyEditTest, DropsNonHexCharactersWhileHexKeysAreEdited)
{
    Add(0, "12");
    Type('g');
    EXPECT_EQ(edit.GetText(), "12");
    Type('F');
    EXPECT_EQ(edit.GetText(), "12F");
    Type('\b');
    Type('\b');
    EXPECT_EQ(edit.GetText(), "1");
    AsciiKeyEntry = 1;
    Type('g');
    EXPECT_EQ(edit.GetText(), "1g");
    AsciiKeyEntry = 0;
    edit.SetHexadecimalOnly(false);
    Type('z');
    EXPECT_EQ(edit.GetText(), "1gz");
}

TEST_F(KeyEditTest, FirstAcceptedKeystrokeReplacesAMaskedKey)
{
    Add(ES_PASSWORD, "1234567890");
    ASSERT_NE(edit.Send(EM_GETPASSWORDCHAR), 0);
    CMessageLog log({edit}, {WM_CHAR, WM_SETTEXT, EM_SETPASSWORDCHAR});
    Type('x');
    EXPECT_EQ(edit.GetText(), "1234567890");
    EXPECT_NE(edit.Send(EM_GETPASSWORDCHAR), 0);
    Type('a');
    EXPECT_TRUE(MatchesSequence(log, {
                                         {edit, WM_CHAR, MatchWParam, 'x'},
                                         {edit, WM_CHAR, MatchWParam, 'a'},
                                         {edit, WM_SETTEXT},
                                         {edit, EM_SETPASSWORDCHAR, MatchWParam, 0},
                                     }));
    EXPECT_EQ(edit.GetText(), "a");
    EXPECT_EQ(edit.Send(EM_GETPASSWORDCHAR), 0);
    Type('b');
    EXPECT_EQ(edit.GetText(), "ab");
}

TEST_F(KeyEditTest, BackspaceAlsoStartsAFreshKey)
{
    Add(ES_PASSWORD, "ABCDEF");
    Type('\b');
    EXPECT_EQ(edit.GetText(), "");
    EXPECT_EQ(edit.Send(EM_GETPASSWORDCHAR), 0);
}

// ---- Picture box ----

class PictureBoxTest : public testing::Test {
protected:
    void SetUp() override
    {
        host.Add(picture, "Static", "", SS_BLACKRECT, RECT{10, 10, 70, 40}, 1040);
        HDC screen = ::GetDC(nullptr);
        frames = ::CreateCompatibleBitmap(screen, 80, 20);
        HDC dc = ::CreateCompatibleDC(screen);
        HGDIOBJ old = ::SelectObject(dc, frames);
        HBRUSH red = ::CreateSolidBrush(Red), blue = ::CreateSolidBrush(Blue);
        RECT left = {0, 0, 40, 20}, right = {40, 0, 80, 20};
        ::FillRect(dc, &left, red);
        ::FillRect(dc, &right, blue);
        ::DeleteObject(red);
        ::DeleteObject(blue);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        ::ReleaseDC(nullptr, screen);
    }
    void TearDown() override
    {
        if (picture.IsWindow())
            ::DestroyWindow(picture);
        ::DeleteObject(frames);
    }

    CControlHost host;
    CPictureBox picture;
    HBITMAP frames = nullptr;
    CPixelCanvas canvas{60, 30};
};

TEST_F(PictureBoxTest, WithoutAPictureTheStaticPaints)
{
    EXPECT_EQ(picture.PictureSize().cx, 0);
    canvas.RenderClient(picture);
    EXPECT_EQ(canvas.Pixel(30, 15), ::GetSysColor(COLOR_3DDKSHADOW));  // the black-frame static's own look
}

TEST_F(PictureBoxTest, ShowsThePictureOrItsSourceRectangleAtTheOrigin)
{
    EXPECT_FALSE(picture.SetPicture(nullptr));
    ASSERT_TRUE(picture.SetPicture(frames));
    EXPECT_EQ(picture.PictureSize().cx, 80);
    canvas.RenderClient(picture);
    EXPECT_EQ(canvas.Pixel(5, 5), Red);
    EXPECT_EQ(canvas.Pixel(45, 5), Blue);
    EXPECT_EQ(canvas.Pixel(5, 25), White);  // background below the picture
    picture.SetSourceRect(RECT{40, 0, 80, 20});
    canvas.RenderClient(picture);
    EXPECT_EQ(canvas.Pixel(5, 5), Blue);
    EXPECT_EQ(canvas.Pixel(45, 5), White);
    CPixelCanvas screen(60, 30);
    ::InvalidateRect(picture, nullptr, FALSE);
    screen.CopyFromScreen(picture);
    EXPECT_EQ(screen.Pixel(5, 5), Blue);
}

TEST_F(PictureBoxTest, WorkerStepsThroughTheFramesAndStopsWithTheWindow)
{
    ASSERT_TRUE(picture.SetPicture(frames));
    EXPECT_FALSE(picture.StartAnimation(100, 10));
    ASSERT_TRUE(picture.StartAnimation(40, 10));
    EXPECT_TRUE(picture.IsAnimating());
    EXPECT_TRUE(PumpUntil([&] { return picture.SourceRect().left == 40; }));
    EXPECT_TRUE(PumpUntil([&] { return picture.SourceRect().left == 0; }));
    ::DestroyWindow(picture);
    EXPECT_FALSE(picture.IsAnimating());
}
}  // namespace
