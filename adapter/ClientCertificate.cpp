#include "ClientCertificate.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstring>

namespace {

constexpr DWORD NameBufferSize = 400;
constexpr DWORD HashBufferSize = 400;

bool ReadThumbprint(PCCERT_CONTEXT certificate, unsigned char (&thumbprint)[CertificateThumbprintSize])
{
    BYTE hash[HashBufferSize] = {};
    DWORD size = sizeof(hash);
    if (!CertGetCertificateContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, hash, &size))
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

    HCERTSTORE store = CertOpenSystemStoreA(0, "MY");
    if (!store)
        return false;

    bool found = false;
    PCCERT_CONTEXT certificate = nullptr;
    while ((certificate = CertEnumCertificatesInStore(store, certificate)) != nullptr) {
        char displayName[NameBufferSize] = {};
        CertGetNameStringA(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, displayName,
                           sizeof(displayName));
        if (std::strcmp(displayName, name) == 0) {
            found = ReadThumbprint(certificate, thumbprint);
            CertFreeCertificateContext(certificate);
            break;
        }
    }
    CertCloseStore(store, CERT_CLOSE_STORE_FORCE_FLAG);
    return found;
}
