#include "ControlHost.h"
#include "GuiResources.h"
#include "MessageLog.h"
#include "controls/ColorLabel.h"
#include "controls/EditEx.h"
#include "controls/GroupFrame.h"
#include "controls/KeyEdit.h"
#include "controls/LevelBar.h"
#include "controls/PictureBox.h"
#include "controls/PointFont.h"
#include "controls/SkinButton.h"
#include "controls/ThroughputGraph.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>

namespace {
// Caches that the system fills on first use (fonts, brushes) are allowed this much.
constexpr DWORD Slack = 3;
// A step takes its rare path (a new font, caption or picture) every Rare rounds, and within
// it alternates between two variants. Rounds makes a leak of one object per round, or in a
// tenth of the rare paths' runs (the variants included), stand far above the slack.
constexpr int Rare = 5;
constexpr int Rounds = 250;
static_assert(Rounds / Rare / 10 > static_cast<int>(Slack), "a leak in a tenth of the rare runs must show");

class ResourceLeakTest : public testing::Test {
protected:
    // Runs step Rounds times after a warm-up and checks that the object counts stayed flat.
    void ExpectFlat(const std::function<void(int)>& step)
    {
        for (int i = 0; i < 4 * Rare; ++i)
            step(i);
        PumpMessages();
        DWORD gdiBefore = GdiObjectCount(), userBefore = UserObjectCount();
        ASSERT_GT(gdiBefore, 0u);
        for (int i = 0; i < Rounds; ++i)
            step(i);
        PumpMessages();
        DWORD gdiAfter = GdiObjectCount(), userAfter = UserObjectCount();
        EXPECT_LE(gdiAfter, gdiBefore + Slack) << "GDI objects " << gdiBefore << " -> " << gdiAfter;
        EXPECT_LE(userAfter, userBefore + Slack) << "USER objects " << userBefore << " -> " << userAfter;
    }

    CControlHost host;
};

TEST_F(ResourceLeakTest, CountingSeesALeak)
{
    DWORD before = GdiObjectCount();
    std::vector<HBRUSH> brushes;
    for (int i = 0; i < 50; ++i)
        brushes.push_back(::CreateSolidBrush(RGB(i, 0, 0)));
    EXPECT_GE(GdiObjectCount(), before + 50);
    for (HBRUSH brush : brushes)
        ::DeleteObject(brush);
}

TEST_F(ResourceLeakTest, ThroughputGraph)
{
    CThroughputGraph graph;
    host.Add(graph, "Static", "", SS_BLACKRECT, RECT{10, 10, 160, 50}, 1041);
    graph.SetRange(0, 100);
    ExpectFlat([&](int i) {
        graph.SetPos(static_cast<uint32_t>(i % 130));
        if (i % Rare == 0)
            graph.SetRange(0, 100);
        ::UpdateWindow(graph);
    });
}

TEST_F(ResourceLeakTest, LevelBar)
{
    CLevelBar bar;
    host.Add(bar, PROGRESS_CLASSA, "", 0, RECT{10, 10, 160, 22}, 1002);
    bar.SetColourStops({RGB(0, 0, 0), RGB(0, 0, 255), RGB(255, 0, 0)});
    ExpectFlat([&](int i) {
        bar.Send(PBM_SETPOS, i % 101);
        if (i % Rare == 0)
            bar.Send(PBM_SETBARCOLOR, static_cast<WPARAM>(RGB(i % 256, 0, 0)), RGB(0, 0, 255));
        ::UpdateWindow(bar);
    });
}

TEST_F(ResourceLeakTest, SkinButton)
{
    CSkinButton button, flat;
    host.Add(button, "Button", "Radio Off", BS_DEFPUSHBUTTON, RECT{10, 10, 110, 35}, 1055);
    host.Add(flat, "Button", "Flat", BS_PUSHBUTTON | BS_FLAT, RECT{10, 40, 110, 65}, 1056);
    LOGFONTA font = MakePointLogFont("Arial", 90, FW_BOLD);
    ExpectFlat([&](int i) {
        button.SetText(i % 2 ? "Radio On" : "Radio Off");
        button.Enable(i % 3 != 0);
        button.Send(BM_SETSTATE, i % 2);
        flat.Send(WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        flat.Send(WM_MOUSELEAVE);
        if (i % Rare == 0)
            button.SetCaptionFont(font);
        ::UpdateWindow(button);
        ::UpdateWindow(flat);
    });
}

TEST_F(ResourceLeakTest, GroupFrame)
{
    CGroupFrame group;
    host.Add(group, "Button", "Data Rate", BS_GROUPBOX, RECT{10, 10, 210, 110}, 1004);
    LOGFONTA font = MakePointLogFont("Arial", 100, FW_BOLD);
    ExpectFlat([&](int i) {
        group.SetCaptionColour(RGB(0, 0, i % 256), true);
        group.SetFrameColours(RGB(i % 256, 0, 0), 0, true);
        if (i % Rare == 0) {
            group.SetCaptionFont(font);
            group.SetCaption(i % (2 * Rare) ? "Data Rate" : "Link Quality/Signal Strength", true);
            group.Enable(i % (3 * Rare) != 0);
        }
        ::UpdateWindow(host);
    });
}

TEST_F(ResourceLeakTest, ColorLabel)
{
    CColorLabel label;
    host.Add(label, "Static", "Link Info.", SS_NOTIFY, RECT{10, 10, 110, 30}, 1039);
    label.SetHoverHighlight(true, RGB(0, 0, 255));
    ExpectFlat([&](int i) {
        label.SetBold(i % 2 != 0);
        label.SetTextColour(RGB(i % 256, 0, 0));
        label.SetBackgroundColour(RGB(0, i % 256, 0));
        if (i % Rare == 0) {
            label.SetUnderline(i % (2 * Rare) != 0);
            label.SetFontHeight(10 + i / Rare % 3);
            label.SetFaceName(i % (2 * Rare) ? "Arial" : "MS Sans Serif");
            label.SetLabelText(i % (2 * Rare) ? "Configuration" : "Link Info.");
        }
        ::UpdateWindow(label);
    });
}

TEST_F(ResourceLeakTest, EditControls)
{
    CEditEx status;
    CKeyEdit key;
    host.Add(status, "Edit", "", ES_READONLY | ES_AUTOHSCROLL, RECT{10, 10, 210, 32}, 1010);
    host.Add(key, "Edit", "", ES_PASSWORD | ES_AUTOHSCROLL, RECT{10, 40, 210, 62}, 1030);
    key.SetHexadecimalOnly(true);
    ExpectFlat([&](int i) {
        status.SetTextColour(RGB(0, 0, i % 256));
        status.SetBackgroundColour(RGB(255, 255, i % 256));
        status.SetText(i % 2 ? "Associated" : "Scanning...");
        key.Send(WM_CHAR, i % 2 ? 'A' : 'g', 1);
        if (i % Rare == 0) {
            key.SetText("0123456789");
            key.Send(EM_SETPASSWORDCHAR, '*');
        }
        ::UpdateWindow(status);
        ::UpdateWindow(key);
    });
}

TEST_F(ResourceLeakTest, PictureBox)
{
    CPictureBox picture;
    host.Add(picture, "Static", "", SS_WHITERECT, RECT{10, 10, 90, 50}, 1040);
    HDC screen = ::GetDC(nullptr);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 160, 40);
    ::ReleaseDC(nullptr, screen);
    ExpectFlat([&](int i) {
        if (i % Rare == 0)
            picture.SetPicture(bitmap);
        picture.SetSourceRect(RECT{(i % 2) * 80, 0, (i % 2) * 80 + 80, 40});
        ::UpdateWindow(picture);
    });
    ::DestroyWindow(picture);
    ::DeleteObject(bitmap);
}
}  // namespace
