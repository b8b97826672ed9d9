// The client certificate of the EAP-TLS apply, found in the user's "MY" store.
#ifndef SKYLOOK_CLIENT_CERTIFICATE_H
#define SKYLOOK_CLIENT_CERTIFICATE_H

#include <windows.h>
#include <wincrypt.h>

constexpr unsigned CertificateThumbprintSize = 20;

// Fills thumbprint with the certificate's SHA-1 hash property, zero-padded; false, leaving
// thumbprint as it was, when the property is missing or longer than the thumbprint.
bool ReadCertificateThumbprint(PCCERT_CONTEXT certificate, unsigned char (&thumbprint)[CertificateThumbprintSize]);

// Fills thumbprint with the SHA-1 hash of the first certificate whose simple display name
// equals name exactly (case matters) and returns true. A display name longer than the
// record's WPALoginName field is compared as the field holds it, cut to fit. Without such a certificate, or when
// the store cannot be opened, the thumbprint is all zeros and the answer is false: the
// adapter must never be handed somebody else's certificate.
bool FindCertificateThumbprint(const char* name, unsigned char (&thumbprint)[CertificateThumbprintSize]);

#endif
