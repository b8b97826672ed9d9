// The program's own accessibility object: captions as a reader hears them, and the object a
// window hands out for WM_GETOBJECT, read as assistive technology reads it.
#include "AccessibleReader.h"

#include "AccessibleText.h"
#include "Control.h"

#include <gtest/gtest.h>

namespace {

TEST(AccessibleText, AnAmpersandMarksTheAccessKeyAndADoubledOneIsShown)
{
    const struct {
        const char* caption;
        const char* shown;
        const char* shortcut;
    } rows[] = {
        {"&Apply", "Apply", "Alt+A"},
        {"Po&wer Mode", "Power Mode", "Alt+W"},
        {"R&&D", "R&D", ""},
        {"R&&&D", "R&D", "Alt+D"},
        {"Plain", "Plain", ""},
        {"Trailing&", "Trailing&", ""},
        {"", "", ""},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(row.shown, WithoutAccessKey(row.caption)) << row.caption;
        EXPECT_EQ(row.shortcut, AccessKeyShortcut(row.caption)) << row.caption;
    }
}

// A control that tells a reader a fixed role and name, and counts its default actions.
class CDescribedControl : public CControl {
public:
    bool describes = true;
    int actions = 0;

    bool DescribeForAccessibility(AccessibleFacts& facts) const override
    {
        if (!describes)
            return false;
        facts.Role = ROLE_SYSTEM_PUSHBUTTON;
        facts.Name = "Scan";
        facts.Value = "3 networks";
        facts.State = STATE_SYSTEM_FOCUSABLE;
        return true;
    }
    bool DoAccessibleDefaultAction() override
    {
        ++actions;
        return true;
    }
};

class ClientAccessible : public testing::Test {
protected:
    void SetUp() override
    {
        parent =
            ::CreateWindowA("Static", "", WS_POPUP | WS_VISIBLE, 0, 0, 200, 100, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(control.CreateControl("Static", "", WS_CHILD | WS_VISIBLE, RECT{10, 10, 60, 30}, parent, 100));
    }
    void TearDown() override { ::DestroyWindow(parent); }

    HWND parent = nullptr;
    CDescribedControl control;
};

TEST_F(ClientAccessible, TheWindowsFactsAndItsOwnStateAreReadUntilTheWindowIsGone)
{
    IAccessible* object = ClientObjectOf(control.Handle());
    ASSERT_NE(nullptr, object) << "no object for WM_GETOBJECT";
    AccessibleReading reading = Read(object);
    EXPECT_EQ(ROLE_SYSTEM_PUSHBUTTON, reading.Role);
    EXPECT_EQ("Scan", reading.Name);
    EXPECT_EQ("3 networks", reading.Value);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE, reading.State);

    // Read when asked, not when handed out: the window's state as it is now.
    control.Enable(false);
    ::SetFocus(parent);
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_UNAVAILABLE, Read(object).State);
    control.Enable(true);
    ::SetFocus(control.Handle());
    EXPECT_EQ(STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED, Read(object).State);

    VARIANT self;
    ::VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    EXPECT_EQ(S_OK, object->accDoDefaultAction(self));
    EXPECT_EQ(1, control.actions);

    // A reader may hold the object after the window has gone: it answers, and reads nothing
    // of the object that owned the window.
    ::DestroyWindow(control.Handle());
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, Read(object).NameResult);
    EXPECT_EQ(CO_E_OBJNOTCONNECTED, object->accDoDefaultAction(self));
    EXPECT_EQ(1, control.actions);
    object->Release();
}

TEST_F(ClientAccessible, OtherObjectsAndWindowsThatDescribeNothingAreLeftToTheSystem)
{
    EXPECT_EQ(0, ::SendMessageA(control.Handle(), WM_GETOBJECT, 0, static_cast<LPARAM>(OBJID_WINDOW)));
    control.describes = false;
    EXPECT_FALSE(ReadAccessible(control.Handle()).Answered);
}

}  // namespace
