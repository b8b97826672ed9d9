// A move to a monitor of another scale, played by sending WM_DPICHANGED in process: Wine has
// one DPI for every monitor and never sends it. Each window of the program, and every drawn
// control in it, must come out laid out for the new DPI: the window at the suggested
// rectangle, each template control at its place and size scaled, every font and picture
// made for the new DPI, nothing pushed out of its parent.
#include "DialogScene.h"

#include "app/TrayNotify.h"
#include "res/resource.h"

#include "controls/ColorLabel.h"
#include "controls/GroupFrame.h"
#include "controls/PictureBox.h"
#include "controls/SkinButton.h"
#include "controls/ThroughputGraph.h"
#include "framework/DialogDpi.h"
#include "framework/DpiAwareness.h"
#include "state/ProgramState.h"
#include "ui/certificates/SelectCertDlg.h"
#include "ui/certificates/ViewCertDlg.h"
#include "ui/frame/ConfigDialogOpener.h"
#include "ui/survey/ProfileDlg.h"

#include <commctrl.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <string>

namespace {

constexpr int From = 96;
constexpr int To = 144;

bool HasClass(HWND window, const char* name)
{
    char found[32] = {};
    return ::GetClassNameA(window, found, sizeof found) > 0 && lstrcmpiA(found, name) == 0;
}

LONG FontHeight(HFONT font)
{
    LOGFONTA description = {};
    return font && ::GetObjectA(font, sizeof description, &description) ? description.lfHeight : 0;
}

// What a window shows of its layout: its place in the parent, the height of the font it
// draws with (a drawn control's own font), and a drawn picture's size.
struct Look {
    RECT place = {};
    bool insideParent = false;
    LONG fontHeight = 0;
    SIZE picture = {};
    bool combo = false;
    RECT parentClient = {};
};

Look LookOf(HWND window)
{
    Look look;
    HWND parent = ::GetParent(window);
    ::GetWindowRect(window, &look.place);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&look.place), 2);
    RECT client = {};
    ::GetClientRect(parent, &client);
    RECT inside = {};
    look.insideParent = ::IntersectRect(&inside, &look.place, &client) && ::EqualRect(&inside, &look.place);
    look.combo = HasClass(window, "ComboBox");
    look.parentClient = client;
    // A dialog draws no text of its own; its controls are looked at one by one.
    if (!HasClass(window, "#32770"))
        look.fontHeight = FontHeight(reinterpret_cast<HFONT>(::SendMessageA(window, WM_GETFONT, 0, 0)));
    CWindow* object = CWindow::FromHandle(window);
    if (auto* label = dynamic_cast<CColorLabel*>(object))
        look.fontHeight = FontHeight(label->ShownFont());
    if (auto* button = dynamic_cast<CSkinButton*>(object))
        look.fontHeight = FontHeight(button->CaptionFont());
    if (auto* frame = dynamic_cast<CGroupFrame*>(object))
        look.fontHeight = FontHeight(frame->CaptionFont());
    if (auto* picture = dynamic_cast<CPictureBox*>(object)) {
        look.picture = picture->PictureSize();
        // Without a picture of its own the box shows the template's bitmap as it is.
        BITMAP drawn = {};
        HBITMAP bitmap = reinterpret_cast<HBITMAP>(::SendMessageA(window, STM_GETIMAGE, IMAGE_BITMAP, 0));
        if (look.picture.cx == 0 && bitmap && ::GetObjectA(bitmap, sizeof drawn, &drawn))
            look.picture = SIZE{drawn.bmWidth, drawn.bmHeight};
    }
    return look;
}

// The template's windows under root by their path of sibling places and classes, so that
// the same control is found again in another opening.
void CollectLooks(HWND window, const std::string& path, std::map<std::string, Look>& looks)
{
    int index = 0;
    for (HWND child = ::GetWindow(window, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT), ++index) {
        char name[32] = {};
        ::GetClassNameA(child, name, sizeof name);
        const std::string childPath = path + "/" + std::to_string(index) + name;
        if (HasClass(window, "#32770") || HasClass(child, "#32770"))
            looks[childPath] = LookOf(child);
        CollectLooks(child, childPath, looks);
    }
}

std::map<std::string, Look> Looks(HWND root)
{
    std::map<std::string, Look> looks;
    CollectLooks(root, "", looks);
    return looks;
}

bool Near(LONG actual, LONG expected)
{
    return std::abs(actual - expected) <= 1;
}

LONG Scaled(LONG value)
{
    return ::MulDiv(value, To, From);
}

// Every control of before is found in after, scaled from 96 to 144 dpi.
void ExpectScaled(const std::map<std::string, Look>& before, const std::map<std::string, Look>& after)
{
    ASSERT_EQ(before.size(), after.size());
    for (const auto& [path, was] : before) {
        SCOPED_TRACE(path);
        const auto found = after.find(path);
        ASSERT_NE(found, after.end());
        const Look& now = found->second;
        EXPECT_TRUE(Near(now.place.left, Scaled(was.place.left)) && Near(now.place.top, Scaled(was.place.top)) &&
                    Near(now.place.right, Scaled(was.place.right)))
            << now.place.left << "," << now.place.top << "," << now.place.right << " from " << was.place.left << ","
            << was.place.top << "," << was.place.right;
        if (!was.combo) {
            EXPECT_TRUE(Near(now.place.bottom, Scaled(was.place.bottom))) << now.place.bottom << " from " << was.place.bottom;
        }
        EXPECT_TRUE(Near(now.fontHeight, Scaled(was.fontHeight))) << now.fontHeight << " from " << was.fontHeight;
        EXPECT_TRUE(Near(now.picture.cx, Scaled(was.picture.cx)) && Near(now.picture.cy, Scaled(was.picture.cy)));
        if (was.insideParent) {
            EXPECT_TRUE(now.insideParent) << "clipped by its parent: " << now.place.left << "," << now.place.top << ","
                                          << now.place.right << "," << now.place.bottom << " in "
                                          << now.parentClient.right << "x" << now.parentClient.bottom;
        }
    }
}

// The drawn controls' own measures, which no template gives.
void ExpectDrawnControlsAt(HWND root, int dpi)
{
    for (HWND child = ::GetWindow(root, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        CWindow* object = CWindow::FromHandle(child);
        if (auto* frame = dynamic_cast<CGroupFrame*>(object)) {
            EXPECT_EQ(frame->Margin(), ::MulDiv(8, dpi, 96));
        }
        if (auto* graph = dynamic_cast<CThroughputGraph*>(object); graph && graph->IsPrepared()) {
            RECT client = {};
            ::GetClientRect(child, &client);
            EXPECT_EQ(graph->PictureSize().cx, client.right) << "the graph's picture covers the control";
            EXPECT_EQ(graph->PictureSize().cy, client.bottom);
        }
        HIMAGELIST images = HasClass(child, "SysListView32") ? reinterpret_cast<HIMAGELIST>(::SendMessageA(
                                                                     child, LVM_GETIMAGELIST, LVSIL_SMALL, 0))
                                                               : nullptr;
        if (images) {
            int cx = 0, cy = 0;
            ImageList_GetIconSize(images, &cx, &cy);
            EXPECT_EQ(cx, SystemMetricForDpi(SM_CXSMICON, dpi)) << "survey images for the DPI";
        }
        ExpectDrawnControlsAt(child, dpi);
    }
}

// Sends the move to 144 dpi as Windows would: the suggestion asked of the window first.
RECT MoveTo144(HWND window)
{
    SIZE size = {};
    ::SendMessageA(window, WM_GETDPISCALEDSIZE, To, reinterpret_cast<LPARAM>(&size));
    RECT now = {};
    ::GetWindowRect(window, &now);
    RECT suggested = {now.left + 5, now.top + 7, now.left + 5 + size.cx, now.top + 7 + size.cy};
    ::SendMessageA(window, WM_DPICHANGED, MAKEWPARAM(To, To), reinterpret_cast<LPARAM>(&suggested));
    return suggested;
}

void ExpectFollowsMove(HWND window)
{
    RECT client = {};
    ::GetClientRect(window, &client);
    const auto before = Looks(window);
    const RECT suggested = MoveTo144(window);
    RECT now = {};
    ::GetWindowRect(window, &now);
    EXPECT_TRUE(::EqualRect(&now, &suggested)) << "the window at the suggested rectangle";
    RECT scaledClient = {};
    ::GetClientRect(window, &scaledClient);
    // Under Wine the frame keeps its size at the DPI told; the client area holds at least the
    // scaled controls.
    EXPECT_TRUE(scaledClient.right >= Scaled(client.right) - 1 && scaledClient.bottom >= Scaled(client.bottom) - 1)
        << "the client area scales with its controls: " << scaledClient.right << "x" << scaledClient.bottom
        << " from " << client.right << "x" << client.bottom;
    EXPECT_EQ(WindowDpi(window), To);
    ExpectScaled(before, Looks(window));
    ExpectDrawnControlsAt(window, To);
}

int IconWidth(HICON icon)
{
    ICONINFO info = {};
    BITMAP picture = {};
    if (!icon || !::GetIconInfo(icon, &info))
        return 0;
    ::GetObjectA(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof picture, &picture);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    return picture.bmWidth;
}

using DpiChange = DialogScene;

// Catches a window or control that keeps its 96-dpi size, font or picture after a move to
// 150% (stretched or clipped text on the new monitor), a page first shown after the move laid
// out for the old DPI, and moves back and forth that drift by a pixel each time.
TEST_F(DpiChange, EveryWindowAndDrawnControlIsLaidOutForTheNewDpi)
{
    ASSERT_EQ(SystemDpi(), From) << "the test plays a move from 96 dpi";
    std::map<std::string, Look> atFirst;
    {
        CModalScript script;
        script.WaitFor("the dialog shows", DialogShown)
            .Do("every page, then the move",
                [&atFirst] {
                    MakeEveryPage();
                    atFirst = Looks(DialogWindow());
                    ExpectFollowsMove(DialogWindow());
                    HICON small = reinterpret_cast<HICON>(::SendMessageA(DialogWindow(), WM_GETICON, ICON_SMALL, 0));
                    EXPECT_EQ(IconWidth(small), SystemMetricForDpi(SM_CXSMICON, To)) << "caption icon";
                })
            .Do("and back",
                [&atFirst] {
                    RECT now = {};
                    ::GetWindowRect(DialogWindow(), &now);
                    ::SendMessageA(DialogWindow(), WM_DPICHANGED, MAKEWPARAM(From, From), reinterpret_cast<LPARAM>(&now));
                    const auto back = Looks(DialogWindow());
                    for (const auto& [path, was] : atFirst) {
                        if (!was.combo) {
                            EXPECT_TRUE(::EqualRect(&back.at(path).place, &was.place)) << path << " drifted";
                        }
                    }
                });
        RunAndClose(script);
    }
    {
        CModalScript script;
        script.WaitFor("the dialog shows", DialogShown).Do("the move before the pages are made", [&atFirst] {
            MoveTo144(DialogWindow());
            MakeEveryPage();
            ExpectScaled(atFirst, Looks(DialogWindow()));
        });
        RunAndClose(script);
    }
    // The sub-dialogs, each on its own.
    unsigned char chosen[CertificateThumbprintSize] = {};
    CSelectCertDlg select(chosen);
    CViewCertDlg view(nullptr);
    CProfileDlg profile;
    const std::pair<const char*, CDialog*> dialogs[] = {
        {"Select Certificate", &select}, {"View Certificate", &view}, {"Profile", &profile}};
    for (const auto& [name, dialog] : dialogs) {
        SCOPED_TRACE(name);
        CModalScript script;
        script.WaitFor("it shows", [dialog = dialog] { return dialog->IsWindow() && dialog->IsVisible(); })
            .Do("the move, then close", [dialog = dialog] {
                ExpectFollowsMove(dialog->Handle());
                dialog->EndDialog(IDCANCEL);
            });
        script.Start();
        dialog->DoModal(nullptr);
        EXPECT_TRUE(script.Finished()) << script.Position();
    }
}

// Catches a tray picture at the system's small-icon size on a taskbar of another scale (a
// blurred 16-pixel icon stretched at 150%), and a load that hands back the first size asked
// for whatever size is asked next.
TEST(TrayIconDpi, TheTrayPictureHasTheSmallIconSizeOfTheTaskbarsDpi)
{
    const struct {
        int dpi, pixels;
    } cases[] = {{96, 16}, {144, 24}, {120, 20}, {192, 32}, {96, 16}};
    for (const auto& c : cases)
        EXPECT_EQ(IconWidth(TrayIconForDpi(IDI_SKYLOOK, c.dpi)), c.pixels) << c.dpi << " dpi";
}

}  // namespace
