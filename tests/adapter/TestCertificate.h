// A self-signed certificate placed in the user's "MY" store for the length of a test.
#ifndef SKYLOOK_TESTS_TEST_CERTIFICATE_H
#define SKYLOOK_TESTS_TEST_CERTIFICATE_H

#include <windows.h>
#include <wincrypt.h>

#include <string>
#include <vector>

// Every test certificate's name starts with this, so leftovers of an aborted run can be found.
constexpr const char* TestCertificatePrefix = "Skylook Test ";

class TestCertificate {
public:
    explicit TestCertificate(const std::string& commonName);
    ~TestCertificate();
    TestCertificate(const TestCertificate&) = delete;
    TestCertificate& operator=(const TestCertificate&) = delete;

    bool Created() const { return !thumbprint_.empty(); }
    std::string ThumbprintHex() const;

    // Removes test certificates that an aborted run left in the store.
    static void RemoveLeftovers();

private:
    std::string container_;
    HCRYPTPROV provider_ = 0;
    std::vector<BYTE> thumbprint_;
};

#endif
