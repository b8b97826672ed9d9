// Sets the scenes of the certificate screenshots (tools/screenshot): test certificates in
// the user's personal store and one of the certificate windows open on them, closed again
// after the given time, the certificates removed. Once the window has drawn itself its
// geometry is printed as WxH+X+Y for the photograph.
//   certificate_scene select <ms>   (Select Certificate, the client certificate's row selected)
//   certificate_scene view <ms>     (View Certificate of the client certificate)
//   certificate_scene page <ms>     (the 802.1X page after the client certificate was chosen)
#include "TestCertificate.h"

#include "framework/CommonControls.h"
#include "record/TextField.h"
#include "state/ProgramState.h"
#include "ui/certificates/CertificateDlgIds.h"
#include "ui/encryption/EapPage.h"
#include "ui/certificates/SelectCertDlg.h"
#include "ui/certificates/ViewCertDlg.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const char* const ClientName = "Skylook Test Client";
const char* const AuthorityName = "Skylook Test Authority";

UINT CloseAfter = 0;
const char* ShownTitle = "";

void CALLBACK PrintGeometry(HWND, UINT, UINT_PTR timer, DWORD)
{
    HWND window = ::FindWindowA(nullptr, ShownTitle);
    if (!window || !::IsWindowVisible(window))
        return;
    ::KillTimer(nullptr, timer);
    RECT frame = {};
    ::GetWindowRect(window, &frame);
    std::printf("%ldx%ld+%ld+%ld\n", frame.right - frame.left, frame.bottom - frame.top, frame.left, frame.top);
    std::fflush(stdout);
}

void CALLBACK EndDialogs(HWND, UINT, UINT_PTR, DWORD)
{
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM) -> BOOL {
            ::EndDialog(window, IDCANCEL);
            return TRUE;
        },
        0);
    ::PostQuitMessage(0);
}

void CALLBACK SelectClientRow(HWND, UINT, UINT_PTR timer, DWORD)
{
    ::KillTimer(nullptr, timer);
    HWND list = ::GetDlgItem(::FindWindowA("#32770", "Select Certificate"), IDC_SELECT_CERTIFICATE_LIST);
    const int count = static_cast<int>(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        char subject[256] = {};
        LVITEMA item = {};
        item.iSubItem = 1;
        item.pszText = subject;
        item.cchTextMax = sizeof subject;
        ::SendMessageA(list, LVM_GETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        if (std::strcmp(subject, ClientName) != 0)
            continue;
        LVITEMA chosen = {};
        chosen.state = chosen.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        ::SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&chosen));
        ::SetFocus(list);
    }
}

int ShowSelect()
{
    ::SetTimer(nullptr, 0, 300, &SelectClientRow);
    CSelectCertDlg select(EapSelection.Hash);
    return select.DoModal(nullptr) == -1 ? 1 : 0;
}

int ShowView(const TestCertificate& client)
{
    HCERTSTORE store = ::CertOpenSystemStoreA(0, "MY");
    if (!store)
        return 1;
    PCCERT_CONTEXT certificate = nullptr;
    while ((certificate = ::CertEnumCertificatesInStore(store, certificate)) != nullptr) {
        BYTE hash[20] = {};
        DWORD size = sizeof hash;
        ::CertGetCertificateContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, hash, &size);
        char hex[41] = {};
        for (DWORD index = 0; index < size && index < 20; ++index)
            std::snprintf(hex + 2 * index, 3, "%02X", hash[index]);
        if (client.ThumbprintHex() == hex)
            break;
    }
    int result = 1;
    if (certificate) {
        CViewCertDlg view(certificate);
        result = view.DoModal(nullptr) == -1 ? 1 : 0;
        ::CertFreeCertificateContext(certificate);
    }
    ::CertCloseStore(store, 0);
    return result;
}

int ShowPage()
{
    CopyFieldText(EapSelection.UserName, ClientName);
    CopyFieldText(EapSelection.CertificateName, AuthorityName);
    // A white host the size of the page, as the Encryption page holds it.
    HWND host = ::CreateWindowExA(0, "STATIC", "802.1X", WS_OVERLAPPED | WS_CAPTION | WS_VISIBLE | SS_WHITERECT,
                                  100, 100, 500, 230, nullptr, nullptr, nullptr, nullptr);
    CEapPage page;
    if (!host || !page.CreateAt(host, {6, 6}))
        return 1;
    page.OfferTlsOnly();
    // The host grows to the page, whatever the screen's scale made of it.
    RECT area = {};
    ::GetWindowRect(page.Handle(), &area);
    RECT outer = {0, 0, area.right - area.left + 12, area.bottom - area.top + 12};
    ::AdjustWindowRectEx(&outer, WS_OVERLAPPED | WS_CAPTION, FALSE, 0);
    ::SetWindowPos(host, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    page.Show(SW_SHOW);
    MSG message;
    while (::GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (!::IsDialogMessageA(page.Handle(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
    }
    ::DestroyWindow(host);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: certificate_scene select|view|page <ms>\n");
        return 2;
    }
    const std::string scene = argv[1];
    CloseAfter = static_cast<UINT>(std::strtoul(argv[2], nullptr, 10));
    EnsureCommonControls();
    TestCertificate::RemoveLeftovers();
    TestCertificateShape shape = {AuthorityName, {0x2A, 0x01}, CalendarDate(2024, 6, 1), CalendarDate(2031, 3, 5)};
    TestCertificate client(ClientName, shape);
    TestCertificate laptop("Skylook Test Laptop");
    if (!client.Created() || !laptop.Created()) {
        std::fprintf(stderr, "certificate_scene: the test certificates could not be made\n");
        return 1;
    }
    ::SetTimer(nullptr, 0, CloseAfter, &EndDialogs);
    // Late enough for the window to have drawn itself.
    ::SetTimer(nullptr, 0, 1500, &PrintGeometry);
    if (scene == "select") {
        ShownTitle = "Select Certificate";
        return ShowSelect();
    }
    if (scene == "view") {
        ShownTitle = "View Certificate";
        return ShowView(client);
    }
    if (scene == "page") {
        ShownTitle = "802.1X";
        return ShowPage();
    }
    std::fprintf(stderr, "certificate_scene: no scene %s\n", scene.c_str());
    return 2;
}
