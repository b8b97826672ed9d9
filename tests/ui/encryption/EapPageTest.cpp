#include "record/TextField.h"
#include "state/ProgramState.h"
#include "ui/encryption/EapPage.h"
#include "ui/encryption/EapPageIds.h"

#include <gtest/gtest.h>

#include <windowsx.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

std::string ItemText(HWND page, int id)
{
    char text[512] = {};
    ::GetDlgItemTextA(page, id, text, sizeof text);
    return text;
}

bool Enabled(HWND page, int id)
{
    return ::IsWindowEnabled(::GetDlgItem(page, id)) != FALSE;
}

// An owner of the kind the Encryption page is: a window that holds the page as a child.
class EapPageTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        m_owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr,
                                    nullptr);
        ASSERT_NE(nullptr, m_owner);
        ASSERT_TRUE(m_page.CreateAt(m_owner, {6, 70}));
    }
    void TearDown() override
    {
        ::DestroyWindow(m_owner);
        ResetSharedState();
    }

    HWND Page() const { return m_page.Handle(); }

    HWND m_owner = nullptr;
    CEapPage m_page;
};

TEST_F(EapPageTest, IsCreatedHiddenAtTheOwnersPositionWithItsFieldsLimitedAndThePasswordMasked)
{
    EXPECT_TRUE(m_page.UnboundControls().empty()) << "the template has every control the page binds";
    EXPECT_FALSE(::IsWindowVisible(Page()));
    EXPECT_EQ(m_owner, ::GetParent(Page()));
    RECT frame = {};
    ::GetWindowRect(Page(), &frame);
    POINT topLeft = {frame.left, frame.top};
    ::ScreenToClient(m_owner, &topLeft);
    EXPECT_EQ(6, topLeft.x);
    EXPECT_EQ(70, topLeft.y);

    EXPECT_EQ(64, ::SendDlgItemMessageA(Page(), IDC_EAP_LOGIN, EM_GETLIMITTEXT, 0, 0));
    EXPECT_EQ(64, ::SendDlgItemMessageA(Page(), IDC_EAP_PASSWORD, EM_GETLIMITTEXT, 0, 0));
    EXPECT_EQ(32, ::SendDlgItemMessageA(Page(), IDC_EAP_USER_NAME, EM_GETLIMITTEXT, 0, 0));
    EXPECT_EQ('*', ::SendDlgItemMessageA(Page(), IDC_EAP_PASSWORD, EM_GETPASSWORDCHAR, 0, 0));
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(Page(), IDC_EAP_VIEW))) << "View... is never shown";
}

// Tab goes through the enabled controls of each side in turn; the name fields, filled only
// by the choice of a certificate, are skipped.
TEST_F(EapPageTest, TabVisitsTheProtocolThePasswordSideThenBrowse)
{
    const struct {
        bool tls;
        std::vector<int> order;
    } cases[] = {
        {true, {IDC_EAP_PROTOCOL, IDC_EAP_BROWSE}},
        {false, {IDC_EAP_PROTOCOL, IDC_EAP_LOGIN, IDC_EAP_PASSWORD, IDC_EAP_BROWSE}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.tls ? "EAP-TLS" : "no protocol");
        m_page.OfferTlsOnly();
        if (!c.tls) {
            ComboBox_ResetContent(::GetDlgItem(Page(), IDC_EAP_PROTOCOL));
            m_page.Refresh();
        }
        ::ShowWindow(m_owner, SW_SHOWNA);
        m_page.Show(SW_SHOWNA);
        std::vector<int> visited;
        HWND control = ::GetNextDlgTabItem(Page(), nullptr, FALSE);
        for (size_t step = 0; control && step < 8; ++step) {
            visited.push_back(::GetDlgCtrlID(control));
            control = ::GetNextDlgTabItem(Page(), control, FALSE);
            if (control && ::GetDlgCtrlID(control) == visited.front())
                break;
        }
        EXPECT_EQ(c.order, visited);
    }
}

// Which side the protocol enables; Browse... works for both, the name fields for neither.
TEST_F(EapPageTest, TheProtocolEnablesEitherThePasswordOrTheCertificateSide)
{
    const int passwordSide[] = {IDC_EAP_PASSWORD_FRAME, IDC_EAP_LOGIN_LABEL, IDC_EAP_LOGIN, IDC_EAP_PASSWORD_LABEL,
                                IDC_EAP_PASSWORD};
    const int certificateSide[] = {IDC_EAP_CERTIFICATE_FRAME, IDC_EAP_USER_NAME_LABEL, IDC_EAP_AUTHORITY_LABEL,
                                   IDC_EAP_VIEW};
    HWND protocols = ::GetDlgItem(Page(), IDC_EAP_PROTOCOL);
    const struct {
        const char* what;
        void (*arrange)(HWND protocols);
        bool tls;
    } cases[] = {
        {"an empty list", [](HWND list) { ComboBox_ResetContent(list); }, false},
        {"another protocol chosen",
         [](HWND list) {
             ComboBox_AddString(list, "EAP-MD5");
             ComboBox_SetCurSel(list, ComboBox_GetCount(list) - 1);
         },
         false},
        {"EAP-TLS offered", nullptr, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.arrange) {
            m_page.OfferTlsOnly();
            c.arrange(protocols);
            ::SendMessageA(Page(), WM_COMMAND, MAKEWPARAM(IDC_EAP_PROTOCOL, CBN_SELCHANGE),
                           reinterpret_cast<LPARAM>(protocols));
        } else {
            m_page.OfferTlsOnly();
            EXPECT_EQ(1, ComboBox_GetCount(protocols));
            EXPECT_EQ("EAP-TLS", ItemText(Page(), IDC_EAP_PROTOCOL));
        }
        EXPECT_EQ(c.tls, m_page.IsTlsSelected());
        for (int id : passwordSide)
            EXPECT_EQ(!c.tls, Enabled(Page(), id)) << "control " << id;
        for (int id : certificateSide)
            EXPECT_EQ(c.tls, Enabled(Page(), id)) << "control " << id;
        EXPECT_TRUE(Enabled(Page(), IDC_EAP_BROWSE));
        EXPECT_FALSE(Enabled(Page(), IDC_EAP_USER_NAME));
        EXPECT_FALSE(Enabled(Page(), IDC_EAP_AUTHORITY));
    }
}

TEST_F(EapPageTest, ShowsTheStoredNamesUntilACertificateIsChosenThenTheChoice)
{
    AdapterSettings stored = {};
    CopyFieldText(stored.WPALoginName, "stored user");
    CopyFieldText(stored.WPACertificate, "Stored CA");
    CopyFieldText(stored.EapLogin, "login");
    m_page.OfferTlsOnly();
    m_page.Load(stored);
    m_page.Refresh();
    EXPECT_EQ("stored user", ItemText(Page(), IDC_EAP_USER_NAME));
    EXPECT_EQ("Stored CA", ItemText(Page(), IDC_EAP_AUTHORITY));
    EXPECT_EQ("login", ItemText(Page(), IDC_EAP_LOGIN));

    // A choice made on another owner's page shows here at the next refresh.
    CopyFieldText(EapSelection.UserName, "chosen user");
    CopyFieldText(EapSelection.CertificateName, "Chosen CA");
    m_page.Refresh();
    EXPECT_EQ("chosen user", ItemText(Page(), IDC_EAP_USER_NAME));
    EXPECT_EQ("Chosen CA", ItemText(Page(), IDC_EAP_AUTHORITY));

    AdapterSettings saved = stored;
    m_page.Save(saved);
    EXPECT_STREQ("chosen user", saved.WPALoginName);
    EXPECT_STREQ("Chosen CA", saved.WPACertificate);
}

TEST_F(EapPageTest, SavesNamesLongerThanTheFieldsCutAndTerminated)
{
    AdapterSettings loaded = {};
    // Fields that arrived without a terminator must not be read past.
    std::memset(loaded.WPALoginName, 'U', sizeof loaded.WPALoginName);
    std::memset(loaded.WPACertificate, 'C', sizeof loaded.WPACertificate);
    m_page.Load(loaded);
    EXPECT_EQ(std::string(sizeof loaded.WPALoginName, 'U'), m_page.UserName());

    AdapterSettings saved = {};
    std::memset(&saved, 0x7E, sizeof saved);
    const uint32_t protocolBefore = saved.EapProtocol;
    m_page.Save(saved);
    EXPECT_EQ(std::string(sizeof saved.WPALoginName - 1, 'U'), saved.WPALoginName);
    EXPECT_EQ(std::string(sizeof saved.WPACertificate - 1, 'C'), saved.WPACertificate);
    EXPECT_EQ(protocolBefore, saved.EapProtocol) << "the fields beside are untouched";
}

}  // namespace
