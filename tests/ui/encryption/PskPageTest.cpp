#include "ui/encryption/PskPage.h"

#include "ui/encryption/PskPageIds.h"

#include "controls/GroupFrame.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The page as its owners hold it: a child of a window of theirs.
class PskPageHost : public testing::Test {
protected:
    void SetUp() override
    {
        m_owner = ::CreateWindowA("STATIC", "owner", WS_POPUP, 0, 0, 420, 200, nullptr, nullptr, nullptr, nullptr);
        ASSERT_NE(nullptr, m_owner);
        ASSERT_TRUE(page.Create(m_owner));
    }
    void TearDown() override
    {
        page.DestroyWindow();
        ::DestroyWindow(m_owner);
    }

    HWND Field(int id) const { return page.Item(id); }
    char MaskOf(int id) const { return static_cast<char>(::SendMessageA(Field(id), EM_GETPASSWORDCHAR, 0, 0)); }
    std::string TextOf(int id) const
    {
        char text[128] = {};
        ::GetWindowTextA(Field(id), text, sizeof text);
        return text;
    }
    void Type(int id, const std::string& text) const
    {
        for (char c : text)
            ::SendMessageA(Field(id), WM_CHAR, static_cast<unsigned char>(c), 0);
    }
    void ClickUnmask(bool check)
    {
        ::CheckDlgButton(page, IDC_PSK_UNMASK, check ? BST_CHECKED : BST_UNCHECKED);
        ::SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_PSK_UNMASK, BN_CLICKED),
                       reinterpret_cast<LPARAM>(Field(IDC_PSK_UNMASK)));
    }

    CPskPage page;

private:
    HWND m_owner = nullptr;
};

const int Fields[] = {IDC_PSK_PASSPHRASE, IDC_PSK_CONFIRM};

TEST_F(PskPageHost, BothFieldsTakeSixtyThreeCharactersAndNoMore)
{
    const std::string sixtyFour(64, 'k');
    for (int id : Fields) {
        Type(id, sixtyFour);
        EXPECT_EQ(std::string(63, 'k'), TextOf(id)) << "field " << id;
    }
    EXPECT_EQ(std::string(63, 'k'), page.Passphrase());
    EXPECT_EQ(std::string(63, 'k'), page.Confirmation());
}

TEST_F(PskPageHost, UnmaskShowsBothFieldsInClearAtOnceAndMasksThemAgain)
{
    page.SetPassphrase("correct horse");
    for (int id : Fields) {
        EXPECT_EQ('*', MaskOf(id)) << "loaded masked";
        EXPECT_EQ("correct horse", TextOf(id));
    }
    ClickUnmask(true);
    for (int id : Fields) {
        EXPECT_EQ('\0', MaskOf(id));
        EXPECT_EQ("correct horse", TextOf(id)) << "text unchanged";
    }
    ClickUnmask(false);
    for (int id : Fields) {
        EXPECT_EQ('*', MaskOf(id));
        EXPECT_EQ("correct horse", TextOf(id));
    }
}

TEST_F(PskPageHost, TheFrameHasItsNavyCaptionGreyLinesAndBoldArial)
{
    auto* frame = dynamic_cast<CGroupFrame*>(CWindow::FromHandle(page.Item(IDC_PSK_GROUP)));
    ASSERT_NE(nullptr, frame);
    EXPECT_EQ(RGB(0, 0, 128), frame->CaptionColour());
    EXPECT_EQ(RGB(128, 128, 128), frame->FirstLineColour());
    EXPECT_EQ(RGB(128, 128, 128), frame->SecondLineColour());
    EXPECT_EQ("Pre-shared key", frame->Caption());
}

}  // namespace
