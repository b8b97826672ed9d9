#include "PersonalCertificates.h"

#include "CertificateText.h"

#include "framework/SystemLibrary.h"

#include <cstring>

namespace {

constexpr DWORD NameBufferSize = 400;
constexpr DWORD HashBufferSize = 400;

// The store calls, bound on first use: crypt32.dll stays out of a process that never opens
// the certificate dialogs.
struct StoreCalls {
    decltype(&::CertOpenSystemStoreA) OpenSystemStore = nullptr;
    decltype(&::CertEnumCertificatesInStore) EnumCertificatesInStore = nullptr;
    decltype(&::CertFindCertificateInStore) FindCertificateInStore = nullptr;
    decltype(&::CertGetNameStringA) GetNameString = nullptr;
    decltype(&::CertGetCertificateContextProperty) GetContextProperty = nullptr;
    decltype(&::CertFreeCertificateContext) FreeCertificateContext = nullptr;
    decltype(&::CertCloseStore) CloseStore = nullptr;
    bool Bound = false;
};

const StoreCalls& Crypt32()
{
    static const StoreCalls calls = [] {
        const CSystemLibrary library("crypt32.dll");
        StoreCalls found;
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

// The user's "MY" store, closed when it goes.
class CPersonalStore {
public:
    CPersonalStore() : m_store(Crypt32().Bound ? Crypt32().OpenSystemStore(0, "MY") : nullptr) {}
    ~CPersonalStore()
    {
        if (m_store)
            Crypt32().CloseStore(m_store, 0);
    }
    CPersonalStore(const CPersonalStore&) = delete;
    CPersonalStore& operator=(const CPersonalStore&) = delete;
    HCERTSTORE Get() const { return m_store; }

private:
    HCERTSTORE m_store;
};

std::string NameOf(PCCERT_CONTEXT certificate, DWORD flags)
{
    char name[NameBufferSize] = {};
    Crypt32().GetNameString(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, flags, nullptr, name, sizeof name);
    name[NameBufferSize - 1] = '\0';
    return name;
}

std::string IssuerOf(PCCERT_CONTEXT certificate)
{
    return NameOf(certificate, CERT_NAME_ISSUER_FLAG);
}

std::string SubjectOf(PCCERT_CONTEXT certificate)
{
    return NameOf(certificate, 0);
}

bool ReadHash(PCCERT_CONTEXT certificate, unsigned char (&hash)[CertificateThumbprintSize])
{
    BYTE property[HashBufferSize] = {};
    DWORD size = sizeof property;
    if (!Crypt32().GetContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, property, &size))
        return false;
    if (size > CertificateThumbprintSize)
        return false;
    std::memset(hash, 0, sizeof hash);
    std::memcpy(hash, property, size);
    return true;
}

}  // namespace

std::vector<CertificateRow> ListPersonalCertificates()
{
    std::vector<CertificateRow> rows;
    CPersonalStore store;
    if (!store.Get())
        return rows;
    PCCERT_CONTEXT certificate = nullptr;
    while ((certificate = Crypt32().EnumCertificatesInStore(store.Get(), certificate)) != nullptr) {
        CertificateRow row;
        row.Issuer = IssuerOf(certificate);
        row.Subject = SubjectOf(certificate);
        row.ValidBefore = FormatCertificateDate(certificate->pCertInfo->NotAfter);
        row.HasHash = ReadHash(certificate, row.Hash);
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<CertificateField> DescribeCertificate(PCCERT_CONTEXT certificate)
{
    if (!certificate || !certificate->pCertInfo)
        return {};
    const CERT_INFO& info = *certificate->pCertInfo;
    const CRYPT_BIT_BLOB& publicKey = info.SubjectPublicKeyInfo.PublicKey;
    return {
        {"Version", FormatCertificateVersion(info.dwVersion)},
        {"Serial Number", FormatSerialNumber(info.SerialNumber.pbData, info.SerialNumber.cbData)},
        {"Signature Algorithm", WithoutOidPrefix(info.SignatureAlgorithm.pszObjId)},
        {"Issuer", IssuerOf(certificate)},
        {"Not Before", FormatCertificateDate(info.NotBefore)},
        {"Not After", FormatCertificateDate(info.NotAfter)},
        {"Subject", SubjectOf(certificate)},
        {"Subject Public Key", FormatHexBytes(publicKey.pbData, publicKey.cbData, PublicKeyTextLimit)},
        {"PublicKey Algorithm", info.SubjectPublicKeyInfo.Algorithm.pszObjId
                                    ? info.SubjectPublicKeyInfo.Algorithm.pszObjId
                                    : ""},
    };
}

bool WithPersonalCertificate(const unsigned char (&hash)[CertificateThumbprintSize], const std::string& issuer,
                             const std::function<void(PCCERT_CONTEXT)>& show)
{
    CPersonalStore store;
    if (!store.Get())
        return false;
    unsigned char wanted[CertificateThumbprintSize];
    std::memcpy(wanted, hash, sizeof wanted);
    CRYPT_HASH_BLOB blob = {sizeof wanted, wanted};
    PCCERT_CONTEXT certificate = nullptr;
    while ((certificate = Crypt32().FindCertificateInStore(store.Get(), X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, 0,
                                                           CERT_FIND_SHA1_HASH, &blob, certificate)) != nullptr) {
        if (IssuerOf(certificate) == issuer) {
            show(certificate);
            Crypt32().FreeCertificateContext(certificate);
            return true;
        }
    }
    return false;
}
