#include "ClientCertificate.h"

#include "framework/SystemLibrary.h"
#include "record/AdapterSettings.h"
#include "record/TextField.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstring>

namespace {

constexpr DWORD NameBufferSize = 400;
constexpr DWORD HashBufferSize = 400;

// The certificate store calls, bound by the first look-up: crypt32.dll stays out of a
// process that never applies an EAP-TLS record.
struct CertificateCalls {
    decltype(&::CertOpenSystemStoreA) OpenSystemStore = nullptr;
    decltype(&::CertEnumCertificatesInStore) EnumCertificatesInStore = nullptr;
    decltype(&::CertGetNameStringA) GetNameString = nullptr;
    decltype(&::CertGetCertificateContextProperty) GetContextProperty = nullptr;
    decltype(&::CertFreeCertificateContext) FreeCertificateContext = nullptr;
    decltype(&::CertCloseStore) CloseStore = nullptr;
    bool Bound = false;
};

const CertificateCalls& Crypt32()
{
    static const CertificateCalls calls = [] {
        const CSystemLibrary library("crypt32.dll");
        CertificateCalls found;
        found.Bound = library.Find(found.OpenSystemStore, "CertOpenSystemStoreA") &&
                      library.Find(found.EnumCertificatesInStore, "CertEnumCertificatesInStore") &&
                      library.Find(found.GetNameString, "CertGetNameStringA") &&
                      library.Find(found.GetContextProperty, "CertGetCertificateContextProperty") &&
                      library.Find(found.FreeCertificateContext, "CertFreeCertificateContext") &&
                      library.Find(found.CloseStore, "CertCloseStore");
        return found;
    }();
    return calls;
}

bool ReadThumbprint(const CertificateCalls& crypt32, PCCERT_CONTEXT certificate,
                    unsigned char (&thumbprint)[CertificateThumbprintSize])
{
    BYTE hash[HashBufferSize] = {};
    DWORD size = sizeof(hash);
    if (!crypt32.GetContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, hash, &size))
        return false;
    if (size > CertificateThumbprintSize)
        return false;
    std::memcpy(thumbprint, hash, size);
    return true;
}

}  // namespace

bool FindCertificateThumbprint(const char* name, unsigned char (&thumbprint)[CertificateThumbprintSize])
{
    std::memset(thumbprint, 0, sizeof(thumbprint));

    // Without the library the store cannot be opened.
    const CertificateCalls& crypt32 = Crypt32();
    if (!crypt32.Bound)
        return false;
    HCERTSTORE store = crypt32.OpenSystemStore(0, "MY");
    if (!store)
        return false;

    bool found = false;
    PCCERT_CONTEXT certificate = nullptr;
    while ((certificate = crypt32.EnumCertificatesInStore(store, certificate)) != nullptr) {
        char displayName[NameBufferSize] = {};
        crypt32.GetNameString(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, displayName,
                              sizeof(displayName));
        // The record holds the name cut to its field; a longer name matches in that form.
        char heldName[sizeof(AdapterSettings::WPALoginName)];
        CopyFieldText(heldName, displayName);
        if (std::strcmp(heldName, name) == 0) {
            found = ReadThumbprint(crypt32, certificate, thumbprint);
            crypt32.FreeCertificateContext(certificate);
            break;
        }
    }
    crypt32.CloseStore(store, CERT_CLOSE_STORE_FORCE_FLAG);
    return found;
}
