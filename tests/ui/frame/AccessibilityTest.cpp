// What a screen reader hears of the dialog's pages, and the dialog in high contrast.
#include "AccessibleReader.h"
#include "DialogScene.h"
#include "PageControls.h"
#include "PixelCanvas.h"

#include "controls/GraphScale.h"
#include "controls/ThemeColours.h"
#include "framework/AccessibleText.h"
#include "ui/frame/ConfigDialogOpener.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Accessibility = DialogScene;

// The drawn controls as each page shows them: a reader hears the role of the standard control
// it stands for, the name the user reads beside it, and its value.
TEST_F(Accessibility, EachPagesDrawnControlsAnswerWithTheirRoleNameAndValue)
{
    struct Row {
        int page;  // -1: the dialog's own control
        int id;
        long role;
        const char* name;
        const char* value;  // nullptr: none expected
    };
    const Row rows[] = {
        {-1, 1039, ROLE_SYSTEM_PAGETAB, "Link Info.", nullptr},
        {-1, 1042, ROLE_SYSTEM_PAGETAB, "SiteSurvey", nullptr},
        {0, 1002, ROLE_SYSTEM_PROGRESSBAR, "Link Quality", "37%"},
        {0, 1003, ROLE_SYSTEM_PROGRESSBAR, "Signal Strength", "91%"},
        {0, 1041, ROLE_SYSTEM_GRAPHIC, "Transmit", " Kbps"},
        {0, 1042, ROLE_SYSTEM_GRAPHIC, "Receive", " Kbps"},
        {0, 1055, ROLE_SYSTEM_PUSHBUTTON, "Radio Off", nullptr},
        {0, 1014, ROLE_SYSTEM_GROUPING, "Link Quality/Signal Strength", nullptr},
        {0, 1004, ROLE_SYSTEM_GROUPING, "Data Rate", nullptr},
        {1, 1027, ROLE_SYSTEM_PUSHBUTTON, "Apply", nullptr},
        {3, 1043, ROLE_SYSTEM_GROUPING, "Available Network", nullptr},
        {3, 1026, ROLE_SYSTEM_PUSHBUTTON, "Refresh", nullptr},
        {4, 1042, ROLE_SYSTEM_GROUPING, nullptr, nullptr},
    };
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown).Do("read every row", [&rows] {
        MakeEveryPage();
        ::SendMessageA(PageItem(0, 1002), PBM_SETPOS, 37, 0);
        ::SendMessageA(PageItem(0, 1003), PBM_SETPOS, 91, 0);
        for (const Row& row : rows) {
            HWND control = row.page < 0 ? ::GetDlgItem(DialogWindow(), row.id) : PageItem(row.page, row.id);
            const AccessibleReading reading = ReadAccessible(control);
            SCOPED_TRACE("page " + std::to_string(row.page) + " control " + std::to_string(row.id));
            ASSERT_TRUE(reading.Answered);
            EXPECT_EQ(row.role, reading.Role);
            if (row.name) {
                EXPECT_EQ(row.name, reading.Name);
            } else {
                EXPECT_FALSE(reading.Name.empty());
            }
            if (row.value) {
                EXPECT_NE(std::string::npos, reading.Value.find(row.value)) << reading.Value;
            }
        }
        // The shown page's label is the selected tab, the others not.
        EXPECT_TRUE(ReadAccessible(::GetDlgItem(DialogWindow(), 1039)).State & STATE_SYSTEM_SELECTED);
        EXPECT_FALSE(ReadAccessible(::GetDlgItem(DialogWindow(), 1040)).State & STATE_SYSTEM_SELECTED);
        // A disabled drawn button says so, and its access key.
        ::EnableWindow(PageItem(0, 1055), FALSE);
        EXPECT_TRUE(ReadAccessible(PageItem(0, 1055)).State & STATE_SYSTEM_UNAVAILABLE);
        ::EnableWindow(PageItem(0, 1055), TRUE);
        // A page is named by its label, as the system names a window by its text.
        EXPECT_EQ("Encryption", WindowText(PageWindow(2)));
    });
    RunAndClose(script);
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows)
{
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

// Every window inside a page, the pages embedded in it (802.1X, pre-shared key) included.
std::vector<HWND> DescendantsOf(HWND page)
{
    std::vector<HWND> windows;
    ::EnumChildWindows(page, &CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// A reader names an edit, a list or a combo box by the label just before it; a control placed
// elsewhere in a page's script is read without a name.
TEST_F(Accessibility, EveryEditListAndComboOfAPageFollowsItsLabel)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown).Do("each page", [] {
        MakeEveryPage();
        for (int page = 0; page < PageCount; ++page) {
            for (HWND child : DescendantsOf(PageWindow(page))) {
                char className[32] = {};
                ::GetClassNameA(child, className, sizeof className);
                const std::string kind = className;
                const bool named = kind == "Edit" || kind == "ComboBox" || kind == WC_LISTVIEWA;
                // Hidden stores of the page (key lengths kept per key) are never shown. The
                // four WEP keys follow the radio buttons that choose the default key, which
                // must stay one group; a reader finds them without a name.
                const int id = ::GetDlgCtrlID(child);
                const bool wepKey = page == 2 && (id == 1034 || id == 1036 || id == 1038 || id == 1040);
                if (!named || wepKey || !(::GetWindowLongA(child, GWL_STYLE) & WS_VISIBLE))
                    continue;
                EXPECT_FALSE(LabelBefore(child).empty())
                    << "page " << page << " " << kind << " " << ::GetDlgCtrlID(child) << " has no label before it";
            }
        }
    });
    RunAndClose(script);
}

// Alt and a letter goes to the first control the dialog finds with it: two visible controls
// with one access key on a page (the side labels, the page and its embedded pages together)
// would leave the second out of reach.
TEST_F(Accessibility, TheAccessKeysOfEachShownPageAreUnique)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown).Do("each page", [] {
        for (int page = 0; page < PageCount; ++page) {
            ConfigDialog().ShowPage(page);
            const std::vector<HWND> shown = DescendantsOf(DialogWindow());
            std::vector<std::string> keys;
            for (HWND window : shown) {
                if (!::IsWindowVisible(window))
                    continue;
                const std::string key = AccessKeyShortcut(WindowText(window));
                if (key.empty())
                    continue;
                EXPECT_TRUE(std::find(keys.begin(), keys.end(), key) == keys.end())
                    << "page " << page << ": " << key << " again on control " << ::GetDlgCtrlID(window);
                keys.push_back(key);
            }
        }
    });
    RunAndClose(script);
}

class HighContrast : public DialogScene {
protected:
    void TearDown() override
    {
        SetHighContrastView(std::nullopt);
        DialogScene::TearDown();
    }
};

COLORREF BrushColour(HBRUSH brush)
{
    LOGBRUSH description = {};
    ::GetObjectA(brush, sizeof description, &description);
    return description.lbColor;
}

// The colours of the side panel, the shown page's label, a level bar's fill and a graph's
// background, as drawn now.
struct DrawnColours {
    COLORREF panel;
    COLORREF selectedLabel;
    COLORREF levelFill;
    COLORREF graph;
};

DrawnColours ReadDrawnColours()
{
    HWND bar = PageItem(0, 1003);
    RECT client = {};
    ::GetClientRect(bar, &client);
    CPixelCanvas barCanvas(client.right, client.bottom);
    barCanvas.RenderClient(bar);
    HWND graph = PageItem(0, 1041);
    ::GetClientRect(graph, &client);
    CPixelCanvas graphCanvas(client.right, client.bottom);
    graphCanvas.RenderClient(graph);
    HDC dc = ::GetDC(DialogWindow());
    auto panel = reinterpret_cast<HBRUSH>(::SendMessageA(DialogWindow(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                                         reinterpret_cast<LPARAM>(DialogWindow())));
    HWND label = ::GetDlgItem(DialogWindow(), PageLabels[ConfigDialog().CurrentPage()]);
    auto labelBrush = reinterpret_cast<HBRUSH>(
        ::SendMessageA(DialogWindow(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label)));
    ::ReleaseDC(DialogWindow(), dc);
    // The grid runs along some rows; the first row beside none of them is background.
    int backgroundRow = 0;
    const auto gridRows = GraphGridRows(client.bottom);
    while (std::find(gridRows.begin(), gridRows.end(), backgroundRow) != gridRows.end())
        ++backgroundRow;
    return DrawnColours{BrushColour(panel), BrushColour(labelBrush), barCanvas.Pixel(1, 1),
                        graphCanvas.Pixel(1, backgroundRow)};
}

// The program's own light-blue panel, blue bars and black graphs.
void ExpectOwnColours()
{
    const DrawnColours own = ReadDrawnColours();
    EXPECT_EQ(RGB(198, 216, 241), own.panel);
    EXPECT_EQ(RGB(198, 216, 241), own.selectedLabel);
    EXPECT_EQ(RGB(0, 0, 255), own.levelFill);
    EXPECT_EQ(RGB(0, 0, 0), own.graph);
}

// Wine cannot switch a high-contrast theme on, so the test sets the program's view of it and
// tells the dialog as the system would.
TEST_F(HighContrast, TheDialogFollowsTheThemeInSystemColoursAndComesBackToItsOwn)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown)
        .Do("own colours",
            [] {
                ::SendMessageA(PageItem(0, 1003), PBM_SETPOS, 100, 0);
                ExpectOwnColours();
                SetHighContrastView(true);
                ::SendMessageA(DialogWindow(), WM_SYSCOLORCHANGE, 0, 0);
            })
        .Do("the theme's",
            [] {
                const DrawnColours theme = ReadDrawnColours();
                EXPECT_EQ(::GetSysColor(COLOR_BTNFACE), theme.panel);
                EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), theme.selectedLabel);
                EXPECT_EQ(::GetSysColor(COLOR_HIGHLIGHT), theme.levelFill);
                EXPECT_EQ(::GetSysColor(COLOR_WINDOW), theme.graph);
                SetHighContrastView(false);
                ::SendMessageA(DialogWindow(), WM_SETTINGCHANGE, SPI_SETHIGHCONTRAST, 0);
            })
        .Do("own again", [] { ExpectOwnColours(); });
    RunAndClose(script);
}

}  // namespace
