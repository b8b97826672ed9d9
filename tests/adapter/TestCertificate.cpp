#include "TestCertificate.h"

#include "AdapterTestSupport.h"

#include "framework/CryptoApi.h"

#include <cstring>
#include <vector>

namespace {

std::vector<BYTE> EncodeSubject(const std::string& commonName)
{
    const std::string x500 = "CN=\"" + commonName + "\"";
    DWORD size = 0;
    if (!CertStrToNameA(X509_ASN_ENCODING, x500.c_str(), CERT_X500_NAME_STR, nullptr, nullptr, &size, nullptr))
        return {};
    std::vector<BYTE> encoded(size);
    if (!CertStrToNameA(X509_ASN_ENCODING, x500.c_str(), CERT_X500_NAME_STR, nullptr, encoded.data(), &size,
                        nullptr))
        return {};
    encoded.resize(size);
    return encoded;
}

void DeleteFromStore(std::vector<BYTE>& thumbprint)
{
    const CCertificateStore store(CertOpenSystemStoreA(0, "MY"));
    if (!store)
        return;
    CRYPT_HASH_BLOB hash = {static_cast<DWORD>(thumbprint.size()), thumbprint.data()};
    if (PCCERT_CONTEXT stored =
            CertFindCertificateInStore(store, X509_ASN_ENCODING, 0, CERT_FIND_SHA1_HASH, &hash, nullptr))
        CertDeleteCertificateFromStore(stored);
    // Without an explicit commit the deletion may never reach the registry.
    CertControlStore(store, 0, CERT_STORE_CTRL_COMMIT, nullptr);
}

}  // namespace

SYSTEMTIME CalendarDate(WORD year, WORD month, WORD day, WORD hour, WORD minute)
{
    SYSTEMTIME date = {};
    date.wYear = year;
    date.wMonth = month;
    date.wDay = day;
    date.wHour = hour;
    date.wMinute = minute;
    return date;
}

bool TestCertificate::CreateKey()
{
    HCRYPTPROV stale = 0;
    CryptAcquireContextA(&stale, container_.c_str(), nullptr, PROV_RSA_FULL, CRYPT_DELETEKEYSET);
    if (!CryptAcquireContextA(&provider_, container_.c_str(), nullptr, PROV_RSA_FULL, CRYPT_NEWKEYSET))
        return false;
    HCRYPTKEY key = 0;
    if (!CryptGenKey(provider_, AT_SIGNATURE, 0, &key))
        return false;
    CryptDestroyKey(key);
    return true;
}

void TestCertificate::AddToStore(PCCERT_CONTEXT certificate)
{
    // The test keeps the thumbprint rather than a context: a context held open keeps the
    // store from writing the certificate out.
    const CCertificateStore store(CertOpenSystemStoreA(0, "MY"));
    CCertificateContext stored;
    if (store &&
        CertAddCertificateContextToStore(store, certificate, CERT_STORE_ADD_REPLACE_EXISTING, stored.Receive())) {
        BYTE hash[20] = {};
        DWORD size = sizeof(hash);
        if (CertGetCertificateContextProperty(stored, CERT_SHA1_HASH_PROP_ID, hash, &size))
            thumbprint_.assign(hash, hash + size);
    }
}

TestCertificate::TestCertificate(const std::string& commonName) : container_("skylook-test-" + commonName)
{
    if (!CreateKey())
        return;
    std::vector<BYTE> subject = EncodeSubject(commonName);
    if (subject.empty())
        return;
    CERT_NAME_BLOB subjectBlob = {static_cast<DWORD>(subject.size()), subject.data()};
    const CCertificateContext created(
        CertCreateSelfSignCertificate(provider_, &subjectBlob, 0, nullptr, nullptr, nullptr, nullptr, nullptr));
    if (created)
        AddToStore(created);
}

TestCertificate::TestCertificate(const std::string& commonName, const TestCertificateShape& shape)
    : container_("skylook-test-" + commonName)
{
    if (!CreateKey())
        return;
    std::vector<BYTE> subject = EncodeSubject(commonName);
    std::vector<BYTE> issuer = EncodeSubject(shape.IssuerName);
    if (subject.empty() || issuer.empty())
        return;

    DWORD keySize = 0;
    if (!CryptExportPublicKeyInfo(provider_, AT_SIGNATURE, X509_ASN_ENCODING, nullptr, &keySize))
        return;
    std::vector<BYTE> keyInfo(keySize);
    auto* publicKey = reinterpret_cast<CERT_PUBLIC_KEY_INFO*>(keyInfo.data());
    if (!CryptExportPublicKeyInfo(provider_, AT_SIGNATURE, X509_ASN_ENCODING, publicKey, &keySize))
        return;

    std::vector<BYTE> serial = shape.Serial;
    CRYPT_ALGORITHM_IDENTIFIER signature = {};
    signature.pszObjId = const_cast<char*>(szOID_RSA_SHA1RSA);
    CERT_INFO info = {};
    info.dwVersion = CERT_V3;
    info.SerialNumber = {static_cast<DWORD>(serial.size()), serial.data()};
    info.SignatureAlgorithm = signature;
    info.Issuer = {static_cast<DWORD>(issuer.size()), issuer.data()};
    info.Subject = {static_cast<DWORD>(subject.size()), subject.data()};
    if (!SystemTimeToFileTime(&shape.NotBefore, &info.NotBefore) ||
        !SystemTimeToFileTime(&shape.NotAfter, &info.NotAfter))
        return;
    info.SubjectPublicKeyInfo = *publicKey;

    DWORD encodedSize = 0;
    if (!CryptSignAndEncodeCertificate(provider_, AT_SIGNATURE, X509_ASN_ENCODING, X509_CERT_TO_BE_SIGNED, &info,
                                       &signature, nullptr, nullptr, &encodedSize))
        return;
    std::vector<BYTE> encoded(encodedSize);
    if (!CryptSignAndEncodeCertificate(provider_, AT_SIGNATURE, X509_ASN_ENCODING, X509_CERT_TO_BE_SIGNED, &info,
                                       &signature, nullptr, encoded.data(), &encodedSize))
        return;
    const CCertificateContext created(CertCreateCertificateContext(X509_ASN_ENCODING, encoded.data(), encodedSize));
    if (created)
        AddToStore(created);
}

TestCertificate::~TestCertificate()
{
    if (!thumbprint_.empty())
        DeleteFromStore(thumbprint_);
    if (provider_) {
        CryptReleaseContext(provider_, 0);
        HCRYPTPROV deleted = 0;
        CryptAcquireContextA(&deleted, container_.c_str(), nullptr, PROV_RSA_FULL, CRYPT_DELETEKEYSET);
    }
}

std::string TestCertificate::ThumbprintHex() const
{
    return Hex(thumbprint_.data(), thumbprint_.size());
}

void TestCertificate::RemoveLeftovers()
{
    // Collected first and deleted afterwards: deleting during the walk upsets it.
    std::vector<std::vector<BYTE>> leftovers;
    if (const CCertificateStore store{CertOpenSystemStoreA(0, "MY")}) {
        PCCERT_CONTEXT certificate = nullptr;
        while ((certificate = CertEnumCertificatesInStore(store, certificate)) != nullptr) {
            char name[400] = {};
            CertGetNameStringA(certificate, CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, name, sizeof(name));
            BYTE hash[20] = {};
            DWORD size = sizeof(hash);
            if (std::strncmp(name, TestCertificatePrefix, std::strlen(TestCertificatePrefix)) == 0 &&
                CertGetCertificateContextProperty(certificate, CERT_SHA1_HASH_PROP_ID, hash, &size))
                leftovers.emplace_back(hash, hash + size);
        }
    }
    for (std::vector<BYTE>& thumbprint : leftovers)
        DeleteFromStore(thumbprint);
}
