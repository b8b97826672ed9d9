// The certificate store calls of crypt32.dll, bound on first use rather than through the
// import table: the library stays out of a process that never touches a certificate. The
// owners below release through the same binding.
#ifndef SKYLOOK_FRAMEWORK_CRYPTO_API_H
#define SKYLOOK_FRAMEWORK_CRYPTO_API_H

#include "Handles.h"

#include <windows.h>
#include <wincrypt.h>

struct CertificateCalls {
    decltype(&::CertOpenSystemStoreA) OpenSystemStore = nullptr;
    decltype(&::CertEnumCertificatesInStore) EnumCertificatesInStore = nullptr;
    decltype(&::CertFindCertificateInStore) FindCertificateInStore = nullptr;
    decltype(&::CertGetNameStringA) GetNameString = nullptr;
    decltype(&::CertGetCertificateContextProperty) GetContextProperty = nullptr;
    decltype(&::CertFreeCertificateContext) FreeCertificateContext = nullptr;
    decltype(&::CertCloseStore) CloseStore = nullptr;
    // All of the above were found; without them no store can be opened.
    bool Bound = false;
};

// Loads crypt32.dll and finds its calls on the first call; the same answer afterwards.
const CertificateCalls& Crypt32();

struct CertificateStoreCloser {
    // CERT_CLOSE_STORE_FORCE_FLAG, CERT_CLOSE_STORE_CHECK_FLAG or 0.
    DWORD Flags = 0;
    void operator()(HCERTSTORE store) const;
};
using CCertificateStore = COwnedHandle<HCERTSTORE, CertificateStoreCloser>;

struct CertificateFreer {
    void operator()(PCCERT_CONTEXT certificate) const;
};
using CCertificateContext = COwnedHandle<PCCERT_CONTEXT, CertificateFreer>;

// Steps certificate to the store's next certificate (the first when it holds none); false
// at the end, where certificate holds none. The one held before is freed by the step.
bool NextCertificate(HCERTSTORE store, CCertificateContext& certificate);

#endif
