#include "PageControls.h"

#include "DialogScene.h"

#include "framework/StandardControls.h"
#include "ui/frame/ConfigDialogOpener.h"

#include <memory>


std::vector<std::string> Numbers(int first, int last)
{
    std::vector<std::string> items;
    for (int n = first; n <= last; ++n)
        items.push_back(std::to_string(n));
    return items;
}

HWND PageItem(int page, int id)
{
    return ::GetDlgItem(PageWindow(page), id);
}

std::string PageItemText(int page, int id)
{
    return WindowText(PageItem(page, id));
}

void SetPageItemText(int page, int id, const std::string& text)
{
    ::SetWindowTextA(PageItem(page, id), text.c_str());
}

bool PageItemVisible(int page, int id)
{
    return ::IsWindowVisible(PageItem(page, id)) != FALSE;
}

bool PageItemEnabled(int page, int id)
{
    return ::IsWindowEnabled(PageItem(page, id)) != FALSE;
}

bool PageItemChecked(int page, int id)
{
    return CButtonView(PageItem(page, id)).IsChecked();
}

std::vector<std::string> ListItems(int page, int id)
{
    const CComboBoxView list(PageItem(page, id));
    std::vector<std::string> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list.ItemText(i));
    return items;
}

int ListSelection(int page, int id)
{
    return CComboBoxView(PageItem(page, id)).CurSel();
}

void ChooseListItem(int page, int id, int index)
{
    const CComboBoxView list(PageItem(page, id));
    list.SetCurSel(index);
    ::SendMessageA(::GetParent(list), WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(list.Handle()));
}

std::vector<int> TabOrder(int page, int first)
{
    HWND pageWindow = PageWindow(page);
    HWND start = PageItem(page, first);
    std::vector<int> order{first};
    for (HWND next = ::GetNextDlgTabItem(pageWindow, start, FALSE); next && next != start && order.size() < 40;
         next = ::GetNextDlgTabItem(pageWindow, next, FALSE))
        order.push_back(::GetDlgCtrlID(next));
    return order;
}

void ClickPageItem(int page, int id)
{
    ::SendMessageA(PageItem(page, id), BM_CLICK, 0, 0);
}

void TypeInto(int page, int id, const std::string& text)
{
    for (char c : text)
        ::SendMessageA(PageItem(page, id), WM_CHAR, static_cast<unsigned char>(c), 0);
}

void PressEnter(int page)
{
    MSG message{};
    message.hwnd = ::GetWindow(PageWindow(page), GW_CHILD);
    message.message = WM_KEYDOWN;
    message.wParam = VK_RETURN;
    ::IsDialogMessageA(DialogWindow(), &message);
}

void ReadAndCloseMessageBox(CModalScript& script, MessageBoxSeen& seen)
{
    auto box = std::make_shared<HWND>(nullptr);
    script.WaitFor("a message box", [box] { return (*box = OwnedDialog()) != nullptr; })
        .Do("read and close the message box", [box, &seen] {
            seen.Caption = WindowText(*box);
            // The text and icon statics of a message box.
            seen.Text = WindowText(::GetDlgItem(*box, 0xFFFF));
            HICON shown = reinterpret_cast<HICON>(::SendDlgItemMessageA(*box, 0x0440, STM_GETICON, 0, 0));
            seen.InformationIcon = shown != nullptr && shown == ::LoadIconA(nullptr, IDI_INFORMATION);
            ::PostMessageA(*box, WM_COMMAND, IDOK, 0);
        });
}

void PageRun::SetUp()
{
    DialogScene::SetUp();
    frame.manualTicks = true;
    ASSERT_TRUE(frame.Create());
}

void PageRun::TearDown()
{
    frame.DestroyWindow();
    DialogScene::TearDown();
}

void PageRun::Run(int page, const std::function<void(CModalScript&)>& steps)
{
    CModalScript script;
    script.WaitFor("the dialog shows", DialogShown).Do("open the page", [page] { ClickLabel(PageLabels[page]); });
    steps(script);
    script.Do("close", [] { ConfigDialog().CloseConfigDialog(); });
    RunConfigDialog(script, frame);
    EXPECT_TRUE(script.Finished()) << script.Position();
    EXPECT_FALSE(script.GuardFired());
}
