// A self-signed certificate placed in the user's "MY" store for the length of a test.
#ifndef SKYLOOK_TESTS_TEST_CERTIFICATE_H
#define SKYLOOK_TESTS_TEST_CERTIFICATE_H

#include <windows.h>
#include <wincrypt.h>

#include <string>
#include <vector>

// Every test certificate's name starts with this, so leftovers of an aborted run can be found.
constexpr const char* TestCertificatePrefix = "Skylook Test ";

// A calendar date and time of day, UTC, for a certificate's validity.
SYSTEMTIME CalendarDate(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0);

// What a test may fix of its certificate; the rest is as a self-signed certificate has it.
struct TestCertificateShape {
    std::string IssuerName;     // common name of the issuer
    std::vector<BYTE> Serial;   // lowest byte first, as the certificate interface holds it
    SYSTEMTIME NotBefore;
    SYSTEMTIME NotAfter;
};

class TestCertificate {
public:
    explicit TestCertificate(const std::string& commonName);
    // A version 3 certificate of commonName with the issuer, serial and validity of shape,
    // signed with its own key.
    TestCertificate(const std::string& commonName, const TestCertificateShape& shape);
    ~TestCertificate();
    TestCertificate(const TestCertificate&) = delete;
    TestCertificate& operator=(const TestCertificate&) = delete;

    bool Created() const { return !thumbprint_.empty(); }
    std::string ThumbprintHex() const;

    // Removes test certificates that an aborted run left in the store.
    static void RemoveLeftovers();

private:
    bool CreateKey();
    void AddToStore(PCCERT_CONTEXT certificate);

    std::string container_;
    HCRYPTPROV provider_ = 0;
    std::vector<BYTE> thumbprint_;
};

#endif
