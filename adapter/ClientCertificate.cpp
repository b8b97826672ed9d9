#include "ClientCertificate.h"

#include "framework/CryptoApi.h"
#include "record/AdapterSettings.h"
#include "record/TextField.h"

#include <windows.h>
#include <wincrypt.h>

#include <cstring>

namespace {
constexpr DWORD NameBufferSize = 400;
constexpr DWORD HashBufferSize = 400;
}  // namespace

bool ReadCertificateThumbprint(PCCERT_CONTEXT certificate, unsigned char (&thumbprint)[CertificateThumbprintSize])
{
    const CertificateCalls& crypt32 = Crypt32();
    if (!crypt32.Bound)
        return false;
    BYTE hash[HashBufferSize] = {};
    DWORD size = sizeof(hash);
    if (!crypt32.GetContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, hash, &size))
        return false;
    if (size > CertificateThumbprintSize)
        return false;
    std::memset(thumbprint, 0, sizeof(thumbprint));
    std::memcpy(thumbprint, hash, size);
    return true;
}

bool FindCertificateThumbprint(const char* name, unsigned char (&thumbprint)[CertificateThumbprintSize])
{
    std::memset(thumbprint, 0, sizeof(thumbprint));

    // Bound by the first look-up, so crypt32.dll stays out of a process that never applies
    // an EAP-TLS record; without the library the store cannot be opened.
    const CertificateCalls& crypt32 = Crypt32();
    if (!crypt32.Bound)
        return false;
    const CCertificateStore store(crypt32.OpenSystemStore(0, "MY"),
                                  CertificateStoreCloser{CERT_CLOSE_STORE_FORCE_FLAG});
    if (!store)
        return false;

    bool found = false;
    CCertificateContext certificate;
    while (NextCertificate(store, certificate)) {
        char displayName[NameBufferSize] = {};
        crypt32.GetNameString(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, displayName,
                              sizeof(displayName));
        // The record holds the name cut to its field; a longer name matches in that form.
        char heldName[sizeof(AdapterSettings::WPALoginName)];
        CopyFieldText(heldName, displayName);
        if (std::strcmp(heldName, name) == 0) {
            found = ReadCertificateThumbprint(certificate, thumbprint);
            break;
        }
    }
    return found;
}
