#include "AdapterTestSupport.h"
#include "ModalScript.h"
#include "TestCertificate.h"

#include "framework/AccessibleText.h"
#include "framework/StandardControls.h"
#include "record/TextField.h"
#include "state/ProgramState.h"
#include "ui/certificates/CertificateDlgIds.h"
#include "ui/encryption/EapPage.h"
#include "ui/encryption/EapPageIds.h"
#include "ui/certificates/SelectCertDlg.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

HWND ThreadDialog(const char* caption)
{
    HWND dialog = ::FindWindowA("#32770", caption);
    return dialog && ::IsWindowVisible(dialog) ? dialog : nullptr;
}

HWND SelectDialog()
{
    return ThreadDialog("Select Certificate");
}

HWND ViewDialog()
{
    return ThreadDialog("View Certificate");
}

CListViewView CertificateList()
{
    return CListViewView(::GetDlgItem(SelectDialog(), IDC_SELECT_CERTIFICATE_LIST));
}

std::string ColumnTitle(const CListViewView& list, int column)
{
    char text[64] = {};
    LVCOLUMNA header = {};
    header.mask = LVCF_TEXT;
    header.pszText = text;
    header.cchTextMax = sizeof text;
    list.Send(LVM_GETCOLUMNA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&header));
    return text;
}

// The row whose subject is subject, -1 for none.
int RowOfSubject(const CListViewView& list, const std::string& subject)
{
    for (int row = 0; row < list.ItemCount(); ++row)
        if (list.ItemText(row, 1) == subject)
            return row;
    return -1;
}

// Selects the row of subject alone, as the user's click would.
void SelectSubject(const std::string& subject)
{
    CertificateList().SelectOnly(RowOfSubject(CertificateList(), subject));
}

void Click(HWND dialog, int id)
{
    ::SendMessageA(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool ViewEnabled()
{
    return ::IsWindowEnabled(::GetDlgItem(SelectDialog(), IDC_SELECT_CERTIFICATE_VIEW)) != FALSE;
}

const char* const ShapedSubject = "Skylook Test Shaped";
const char* const ShapedIssuer = "Skylook Test Authority";

// A version 3 certificate with its own issuer, a two-byte serial (0x1234) and a validity that
// ends late on the 5th of March 2030, UTC.
TestCertificateShape Shape(const std::string& issuer = ShapedIssuer)
{
    return {issuer, {0x34, 0x12}, CalendarDate(2009, 1, 15, 10), CalendarDate(2030, 3, 5, 23)};
}

class CertificateDialogs : public testing::Test {
protected:
    void SetUp() override
    {
        ResetSharedState();
        TestCertificate::RemoveLeftovers();
    }
    void TearDown() override { ResetSharedState(); }

    // Runs the Select Certificate dialog under script; returns its result.
    INT_PTR RunSelect(CModalScript& script)
    {
        CSelectCertDlg dialog(EapSelection.Hash);
        script.Start();
        const INT_PTR result = dialog.DoModal(nullptr);
        EXPECT_TRUE(script.Finished()) << script.Position();
        EXPECT_FALSE(script.GuardFired());
        return result;
    }
};

TEST_F(CertificateDialogs, ListEachCertificateWithIssuerSubjectAndEndOfValidity)
{
    TestCertificate shaped(ShapedSubject, Shape());
    TestCertificate plain("Skylook Test Plain");
    ASSERT_TRUE(shaped.Created() && plain.Created());

    CModalScript script;
    script.WaitFor("the dialog", [] { return SelectDialog() != nullptr; })
        .Do("read the list",
            [] {
                const CListViewView list = CertificateList();
                EXPECT_EQ("Issuer", ColumnTitle(list, 0));
                EXPECT_EQ("Subject", ColumnTitle(list, 1));
                EXPECT_EQ("Valid Before", ColumnTitle(list, 2));
                EXPECT_EQ(2, list.ItemCount()) << "the prefix's personal store holds only the test's certificates";
                const int row = RowOfSubject(list, ShapedSubject);
                ASSERT_LE(0, row);
                EXPECT_EQ(ShapedIssuer, list.ItemText(row, 0));
                EXPECT_EQ("Mar 5, 2030", list.ItemText(row, 2));
                EXPECT_LE(0, RowOfSubject(list, "Skylook Test Plain"));
                EXPECT_FALSE(ViewEnabled()) << "no row is selected yet";
                EXPECT_EQ(list, ::GetFocus()) << "the keyboard starts in the list";
            })
        .Do("tab once a row is selected",
            [] {
                const CListViewView list = CertificateList();
                list.SelectOnly(0);
                HWND dialog = SelectDialog();
                std::vector<int> order;
                for (HWND control = list; order.size() < 4; control = ::GetNextDlgTabItem(dialog, control, FALSE))
                    order.push_back(::GetDlgCtrlID(control));
                EXPECT_EQ((std::vector<int>{IDC_SELECT_CERTIFICATE_LIST, IDC_SELECT_CERTIFICATE_VIEW, IDOK, IDCANCEL}),
                          order);
            })
        .Do("cancel", [] { Click(SelectDialog(), IDCANCEL); });
    EXPECT_EQ(IDCANCEL, RunSelect(script));
}

TEST_F(CertificateDialogs, SelectTakesTheChosenRowsNamesAndHash)
{
    TestCertificate shaped(ShapedSubject, Shape());
    TestCertificate plain("Skylook Test Plain");
    ASSERT_TRUE(shaped.Created() && plain.Created());

    CModalScript script;
    script.WaitFor("the dialog", [] { return SelectDialog() != nullptr; })
        .Do("select, clear and select again",
            [] {
                const CListViewView list = CertificateList();
                list.SelectOnly(RowOfSubject(list, "Skylook Test Plain"));
                EXPECT_TRUE(ViewEnabled());
                list.SelectOnly(-1);
                EXPECT_FALSE(ViewEnabled()) << "View goes with the selection";
                list.SelectOnly(RowOfSubject(list, ShapedSubject));
                EXPECT_TRUE(ViewEnabled());
            })
        .Do("press Select", [] { Click(SelectDialog(), IDOK); });
    EXPECT_EQ(IDOK, RunSelect(script));
    EXPECT_STREQ(ShapedSubject, EapSelection.UserName);
    EXPECT_STREQ(ShapedIssuer, EapSelection.CertificateName);
    EXPECT_EQ(shaped.ThumbprintHex(), Hex(EapSelection.Hash, sizeof EapSelection.Hash));
}

TEST_F(CertificateDialogs, CancelOrSelectWithoutARowChangesNothing)
{
    TestCertificate shaped(ShapedSubject, Shape());
    ASSERT_TRUE(shaped.Created());
    const struct {
        const char* what;
        int button;
        bool selectRow;
    } cases[] = {{"Cancel with a row selected", IDCANCEL, true}, {"Select with no row selected", IDOK, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CopyFieldText(EapSelection.UserName, "earlier user");
        CopyFieldText(EapSelection.CertificateName, "Earlier CA");
        std::memset(EapSelection.Hash, 0x5A, sizeof EapSelection.Hash);
        const EapCertificateSelection before = EapSelection;

        CModalScript script;
        script.WaitFor("the dialog", [] { return SelectDialog() != nullptr; })
            .Do("choose a row or none",
                [&c] {
                    if (c.selectRow)
                        SelectSubject(ShapedSubject);
                })
            .Do("close", [&c] { Click(SelectDialog(), c.button); });
        EXPECT_EQ(c.button, RunSelect(script));
        EXPECT_EQ(0, std::memcmp(&before, &EapSelection, sizeof before));
    }
}

TEST_F(CertificateDialogs, SelectCutsNamesLongerThanTheRecordsFields)
{
    const std::string subject = "Skylook Test " + std::string(50, 's');
    const std::string issuer = "Issuer " + std::string(200, 'i');
    TestCertificate longNames(subject, Shape(issuer));
    ASSERT_TRUE(longNames.Created());

    CModalScript script;
    script.WaitFor("the dialog", [] { return SelectDialog() != nullptr; })
        .Do("select it", [&subject] { SelectSubject(subject); })
        .Do("press Select", [] { Click(SelectDialog(), IDOK); });
    EXPECT_EQ(IDOK, RunSelect(script));
    EXPECT_EQ(subject.substr(0, sizeof EapSelection.UserName - 1), EapSelection.UserName);
    EXPECT_EQ(issuer.substr(0, sizeof EapSelection.CertificateName - 1), EapSelection.CertificateName);
}

TEST_F(CertificateDialogs, ViewShowsTheNineFieldsOfTheSelectedCertificate)
{
    TestCertificate shaped(ShapedSubject, Shape());
    ASSERT_TRUE(shaped.Created());

    std::vector<std::pair<std::string, std::string>> rows;
    CModalScript script;
    script.WaitFor("the dialog", [] { return SelectDialog() != nullptr; })
        .Do("select it", [] { SelectSubject(ShapedSubject); })
        .Do("press View", [] { Click(SelectDialog(), IDC_SELECT_CERTIFICATE_VIEW); })
        .WaitFor("the view", [] { return ViewDialog() != nullptr; })
        .Do("read the view and close it",
            [&rows] {
                const CListViewView list(::GetDlgItem(ViewDialog(), IDC_VIEW_CERTIFICATE_FIELDS));
                // A reader names the list by the label before it.
                EXPECT_EQ("Fields", LabelBefore(list.Handle()));
                for (int row = 0; row < list.ItemCount(); ++row)
                    rows.emplace_back(list.ItemText(row, 0), list.ItemText(row, 1));
                Click(ViewDialog(), IDOK);
            })
        .WaitFor("the view closed", [] { return ViewDialog() == nullptr; })
        .Do("cancel", [] { Click(SelectDialog(), IDCANCEL); });
    EXPECT_EQ(IDCANCEL, RunSelect(script));

    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Version", "V3"},
        {"Serial Number", "34 12 "},
        {"Signature Algorithm", "1.2.840.113549.1.1.5"},
        {"Issuer", ShapedIssuer},
        {"Not Before", "Jan 15, 2009"},
        {"Not After", "Mar 5, 2030"},
        {"Subject", ShapedSubject},
        {"Subject Public Key", ""},
        {"PublicKey Algorithm", "1.2.840.113549.1.1.1"},
    };
    ASSERT_EQ(expected.size(), rows.size());
    for (size_t row = 0; row < rows.size(); ++row) {
        EXPECT_EQ(expected[row].first, rows[row].first) << "row " << row;
        if (row != 7) {
            EXPECT_EQ(expected[row].second, rows[row].second) << "row " << row;
        }
    }
    // An RSA public key is a DER sequence, far longer than its text may be.
    const std::string& key = rows[7].second;
    EXPECT_EQ("30 ", key.substr(0, 3));
    EXPECT_LE(key.size(), 399u);
    EXPECT_EQ("...", key.substr(key.size() - 3));
}

TEST_F(CertificateDialogs, AnEmptyStoreGivesAnEmptyListAndSelectChangesNothing)
{
    CModalScript script;
    script.WaitFor("the dialog", [] { return SelectDialog() != nullptr; })
        .Do("look at the list",
            [] {
                EXPECT_EQ(0, CertificateList().ItemCount()) << "the prefix's personal store holds no certificate";
                EXPECT_FALSE(ViewEnabled());
                Click(SelectDialog(), IDC_SELECT_CERTIFICATE_VIEW);
                EXPECT_EQ(nullptr, ViewDialog());
            })
        .Do("press Select", [] { Click(SelectDialog(), IDOK); });
    EXPECT_EQ(IDOK, RunSelect(script));
    EXPECT_STREQ("", EapSelection.UserName);
    EXPECT_STREQ("", EapSelection.CertificateName);
}

// The 802.1X page's Browse... opens the choice and shows its outcome.
TEST_F(CertificateDialogs, BrowseOnThePageShowsTheChosenNamesAndKeepsThemOnCancel)
{
    TestCertificate shaped(ShapedSubject, Shape());
    ASSERT_TRUE(shaped.Created());
    HWND owner = ::CreateWindowExA(0, "STATIC", "owner", WS_POPUP, 0, 0, 600, 400, nullptr, nullptr, nullptr, nullptr);
    CEapPage page;
    ASSERT_TRUE(page.CreateAt(owner, {6, 70}));
    AdapterSettings stored = {};
    CopyFieldText(stored.WPALoginName, "stored user");
    CopyFieldText(stored.WPACertificate, "Stored CA");
    page.OfferTlsOnly();
    page.Load(stored);
    auto field = [&page](int id) {
        char text[256] = {};
        ::GetDlgItemTextA(page.Handle(), id, text, sizeof text);
        return std::string(text);
    };

    const struct {
        const char* what;
        int button;
        const char* userName;
        const char* certificateName;
    } cases[] = {
        {"Cancel", IDCANCEL, "stored user", "Stored CA"},
        {"Select", IDOK, ShapedSubject, ShapedIssuer},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        CModalScript script;
        script.WaitFor("the dialog", [] { return SelectDialog() != nullptr; })
            .Do("select it", [] { SelectSubject(ShapedSubject); })
            .Do("close", [&c] { Click(SelectDialog(), c.button); });
        script.Start();
        Click(page.Handle(), IDC_EAP_BROWSE);
        EXPECT_TRUE(script.Finished()) << script.Position();
        EXPECT_EQ(c.userName, field(IDC_EAP_USER_NAME));
        EXPECT_EQ(c.certificateName, field(IDC_EAP_AUTHORITY));
    }
    EXPECT_EQ(shaped.ThumbprintHex(), Hex(EapSelection.Hash, sizeof EapSelection.Hash));
    ::DestroyWindow(owner);
}

}  // namespace
