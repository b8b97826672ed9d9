#include "ControlHost.h"
#include "PixelCanvas.h"
#include "controls/GroupFrame.h"
#include "controls/PointFont.h"
#include "framework/DpiAwareness.h"

#include <gtest/gtest.h>

namespace {
const COLORREF Red = RGB(255, 0, 0);
const COLORREF Green = RGB(0, 255, 0);
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Magenta = RGB(255, 0, 255);

TEST(GroupFrameLayout, AlignmentAndHiddenCaptionComeFromTheStyles)
{
    EXPECT_EQ(CaptionAlignmentFromStyle(BS_GROUPBOX), CaptionAlignment::Left);
    EXPECT_EQ(CaptionAlignmentFromStyle(BS_GROUPBOX | BS_LEFT), CaptionAlignment::Left);
    EXPECT_EQ(CaptionAlignmentFromStyle(BS_GROUPBOX | BS_RIGHT), CaptionAlignment::Right);
    EXPECT_EQ(CaptionAlignmentFromStyle(BS_GROUPBOX | BS_CENTER), CaptionAlignment::Centre);
    EXPECT_FALSE(IsCaptionHidden(0));
    EXPECT_TRUE(IsCaptionHidden(0x40));
    EXPECT_TRUE(IsCaptionHidden(WS_EX_TOOLWINDOW));
}

TEST(GroupFrameLayout, FrameShrinksForTheExtendedStyleBorders)
{
    const RECT client = {0, 0, 200, 100};
    FrameMetrics metrics;  // edges 2, borders 1
    RECT plain = GroupFrameRect(RECT{0, 0, 200, 100}, client, 0, metrics);
    EXPECT_EQ(plain.left, 0);
    EXPECT_EQ(plain.top, 0);
    EXPECT_EQ(plain.right, 199);  // the last pixel, where the right lines go
    EXPECT_EQ(plain.bottom, 99);
    RECT sunken = GroupFrameRect(RECT{-2, -2, 202, 102}, client, WS_EX_CLIENTEDGE, metrics);
    EXPECT_EQ(sunken.left, 0);
    EXPECT_EQ(sunken.top, 1);
    EXPECT_EQ(sunken.right, 199);
    EXPECT_EQ(sunken.bottom, 99);
    RECT edged = GroupFrameRect(RECT{-1, -1, 201, 101}, client, WS_EX_STATICEDGE, metrics);
    EXPECT_EQ(edged.left, 0);
    EXPECT_EQ(edged.top, 1);
    RECT modal = GroupFrameRect(RECT{-8, -8, 208, 108}, client, WS_EX_DLGMODALFRAME | WS_EX_CLIENTEDGE, metrics);
    EXPECT_EQ(modal.left, -3);
    EXPECT_EQ(modal.top, -1);
    EXPECT_EQ(modal.right, 199);
}

TEST(GroupFrameLayout, CaptionGapFollowsTheAlignment)
{
    const RECT frame = {0, 0, 199, 99};
    CaptionGap left = LayoutCaptionGap(frame, CaptionAlignment::Left, 8, 50, 13);
    EXPECT_EQ(left.left, 8);
    EXPECT_EQ(left.right, 58);
    EXPECT_EQ(left.lineY, 5);
    CaptionGap right = LayoutCaptionGap(frame, CaptionAlignment::Right, 8, 50, 13);
    EXPECT_EQ(right.right, 191);
    EXPECT_EQ(right.left, 141);
    CaptionGap centre = LayoutCaptionGap(frame, CaptionAlignment::Centre, 8, 50, 16);
    EXPECT_EQ(centre.left, 74);
    EXPECT_EQ(centre.right, 124);
    EXPECT_EQ(centre.lineY, 7);
}

class GroupFrameTest : public testing::Test {
protected:
    static constexpr int Width = 200;
    static constexpr int Height = 100;

    void Add(const char* caption, DWORD style = 0, DWORD exStyle = 0)
    {
        host.Add(group, "Button", caption, BS_GROUPBOX | style, RECT{10, 10, 10 + Width, 10 + Height}, 1014,
                 exStyle);
    }
    void Render() { canvas.RenderClient(group, Magenta); }
    // The caption's width in the caption font, blanks included.
    static int CaptionWidth(const char* caption)
    {
        CSharedFont font = SharedPointFont(MakePointLogFont("MS Sans Serif", 80, FW_NORMAL), SystemDpi());
        HDC dc = ::CreateCompatibleDC(nullptr);
        HGDIOBJ old = ::SelectObject(dc, font);
        std::string text = std::string(" ") + caption + " ";
        SIZE size = {};
        ::GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
        return size.cx;
    }
    int LineY()
    {
        TEXTMETRICA metrics = {};
        ::GetTextMetricsA(canvas.DC(), &metrics);
        return metrics.tmHeight / 2 - 1;
    }
    void ExpectRun(int y, int from, int to, COLORREF colour)
    {
        for (int x = from; x < to; ++x)
            ASSERT_EQ(canvas.Pixel(x, y), colour) << "x " << x << "\n" << canvas.DescribeRow(y, from, to);
    }

    CControlHost host;
    CGroupFrame group;
    CPixelCanvas canvas{Width, Height};
};

TEST_F(GroupFrameTest, LineIsOpenExactlyOverTheBlankedCaption)
{
    Add("Profile");
    group.SetFrameColours(Red, Green, false);
    group.SetCaptionColour(Blue, false);
    Render();
    int y = LineY();
    int x1 = 8, x2 = 8 + CaptionWidth("Profile");
    CaptionGap gap = group.MeasureCaptionGap(canvas.DC());
    EXPECT_EQ(gap.left, x1);
    EXPECT_EQ(gap.right, x2);
    EXPECT_EQ(gap.lineY, y);
    ExpectRun(y, 1, x1, Red);
    ExpectRun(y, x2 + 1, Width - 2, Red);
    EXPECT_EQ(canvas.CountColour(Red, RECT{x1 + 1, y, x2, y + 1}), 0u) << canvas.DescribeRow(y, x1, x2 + 1);
    ExpectRun(y + 1, 2, x1, Green);
    EXPECT_EQ(canvas.CountColour(Green, RECT{x1 + 1, y + 1, x2, y + 2}), 0u);
    EXPECT_TRUE(canvas.Contains(Blue, RECT{x1, 0, x2, y + 8}));
}

TEST_F(GroupFrameTest, EtchedLinesOnAllFourSides)
{
    Add("Data Rate");
    group.SetFrameColours(Red, Green, false);
    Render();
    int y = LineY();
    ExpectRun(Height - 2, 1, Width - 2, Red);
    ExpectRun(Height - 1, 2, Width - 1, Green);
    for (int row = y + 2; row < Height - 3; ++row) {
        ASSERT_EQ(canvas.Pixel(0, row), Red) << row;
        ASSERT_EQ(canvas.Pixel(1, row), Green) << row;
        ASSERT_EQ(canvas.Pixel(Width - 2, row), Red) << row;
        ASSERT_EQ(canvas.Pixel(Width - 1, row), Green) << row;
        ASSERT_EQ(canvas.Pixel(Width / 2, row), Magenta) << "the inside is left alone";
    }
}

TEST_F(GroupFrameTest, ColourZeroRestoresTheSystemColour)
{
    Add("Data Rate");
    group.SetFrameColours(Red, Green, false);
    group.SetFrameColours(0, Blue, false);
    EXPECT_EQ(group.FirstLineColour(), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(group.SecondLineColour(), Blue);
    group.SetFrameColours(Red, 0, false);
    EXPECT_EQ(group.SecondLineColour(), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    Render();
    EXPECT_EQ(canvas.Pixel(Width / 2, Height - 2), Red);
    EXPECT_EQ(canvas.Pixel(Width / 2, Height - 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
}

TEST_F(GroupFrameTest, DisabledFrameUsesTheSystemColoursAndAnEmbossedCaption)
{
    Add("Profile", WS_DISABLED);
    group.SetFrameColours(Red, Green, false);
    group.SetCaptionColour(Blue, false);
    Render();
    const RECT all = {0, 0, Width, Height};
    EXPECT_FALSE(canvas.Contains(Red, all));
    EXPECT_FALSE(canvas.Contains(Green, all));
    EXPECT_FALSE(canvas.Contains(Blue, all));
    EXPECT_EQ(canvas.Pixel(Width / 2, Height - 2), ::GetSysColor(COLOR_BTNSHADOW));
    EXPECT_EQ(canvas.Pixel(Width / 2, Height - 1), ::GetSysColor(COLOR_BTNHIGHLIGHT));
    RECT caption = {8, 0, 8 + CaptionWidth("Profile"), LineY() + 8};
    EXPECT_TRUE(canvas.Contains(::GetSysColor(COLOR_3DSHADOW), caption));
    EXPECT_TRUE(canvas.Contains(::GetSysColor(COLOR_3DHIGHLIGHT), caption));
}

TEST_F(GroupFrameTest, DisablingRedrawsTheOwnFrameOnScreen)
{
    Add("Profile");
    group.SetFrameColours(Red, Green, true);
    ::UpdateWindow(host);
    group.Enable(false);
    ::UpdateWindow(host);
    CPixelCanvas screen(Width, Height);
    screen.CopyFromScreen(group);
    Render();
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x) {
            if (canvas.Pixel(x, y) != Magenta) {
                ASSERT_EQ(screen.Pixel(x, y), canvas.Pixel(x, y)) << x << "," << y;
            }
        }
}

TEST_F(GroupFrameTest, HiddenCaptionLeavesTheLineClosed)
{
    Add("Profile", 0, WS_EX_TOOLWINDOW);
    EXPECT_TRUE(group.IsCaptionHidden());
    group.SetFrameColours(Red, Green, false);
    group.SetCaptionColour(Blue, false);
    Render();
    ExpectRun(LineY(), 1, Width - 2, Red);
    EXPECT_FALSE(canvas.Contains(Blue, RECT{0, 0, Width, Height}));
}

TEST_F(GroupFrameTest, BindingReadsCaptionAlignmentAndFrame)
{
    Add("Version Information", BS_RIGHT);
    EXPECT_EQ(group.Caption(), "Version Information");
    EXPECT_EQ(group.Alignment(), CaptionAlignment::Right);
    EXPECT_EQ(group.FrameRect().right, Width - 1);
    EXPECT_EQ(group.Margin(), 8);
    EXPECT_EQ(group.LineWidth(), 1);
    EXPECT_EQ(group.CaptionColour(), RGB(0, 0, 0));
    group.SetCaption("Data Rate", false);
    EXPECT_EQ(group.Caption(), "Data Rate");
    EXPECT_EQ(group.GetText(), "Data Rate");
    group.SetFrameColours(Red, Green, false);
    Render();
    int x2 = Width - 1 - 8;
    int x1 = x2 - CaptionWidth("Data Rate");
    ExpectRun(LineY(), x2 + 1, Width - 2, Red);
    EXPECT_EQ(canvas.CountColour(Red, RECT{x1 + 1, LineY(), x2, LineY() + 1}), 0u);
}
}  // namespace
