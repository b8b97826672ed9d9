#include "Control.h"
#include "Dialog.h"
#include "FrameworkTestResources.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

namespace {

enum : UINT_PTR { DriveTimer = 7 };

// A dialog that drives itself: each tick of its timer performs the next scripted step.
class CScriptedDialog : public CDialog {
public:
    CScriptedDialog() : CDialog(IDD_FRAMEWORK_TEST) {}

    enum class Step { EndWith42, PostOk, PostClose, ThrowThenEnd, IgnoreCancelThenOk };
    Step step = Step::EndWith42;
    int initCount = 0;
    int okCount = 0;
    int cancelCount = 0;
    bool labelBoundAtInit = false;
    std::string editTextAtEnd;
    CControl label;

protected:
    void DoDataExchange() override { BindControl(label, IDC_TEST_LABEL); }
    bool OnInitDialog() override
    {
        ++initCount;
        labelBoundAtInit = label.Handle() == Item(IDC_TEST_LABEL);
        ::SetDlgItemTextA(m_hWnd, IDC_TEST_EDIT, "typed");
        StartTimer(DriveTimer, 10);
        return true;
    }
    void OnOK() override
    {
        ++okCount;
        char text[32] = {};
        ::GetDlgItemTextA(m_hWnd, IDC_TEST_EDIT, text, sizeof text);
        editTextAtEnd = text;
        CDialog::OnOK();
    }
    void OnCancel() override
    {
        ++cancelCount;
        if (step != Step::IgnoreCancelThenOk)
            CDialog::OnCancel();
    }
    bool OnCommand(WORD id, WORD code, HWND control) override
    {
        if (id == 500)
            throw std::runtime_error("handler failed");
        return CDialog::OnCommand(id, code, control);
    }
    bool OnTimer(UINT_PTR id) override
    {
        if (id != DriveTimer)
            return false;
        StopTimer(id);
        switch (step) {
        case Step::EndWith42:
            EndDialog(42);
            break;
        case Step::PostOk:
            Post(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(Item(IDOK)));
            break;
        case Step::PostClose:
            Post(WM_CLOSE);
            break;
        case Step::ThrowThenEnd:
            Send(WM_COMMAND, MAKEWPARAM(500, 0), 0);
            EndDialog(43);
            break;
        case Step::IgnoreCancelThenOk:
            Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            Post(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            break;
        }
        return true;
    }
};

TEST(ModalDialog, ATimerInsideTheRunEndsItWithItsResultAndTheObjectRunsAgain)
{
    CScriptedDialog dialog;
    EXPECT_EQ(42, dialog.DoModal(nullptr));
    EXPECT_FALSE(dialog.IsWindow());
    EXPECT_TRUE(dialog.labelBoundAtInit);
    EXPECT_EQ(nullptr, dialog.label.Handle());

    EXPECT_EQ(42, dialog.DoModal(nullptr));
    EXPECT_EQ(2, dialog.initCount);
    EXPECT_TRUE(dialog.labelBoundAtInit);
}

TEST(ModalDialog, OkAndCloseReachTheOverridableHandlers)
{
    CScriptedDialog ok;
    ok.step = CScriptedDialog::Step::PostOk;
    EXPECT_EQ(IDOK, ok.DoModal(nullptr));
    EXPECT_EQ(1, ok.okCount);
    EXPECT_EQ("typed", ok.editTextAtEnd);

    CScriptedDialog closed;
    closed.step = CScriptedDialog::Step::PostClose;
    EXPECT_EQ(IDCANCEL, closed.DoModal(nullptr));
    EXPECT_EQ(1, closed.cancelCount);
}

TEST(ModalDialog, AnOverriddenCancelKeepsTheDialogOpen)
{
    CScriptedDialog dialog;
    dialog.step = CScriptedDialog::Step::IgnoreCancelThenOk;
    EXPECT_EQ(IDOK, dialog.DoModal(nullptr));
    EXPECT_EQ(1, dialog.cancelCount);
    EXPECT_EQ(1, dialog.okCount);
}

TEST(ModalDialog, AnExceptionInAHandlerDoesNotEndTheRun)
{
    CScriptedDialog dialog;
    dialog.step = CScriptedDialog::Step::ThrowThenEnd;
    EXPECT_EQ(43, dialog.DoModal(nullptr));
}

class CPlainDialog : public CDialog {
public:
    CPlainDialog() : CDialog(IDD_FRAMEWORK_TEST) {}
};

TEST(ModelessDialog, CreatesHiddenAndEndDialogDestroysIt)
{
    CPlainDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    EXPECT_FALSE(dialog.IsModal());
    EXPECT_FALSE(dialog.IsVisible());
    EXPECT_FALSE(dialog.Create(nullptr)) << "one window per object";
    HWND hWnd = dialog;
    dialog.EndDialog(IDOK);
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(nullptr, dialog.Handle());
    // The object can make a new window.
    ASSERT_TRUE(dialog.Create(nullptr));
    dialog.DestroyWindow();
}

// Records which handler a command reached; nothing ends the dialog.
class CCommandDialog : public CDialog {
public:
    CCommandDialog() : CDialog(IDD_FRAMEWORK_TEST) {}
    std::vector<std::string> log;

protected:
    void OnOK() override { log.push_back("ok"); }
    void OnCancel() override { log.push_back("cancel"); }
    bool OnButtonClicked(WORD id) override
    {
        log.push_back("clicked " + std::to_string(id));
        return true;
    }
};

// A WM_COMMAND as the dialog receives it, and the handler it must reach (none: "").
struct CommandCase {
    const char* name;
    WORD id;
    WORD code;
    bool fromControl;
    const char* reached;
};

const CommandCase CommandCases[] = {
    {"a button clicked", IDC_TEST_OWNERDRAWN, BN_CLICKED, true, "clicked 1002"},
    {"OK clicked", IDOK, BN_CLICKED, true, "ok"},
    {"Cancel clicked", IDCANCEL, BN_CLICKED, true, "cancel"},
    {"Enter, from no control", IDOK, 0, false, "ok"},
    {"Escape or close, from no control", IDCANCEL, 0, false, "cancel"},
    {"a menu command with a button's id", IDC_TEST_OWNERDRAWN, 0, false, ""},
    {"a button double-clicked", IDC_TEST_OWNERDRAWN, BN_DOUBLECLICKED, true, ""},
    {"an edit changed", IDC_TEST_EDIT, EN_CHANGE, true, ""},
};

TEST(DialogCommands, ClicksReachOnButtonClickedAndOkAndCancelTheirOwnHandlers)
{
    CCommandDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    for (const CommandCase& row : CommandCases) {
        dialog.log.clear();
        HWND control = row.fromControl ? dialog.Item(row.id) : nullptr;
        dialog.Send(WM_COMMAND, MAKEWPARAM(row.id, row.code), reinterpret_cast<LPARAM>(control));
        const std::vector<std::string> expected =
            *row.reached ? std::vector<std::string>{row.reached} : std::vector<std::string>{};
        EXPECT_EQ(expected, dialog.log) << row.name;
    }

    // A real click goes the same way.
    dialog.Show(SW_SHOWNOACTIVATE);
    dialog.log.clear();
    dialog.SendItem(IDC_TEST_OWNERDRAWN, BM_CLICK);
    EXPECT_EQ(std::vector<std::string>{"clicked 1002"}, dialog.log);
    dialog.DestroyWindow();
}

// Binds one control that the template has, one it lacks, and the first one again.
class CMisboundDialog : public CDialog {
public:
    CMisboundDialog() : CDialog(IDD_FRAMEWORK_TEST) {}
    CControl label;

protected:
    void DoDataExchange() override
    {
        BindControl(label, IDC_TEST_LABEL);
        BindControl(m_missing, IDC_TEST_MISSING);
        BindControl(label, IDC_TEST_LABEL);
    }

private:
    CControl m_missing;
};

TEST(DialogBinding, EachControlThatCannotBeBoundIsRecordedForTheOpening)
{
    CMisboundDialog dialog;
    EXPECT_TRUE(dialog.UnboundControls().empty());
    const std::vector<int> unbound = {IDC_TEST_MISSING, IDC_TEST_LABEL};
    for (int opening = 1; opening <= 2; ++opening) {
        ASSERT_TRUE(dialog.Create(nullptr));
        EXPECT_EQ(dialog.Item(IDC_TEST_LABEL), dialog.label.Handle());
        EXPECT_EQ(unbound, dialog.UnboundControls()) << "opening " << opening;
        dialog.DestroyWindow();
    }
}

TEST(ModalDialog, AMissingTemplateFailsToStart)
{
    CDialog dialog(4242);
    EXPECT_EQ(-1, dialog.DoModal(nullptr));
    EXPECT_FALSE(dialog.Create(nullptr));
}

}  // namespace
