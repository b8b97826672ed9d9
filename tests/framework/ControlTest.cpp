#include "Control.h"
#include "Dialog.h"
#include "FrameworkTestResources.h"
#include "Gdi.h"
#include "Waiting.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

// A label that colours itself when its parent is asked to colour it.
class CColouringLabel : public CControl {
public:
    CBrush brush = MakeSolidBrush(RGB(10, 200, 30));
    int colourRequests = 0;
    bool throwOnMessage = false;

protected:
    bool OnReflected(UINT message, WPARAM wParam, LPARAM, LRESULT& result) override
    {
        if (message != WM_CTLCOLORSTATIC)
            return false;
        ++colourRequests;
        ::SetBkColor(reinterpret_cast<HDC>(wParam), RGB(10, 200, 30));
        result = reinterpret_cast<LRESULT>(brush.Get());
        return true;
    }
    bool OnMessage(UINT message, WPARAM, LPARAM, LRESULT& result) override
    {
        if (message != WM_APP)
            return false;
        if (throwOnMessage)
            throw std::runtime_error("handler failed");
        result = 77;
        return true;
    }
};

// An owner-drawn button that paints itself in one colour.
class CDrawnButton : public CControl {
public:
    int draws = 0;

protected:
    bool OnReflected(UINT message, WPARAM, LPARAM lParam, LRESULT& result) override
    {
        if (message != WM_DRAWITEM)
            return false;
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam);
        CBrush fill = MakeSolidBrush(RGB(200, 20, 40));
        ::FillRect(item->hDC, &item->rcItem, fill);
        ++draws;
        result = TRUE;
        return true;
    }
};

class CHostDialog : public CDialog {
public:
    CHostDialog() : CDialog(IDD_FRAMEWORK_TEST) {}
    CColouringLabel label;
    CDrawnButton button;

protected:
    void DoDataExchange() override
    {
        BindControl(label, IDC_TEST_LABEL);
        BindControl(button, IDC_TEST_OWNERDRAWN);
    }
};

TEST(Reflection, ColourAndDrawRequestsReachTheControlObjects)
{
    CHostDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    ASSERT_EQ(dialog.Item(IDC_TEST_LABEL), dialog.label.Handle());

    // Asked directly, the dialog answers with the label's own brush.
    CClientDC dc(dialog.label);
    LRESULT brush = dialog.Send(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(static_cast<HDC>(dc)),
                                reinterpret_cast<LPARAM>(dialog.label.Handle()));
    EXPECT_EQ(reinterpret_cast<LRESULT>(dialog.label.brush.Get()), brush);
    EXPECT_EQ(1, dialog.label.colourRequests);

    // Real painting goes the same way.
    dialog.Show(SW_SHOWNOACTIVATE);
    ::RedrawWindow(dialog, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpMessages();
    EXPECT_GT(dialog.label.colourRequests, 1);
    EXPECT_GT(dialog.button.draws, 0);

    // The drawing reaches the DC that the parent was handed.
    RECT client;
    ::GetClientRect(dialog.button, &client);
    CBitmap picture(::CreateCompatibleBitmap(dc, client.right, client.bottom));
    HDC memory = ::CreateCompatibleDC(dc);
    {
        CSelectGuard select(memory, picture);
        DRAWITEMSTRUCT item = {};
        item.CtlType = ODT_BUTTON;
        item.CtlID = IDC_TEST_OWNERDRAWN;
        item.hwndItem = dialog.button;
        item.hDC = memory;
        item.rcItem = client;
        dialog.Send(WM_DRAWITEM, IDC_TEST_OWNERDRAWN, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(RGB(200, 20, 40), ::GetPixel(memory, client.right / 2, client.bottom / 2));
    }
    ::DeleteDC(memory);
    dialog.DestroyWindow();
}

TEST(Subclassing, TheObjectLetsGoWhenTheWindowGoes)
{
    CHostDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND label = dialog.label;
    EXPECT_EQ(&dialog.label, CWindow::FromHandle(label));
    EXPECT_FALSE(dialog.label.Subclass(dialog.Item(IDC_TEST_EDIT))) << "already bound";

    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, dialog.label.Handle());
    EXPECT_EQ(nullptr, dialog.button.Handle());

    // Bound again on the next opening.
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_EQ(dialog.Item(IDC_TEST_LABEL), dialog.label.Handle());
    dialog.DestroyWindow();
}

TEST(Subclassing, UnsubclassGivesTheWindowItsOwnProcedureBack)
{
    CHostDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND edit = dialog.Item(IDC_TEST_EDIT);
    LONG_PTR original = ::GetWindowLongPtrA(edit, GWLP_WNDPROC);

    CColouringLabel control;
    ASSERT_TRUE(control.Subclass(edit));
    EXPECT_NE(original, ::GetWindowLongPtrA(edit, GWLP_WNDPROC));
    EXPECT_EQ(77, control.Send(WM_APP));
    // Messages the object leaves go to the edit control's own procedure.
    control.SetText("through");
    EXPECT_EQ("through", control.GetText());

    control.Unsubclass();
    EXPECT_EQ(original, ::GetWindowLongPtrA(edit, GWLP_WNDPROC));
    EXPECT_EQ(nullptr, CWindow::FromHandle(edit));
    EXPECT_EQ(0, ::SendMessageA(edit, WM_APP, 0, 0));
    dialog.DestroyWindow();
}

TEST(Subclassing, ACreatedControlAnswersAndSurvivesAThrowingHandler)
{
    CHostDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    CColouringLabel control;
    RECT rect = {0, 0, 50, 20};
    ASSERT_TRUE(control.CreateControl("STATIC", "made", WS_CHILD, rect, dialog, 2000));
    EXPECT_EQ(dialog.Item(2000), control.Handle());
    EXPECT_EQ(77, control.Send(WM_APP));

    control.throwOnMessage = true;
    control.Send(WM_APP);
    control.throwOnMessage = false;
    EXPECT_EQ("made", control.GetText());
    EXPECT_EQ(77, control.Send(WM_APP));

    dialog.DestroyWindow();
    EXPECT_EQ(nullptr, control.Handle());
}

}  // namespace
