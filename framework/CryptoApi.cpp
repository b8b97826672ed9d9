#include "CryptoApi.h"

#include "SystemLibrary.h"

const CertificateCalls& Crypt32()
{
    static const CertificateCalls calls = [] {
        const CSystemLibrary library("crypt32.dll");
        CertificateCalls found;
        found.Bound = library.Find(found.OpenSystemStore, "CertOpenSystemStoreA") &&
                      library.Find(found.EnumCertificatesInStore, "CertEnumCertificatesInStore") &&
                      library.Find(found.FindCertificateInStore, "CertFindCertificateInStore") &&
                      library.Find(found.GetNameString, "CertGetNameStringA") &&
                      library.Find(found.GetContextProperty, "CertGetCertificateContextProperty") &&
                      library.Find(found.FreeCertificateContext, "CertFreeCertificateContext") &&
                      library.Find(found.CloseStore, "CertCloseStore");
        return found;
    }();
    return calls;
}

void CertificateStoreCloser::operator()(HCERTSTORE store) const
{
    if (const auto close = Crypt32().CloseStore)
        close(store, Flags);
}

void CertificateFreer::operator()(PCCERT_CONTEXT certificate) const
{
    if (const auto free = Crypt32().FreeCertificateContext)
        free(certificate);
}

bool NextCertificate(HCERTSTORE store, CCertificateContext& certificate)
{
    const auto enumerate = Crypt32().EnumCertificatesInStore;
    if (!enumerate) {
        certificate.Reset();
        return false;
    }
    // The call frees the context it is handed, whatever it returns.
    certificate = CCertificateContext(enumerate(store, certificate.Release()));
    return static_cast<bool>(certificate);
}
