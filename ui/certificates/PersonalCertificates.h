// The user's personal certificate store "MY" as the certificate dialogs read it: one row per
// certificate for the choice, and the fields of one certificate for the view.
#ifndef SKYLOOK_UI_PERSONAL_CERTIFICATES_H
#define SKYLOOK_UI_PERSONAL_CERTIFICATES_H

#include "adapter/ClientCertificate.h"

#include <windows.h>
#include <wincrypt.h>

#include <functional>
#include <string>
#include <vector>

struct CertificateRow {
    std::string Issuer;
    std::string Subject;
    std::string ValidBefore;  // end of validity as a date
    // The SHA-1 hash property; absent when the certificate has none that fits.
    bool HasHash = false;
    unsigned char Hash[CertificateThumbprintSize] = {};
};

// The store's certificates in store order; empty when the store cannot be opened.
std::vector<CertificateRow> ListPersonalCertificates();

struct CertificateField {
    const char* Name;
    std::string Value;
};

// The nine fields the view shows, in its order: version, serial number, signature
// algorithm, issuer, validity, subject, public key and its algorithm.
std::vector<CertificateField> DescribeCertificate(PCCERT_CONTEXT certificate);

// Calls show with the first certificate of the store whose SHA-1 hash is hash and whose
// issuer is issuer, while the store is open; false, without calling it, when there is none.
bool WithPersonalCertificate(const unsigned char (&hash)[CertificateThumbprintSize], const std::string& issuer,
                             const std::function<void(PCCERT_CONTEXT)>& show);

// The public key is shown in a text of this many characters at most.
constexpr size_t PublicKeyTextLimit = 399;

#endif
