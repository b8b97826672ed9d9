#include "ui/certificates/PersonalCertificates.h"

#include "ui/certificates/CertificateText.h"

#include "framework/CryptoApi.h"

#include <cstring>

namespace {

constexpr DWORD NameBufferSize = 400;

// The user's "MY" store, or none when it cannot be opened. crypt32.dll is bound on first
// use, so a process that never opens the certificate dialogs does not load it.
CCertificateStore OpenPersonalStore()
{
    const CertificateCalls& crypt32 = Crypt32();
    return CCertificateStore(crypt32.Bound ? crypt32.OpenSystemStore(0, "MY") : nullptr);
}

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

}  // namespace

std::vector<CertificateRow> ListPersonalCertificates()
{
    std::vector<CertificateRow> rows;
    const CCertificateStore store = OpenPersonalStore();
    if (!store)
        return rows;
    CCertificateContext certificate;
    while (NextCertificate(store, certificate)) {
        CertificateRow row;
        row.Issuer = IssuerOf(certificate);
        row.Subject = SubjectOf(certificate);
        row.ValidBefore = FormatCertificateDate(certificate.Get()->pCertInfo->NotAfter);
        row.HasHash = ReadCertificateThumbprint(certificate, row.Hash);
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
    const CCertificateStore store = OpenPersonalStore();
    if (!store)
        return false;
    unsigned char wanted[CertificateThumbprintSize];
    std::memcpy(wanted, hash, sizeof wanted);
    CRYPT_HASH_BLOB blob = {sizeof wanted, wanted};
    // Each step frees the context it is handed, as the enumeration does.
    CCertificateContext certificate;
    for (;;) {
        certificate = CCertificateContext(Crypt32().FindCertificateInStore(
            store, X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, 0, CERT_FIND_SHA1_HASH, &blob, certificate.Release()));
        if (!certificate)
            return false;
        if (IssuerOf(certificate) == issuer) {
            show(certificate);
            return true;
        }
    }
}
