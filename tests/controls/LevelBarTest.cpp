#include "ControlHost.h"
#include "PixelCanvas.h"
#include "controls/ColourRamp.h"
#include "controls/LevelBar.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {
const COLORREF Blue = RGB(0, 0, 255);
const COLORREF Black = RGB(0, 0, 0);
const COLORREF White = RGB(255, 255, 255);

TEST(ColourRamp, BarEndFollowsThePositionInsideTheRangeOnly)
{
    EXPECT_EQ(LevelBarEnd(150, 0, 0, 100), 0);
    EXPECT_EQ(LevelBarEnd(150, 100, 0, 100), 150);
    EXPECT_EQ(LevelBarEnd(150, 33, 0, 100), 49);  // 49.5 truncated
    EXPECT_EQ(LevelBarEnd(150, 101, 0, 100), std::nullopt);
    EXPECT_EQ(LevelBarEnd(150, -1, 0, 100), std::nullopt);
    EXPECT_EQ(LevelBarEnd(150, 5, 5, 5), 0);
}

// What a reader hears: the share of the range, as the figure beside the bar shows it.
TEST(ColourRamp, AReaderHearsTheShareOfTheRangeInPercent)
{
    const struct {
        int position;
        int lower;
        int upper;
        const char* text;
    } rows[] = {{91, 0, 100, "91%"}, {0, 0, 100, "0%"}, {100, 0, 100, "100%"}, {5, 0, 10, "50%"},
                {15, 10, 20, "50%"}, {7, 0, 8, "87%"},  {120, 0, 100, "100%"}, {-3, 0, 100, "0%"},
                {5, 5, 5, ""}};
    for (const auto& row : rows)
        EXPECT_EQ(row.text, LevelPercentText(row.position, row.lower, row.upper))
            << row.position << " in " << row.lower << ".." << row.upper;
}

// Where the share of the range has no exact binary value, dividing first loses a pixel.
TEST(ColourRamp, BarEndIsExactWhereTheLengthTimesThePositionDividesEvenly)
{
    const struct {
        int length;
        int position;
        int end;
    } cases[] = {{100, 29, 29}, {100, 57, 57}, {100, 58, 58}, {150, 82, 123}, {200, 29, 58}, {300, 87, 261}};
    for (auto c : cases)
        EXPECT_EQ(LevelBarEnd(c.length, c.position, 0, 100), c.end) << c.length << " pixels at " << c.position;
    for (int length = 1; length < 400; ++length)
        for (int position = 0; position <= 100; ++position)
            ASSERT_EQ(LevelBarEnd(length, position, 0, 100), length * position / 100)
                << length << " pixels at " << position;
}

TEST(ColourRamp, BandsFollowTheLargestComponentStepUpToTheLength)
{
    EXPECT_EQ(RampBandCount(Black, Blue, 300, false), 255);
    EXPECT_EQ(RampBandCount(Black, Blue, 100, false), 100);
    EXPECT_EQ(RampBandCount(Blue, Blue, 300, false), 1);
    EXPECT_EQ(RampBandCount(RGB(10, 200, 0), RGB(30, 100, 5), 300, false), 100);
    EXPECT_EQ(RampBandCount(Black, Blue, 0, false), 1);
    EXPECT_EQ(RampBandCount(Black, Blue, 300, true), 1);
}

TEST(ColourRamp, BlackToBlueOverThreeHundredPixels)
{
    std::vector<RampBand> bands = CutTwoColourRamp({0, 300}, {0, 300}, Black, Blue, 255);
    ASSERT_EQ(bands.size(), 255u);
    for (size_t j = 0; j < bands.size(); ++j)
        ASSERT_EQ(bands[j].colour, RGB(0, 0, j)) << j;
    EXPECT_EQ(bands.front().visible, (PixelSpan{0, 1}));
    EXPECT_EQ(bands.back().visible.end, 300);
    for (size_t j = 1; j < bands.size(); ++j)
        ASSERT_EQ(bands[j].visible.start, bands[j - 1].visible.end) << j;
}

TEST(ColourRamp, BandsAreClippedToTheVisiblePartAndStopThere)
{
    std::vector<RampBand> bands = CutTwoColourRamp({0, 100}, {0, 25}, Black, Blue, 100);
    ASSERT_EQ(bands.size(), 25u);
    EXPECT_EQ(bands.back().visible, (PixelSpan{24, 25}));
    EXPECT_EQ(bands.back().colour, RGB(0, 0, 61));  // 24 x 2.55 truncated
    bands = CutTwoColourRamp({100, 200}, {150, 160}, White, Black, 4);
    ASSERT_EQ(bands.size(), 1u);
    EXPECT_EQ(bands[0].visible, (PixelSpan{150, 160}));
    EXPECT_EQ(bands[0].colour, RGB(128, 128, 128));  // band 2 of 4: 255 - 127
}

TEST(ColourRamp, RunIsCutIntoEqualSegmentsBetweenStops)
{
    std::vector<RampSegment> segments = CutColourRun({0, 301}, {0, 301}, 4);
    ASSERT_EQ(segments.size(), 3u);
    EXPECT_EQ(segments[0].whole, (PixelSpan{0, 100}));
    EXPECT_EQ(segments[1].whole, (PixelSpan{100, 200}));
    EXPECT_EQ(segments[2].whole, (PixelSpan{200, 301}));
    segments = CutColourRun({0, 300}, {0, 120}, 3);
    ASSERT_EQ(segments.size(), 1u);
    EXPECT_EQ(segments[0].visible, (PixelSpan{0, 120}));
    EXPECT_TRUE(CutColourRun({0, 300}, {0, 300}, 1).empty());
    EXPECT_TRUE(CutColourRun({0, 300}, {0, 0}, 2).empty());
}

// Records the ramp steps the painting asks for.
class CRecordingLevelBar : public CLevelBar {
public:
    struct Call {
        PixelSpan segment, visible;
        COLORREF a, b;
    };
    std::vector<Call> calls;

protected:
    void PaintTwoColourRamp(HDC dc, const RECT& bar, PixelSpan segment, PixelSpan visible, COLORREF a,
                            COLORREF b) override
    {
        calls.push_back({segment, visible, a, b});
        CLevelBar::PaintTwoColourRamp(dc, bar, segment, visible, a, b);
    }
};

class LevelBarTest : public testing::Test {
protected:
    void Create(int width, int height = 12)
    {
        host.Add(bar, PROGRESS_CLASSA, "", 0, RECT{10, 10, 10 + width, 10 + height}, 1002);
        bar.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
        bar.Send(PBM_SETBKCOLOR, 0, White);
        canvas = std::make_unique<CPixelCanvas>(width, height);
    }
    void Render()
    {
        bar.calls.clear();
        canvas->RenderClient(bar);
    }
    // Shows the position with the stops and renders the bar.
    void Show(std::vector<COLORREF> stops, int position)
    {
        bar.SetColourStops(std::move(stops));
        bar.Send(PBM_SETPOS, position);
        Render();
    }
    RECT All() const { return RECT{0, 0, canvas->Width(), canvas->Height()}; }

    CControlHost host;
    CRecordingLevelBar bar;
    std::unique_ptr<CPixelCanvas> canvas;
};

TEST_F(LevelBarTest, DefaultsFollowTheSystemColours)
{
    Create(150);
    CLevelBar fresh;
    EXPECT_EQ(fresh.ColourStops().size(), 2u);
    EXPECT_EQ(fresh.ColourStops()[0], ::GetSysColor(COLOR_ACTIVECAPTION));
    EXPECT_EQ(fresh.BackgroundColour(), ::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(fresh.Step(), 10);
}

TEST_F(LevelBarTest, PositionZeroOrFewerThanTwoStopsShowOnlyTheBackground)
{
    Create(150);
    Show({Blue, Blue}, 0);
    EXPECT_EQ(canvas->ColoursIn(All()), std::set<COLORREF>{White});
    Show({Blue}, 100);
    EXPECT_EQ(canvas->ColoursIn(All()), std::set<COLORREF>{White});
}

TEST_F(LevelBarTest, FullPositionCoversTheWholeWidth)
{
    Create(150);
    Show({Blue, Blue}, 100);
    EXPECT_EQ(canvas->ColoursIn(All()), std::set<COLORREF>{Blue}) << canvas->DescribeRow(5, 140, 150);
    ASSERT_EQ(bar.calls.size(), 1u);
    EXPECT_EQ(bar.calls[0].visible, (PixelSpan{0, 150}));
}

TEST_F(LevelBarTest, PartialPositionFillsItsShareFromTheLeft)
{
    Create(150);
    Show({Blue, Blue}, 40);
    EXPECT_EQ(canvas->ColoursIn(RECT{0, 0, 60, 12}), std::set<COLORREF>{Blue});
    EXPECT_EQ(canvas->ColoursIn(RECT{60, 0, 150, 12}), std::set<COLORREF>{White});
}

TEST_F(LevelBarTest, BlackToBlueGivesOneBandPerStepUpToTheWidth)
{
    Create(300);
    Show({Black, Blue}, 100);
    EXPECT_EQ(canvas->ColoursInRow(6, 0, 300).size(), 255u);
    EXPECT_EQ(canvas->Pixel(0, 6), Black);
    EXPECT_EQ(canvas->Pixel(299, 6), RGB(0, 0, 254));

    CLevelBar narrow;
    host.Add(narrow, PROGRESS_CLASSA, "", 0, RECT{10, 40, 110, 52}, 1003);
    narrow.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 100));
    narrow.Send(PBM_SETPOS, 100);
    narrow.SetColourStops({Black, Blue});
    CPixelCanvas small(100, 12);
    small.RenderClient(narrow);
    EXPECT_EQ(small.ColoursInRow(6, 0, 100).size(), 100u);
}

TEST_F(LevelBarTest, EachSegmentRunsBetweenNeighbouringStops)
{
    Create(300);
    const COLORREF red = RGB(255, 0, 0), yellow = RGB(255, 255, 0), green = RGB(0, 255, 0);
    Show({red, yellow, green}, 100);
    ASSERT_EQ(bar.calls.size(), 2u);
    EXPECT_EQ(bar.calls[0].segment, (PixelSpan{0, 150}));
    EXPECT_EQ(bar.calls[0].a, red);
    EXPECT_EQ(bar.calls[0].b, yellow);
    EXPECT_EQ(bar.calls[1].segment, (PixelSpan{150, 300}));
    EXPECT_EQ(bar.calls[1].b, green);
    EXPECT_EQ(canvas->Pixel(0, 3), red);
    EXPECT_EQ(canvas->Pixel(150, 3), yellow);

    bar.Send(PBM_SETPOS, 30);
    Render();
    ASSERT_EQ(bar.calls.size(), 1u);
    EXPECT_EQ(bar.calls[0].visible, (PixelSpan{0, 90}));
    EXPECT_EQ(canvas->Pixel(95, 3), White);
}

TEST_F(LevelBarTest, SetBarColourWithoutSecondColourGivesOneColour)
{
    Create(150);
    const COLORREF orange = RGB(255, 128, 0);
    EXPECT_EQ(static_cast<COLORREF>(bar.Send(PBM_SETBARCOLOR, 0, orange)), CLR_DEFAULT);
    EXPECT_EQ(bar.ColourStops(), (std::vector<COLORREF>{orange, orange}));
    bar.Send(PBM_SETPOS, 100);
    Render();
    EXPECT_EQ(canvas->ColoursIn(All()), std::set<COLORREF>{orange});

    bar.Send(PBM_SETBARCOLOR, Blue, Black);
    EXPECT_EQ(bar.ColourStops(), (std::vector<COLORREF>{Black, Blue}));
}

TEST_F(LevelBarTest, BackgroundStepAndPositionMessages)
{
    Create(150);
    const COLORREF grey = RGB(200, 200, 200);
    EXPECT_EQ(static_cast<COLORREF>(bar.Send(PBM_SETBKCOLOR, 0, grey)), CLR_DEFAULT);
    EXPECT_EQ(bar.BackgroundColour(), grey);
    bar.Send(PBM_SETSTEP, 7);
    EXPECT_EQ(bar.Step(), 7);
    bar.Send(PBM_SETPOS, 10);
    bar.Send(PBM_STEPIT);
    EXPECT_EQ(bar.Send(PBM_GETPOS), 17);
    bar.SetColourStops({Blue, Blue});
    Render();
    EXPECT_EQ(canvas->Pixel(24, 5), Blue);
    EXPECT_EQ(canvas->Pixel(26, 5), grey);
}

TEST_F(LevelBarTest, EraseDoesNothingAndPaintingReachesTheScreen)
{
    Create(150);
    bar.SetColourStops({Black, Blue});
    bar.Send(PBM_SETPOS, 50);
    canvas->Fill(RGB(1, 2, 3));
    EXPECT_EQ(bar.Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas->DC())), TRUE);
    EXPECT_EQ(canvas->ColoursIn(All()), std::set<COLORREF>{RGB(1, 2, 3)});

    ::InvalidateRect(bar, nullptr, TRUE);
    CPixelCanvas screen(150, 12);
    screen.CopyFromScreen(bar);
    Render();
    for (int x = 0; x < 150; ++x)
        ASSERT_EQ(screen.Pixel(x, 6), canvas->Pixel(x, 6)) << x;
}
// The painted ramp is kept between paints: a new range, colours or background must not
// leave the old picture on the screen.
TEST_F(LevelBarTest, ScreenFollowsRangeAndColourChangesAfterAPaint)
{
    Create(200);
    bar.SetColourStops({Blue, Blue});
    bar.Send(PBM_SETPOS, 50);
    CPixelCanvas screen(200, 12);
    screen.CopyFromScreen(bar);
    EXPECT_EQ(screen.Pixel(99, 6), Blue);
    EXPECT_EQ(screen.Pixel(101, 6), White);

    bar.Send(PBM_SETRANGE, 0, MAKELPARAM(0, 200));
    screen.CopyFromScreen(bar);
    EXPECT_EQ(screen.Pixel(49, 6), Blue);
    EXPECT_EQ(screen.Pixel(51, 6), White);

    const COLORREF red = RGB(255, 0, 0);
    bar.SetColourStops({red, red});
    bar.Send(PBM_SETBKCOLOR, 0, Black);
    screen.CopyFromScreen(bar);
    EXPECT_EQ(screen.Pixel(10, 6), red);
    EXPECT_EQ(screen.Pixel(150, 6), Black);
}
}  // namespace
