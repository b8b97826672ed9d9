#include "ControlHost.h"
#include "PixelCanvas.h"
#include "controls/GraphScale.h"
#include "controls/ThroughputGraph.h"

#include <gtest/gtest.h>

namespace {
const COLORREF Black = CThroughputGraph::BackgroundColour;
const COLORREF Grid = CThroughputGraph::GridColour;
const COLORREF Bar = CThroughputGraph::BarColour;

TEST(GraphScale, ClampsWithUnsignedComparisons)
{
    EXPECT_EQ(ClampGraphValue(150, 0, 100), 100u);
    EXPECT_EQ(ClampGraphValue(5, 10, 100), 10u);
    EXPECT_EQ(ClampGraphValue(50, 0, 100), 50u);
    // A reversed range ends at the minimum, as the two comparisons run in that order.
    EXPECT_EQ(ClampGraphValue(50, 80, 20), 80u);
}

TEST(GraphScale, BarHeightIsTheTruncatedShareOfTheHeight)
{
    EXPECT_EQ(GraphBarHeight(50, 0, 100, 40), 20);
    EXPECT_EQ(GraphBarHeight(100, 0, 100, 40), 40);
    EXPECT_EQ(GraphBarHeight(0, 0, 100, 40), 0);
    EXPECT_EQ(GraphBarHeight(33, 0, 100, 28), 9);  // 9.24
    EXPECT_EQ(GraphBarHeight(60, 10, 110, 40), 20);
    // No range to divide by: no bar rather than a fault.
    EXPECT_EQ(GraphBarHeight(7, 7, 7, 40), 0);
    EXPECT_EQ(GraphBarHeight(80, 80, 20, 40), 0);
}

TEST(GraphScale, GridRowsAtHalfQuarterAndThreeQuarters)
{
    EXPECT_EQ(GraphGridRows(40), (std::array<int, 3>{20, 10, 30}));
    EXPECT_EQ(GraphGridRows(43), (std::array<int, 3>{21, 10, 32}));
}

class ThroughputGraphTest : public testing::Test {
protected:
    static constexpr int Width = 100;
    static constexpr int Height = 40;

    void SetUp() override
    {
        host.Add(graph, "Static", "", SS_BLACKRECT, RECT{10, 10, 10 + Width, 10 + Height}, 1041);
    }

    // The picture as WM_PRINTCLIENT copies it.
    void Render() { canvas.RenderClient(graph); }

    // Checks one 4-pixel sample strip starting at x: a bar of barHeight in the first two
    // columns, black with the grid elsewhere.
    void ExpectSample(int x, int barHeight)
    {
        for (int column = x; column < x + 4; ++column) {
            for (int y = 0; y < Height; ++y) {
                bool inBar = column < x + 2 && y >= Height - barHeight;
                bool onGrid = y == Height / 2 || y == Height / 4 || y == 3 * Height / 4;
                COLORREF expected = inBar ? Bar : onGrid ? Grid : Black;
                ASSERT_EQ(canvas.Pixel(column, y), expected) << "column " << column << " y " << y;
            }
        }
    }

    CControlHost host;
    CThroughputGraph graph;
    CPixelCanvas canvas{Width, Height};
};

TEST_F(ThroughputGraphTest, HalfValueFillsTheLowerHalfOfTheNewestBar)
{
    graph.SetRange(0, 100);
    EXPECT_EQ(graph.SetPos(50), 0u);
    Render();
    ExpectSample(Width - 4, 20);
    // Rows 20 to 39 are the bar, row 19 is not.
    EXPECT_EQ(canvas.Pixel(Width - 4, 20), Bar);
    EXPECT_EQ(canvas.Pixel(Width - 3, 39), Bar);
    EXPECT_EQ(canvas.Pixel(Width - 4, 19), Black);
}

TEST_F(ThroughputGraphTest, ZeroDrawsOnlyTheGrid)
{
    graph.SetRange(0, 100);
    graph.SetPos(0);
    Render();
    ExpectSample(Width - 4, 0);
}

TEST_F(ThroughputGraphTest, ValueAboveTheMaximumDrawsAFullBarAndIsStoredClamped)
{
    graph.SetRange(0, 100);
    graph.SetPos(150);
    Render();
    ExpectSample(Width - 4, Height);
    EXPECT_EQ(graph.SetPos(10), 100u);
}

TEST_F(ThroughputGraphTest, EachSampleScrollsThePictureFourPixelsLeft)
{
    graph.SetRange(0, 100);
    graph.SetPos(100);
    graph.SetPos(25);
    graph.SetPos(0);
    Render();
    ExpectSample(Width - 12, Height);
    ExpectSample(Width - 8, 10);
    ExpectSample(Width - 4, 0);
    // Older columns are still the prepared background with its grid.
    ExpectSample(0, 0);
}

TEST_F(ThroughputGraphTest, SecondSetRangeKeepsTheHistory)
{
    graph.SetRange(0, 100);
    graph.SetPos(50);
    graph.SetRange(0, 200);
    Render();
    ExpectSample(Width - 4, 20);
    // New samples use the new range.
    graph.SetPos(200);
    Render();
    ExpectSample(Width - 8, 20);
    ExpectSample(Width - 4, Height);
}

TEST_F(ThroughputGraphTest, ValuesBeforeTheFirstRangeAreOnlyStored)
{
    EXPECT_EQ(graph.SetPos(70), 0u);
    EXPECT_FALSE(graph.IsPrepared());
    EXPECT_EQ(graph.SetPos(30), 70u);
    graph.SetRange(0, 100);
    Render();
    for (int x = 0; x < Width; x += 4)
        ExpectSample(x, 0);
}

TEST_F(ThroughputGraphTest, PaintingCopiesThePictureToTheScreen)
{
    graph.SetRange(0, 100);
    for (int i = 0; i < 30; ++i)
        graph.SetPos(static_cast<uint32_t>(i * 3));
    Render();
    CPixelCanvas screen(Width, Height);
    screen.CopyFromScreen(graph);
    for (int y = 0; y < Height; ++y)
        for (int x = 0; x < Width; ++x)
            ASSERT_EQ(screen.Pixel(x, y), canvas.Pixel(x, y)) << x << "," << y;
}
}  // namespace
