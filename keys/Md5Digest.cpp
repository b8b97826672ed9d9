#include "keys/Md5Digest.h"

#include "framework/SystemLibrary.h"

#include <windows.h>
#include <bcrypt.h>

#include <vector>

namespace {

// The hashing calls, bound when a key is first generated: the tray program, idle, does not
// load the library.
struct HashCalls {
    decltype(&::BCryptOpenAlgorithmProvider) open = nullptr;
    decltype(&::BCryptCloseAlgorithmProvider) close = nullptr;
    decltype(&::BCryptGetProperty) getProperty = nullptr;
    decltype(&::BCryptCreateHash) createHash = nullptr;
    decltype(&::BCryptDestroyHash) destroyHash = nullptr;
    decltype(&::BCryptHashData) hashData = nullptr;
    decltype(&::BCryptFinishHash) finishHash = nullptr;
    bool found = false;
};

const HashCalls& Calls()
{
    static const HashCalls calls = [] {
        HashCalls found;
        CSystemLibrary library("bcrypt.dll");
        found.found = library.Find(found.open, "BCryptOpenAlgorithmProvider") &&
                      library.Find(found.close, "BCryptCloseAlgorithmProvider") &&
                      library.Find(found.getProperty, "BCryptGetProperty") &&
                      library.Find(found.createHash, "BCryptCreateHash") &&
                      library.Find(found.destroyHash, "BCryptDestroyHash") &&
                      library.Find(found.hashData, "BCryptHashData") &&
                      library.Find(found.finishHash, "BCryptFinishHash");
        return found;
    }();
    return calls;
}

bool Succeeded(NTSTATUS status)
{
    return status >= 0;
}

class AlgorithmProvider {
public:
    AlgorithmProvider()
    {
        if (!Calls().found || !Succeeded(Calls().open(&handle_, BCRYPT_MD5_ALGORITHM, nullptr, 0)))
            handle_ = nullptr;
    }
    ~AlgorithmProvider()
    {
        if (handle_)
            Calls().close(handle_, 0);
    }
    AlgorithmProvider(const AlgorithmProvider&) = delete;
    AlgorithmProvider& operator=(const AlgorithmProvider&) = delete;
    BCRYPT_ALG_HANDLE Get() const { return handle_; }

private:
    BCRYPT_ALG_HANDLE handle_ = nullptr;
};

class HashObject {
public:
    HashObject(BCRYPT_ALG_HANDLE algorithm)
    {
        DWORD objectSize = 0;
        ULONG written = 0;
        if (!Succeeded(Calls().getProperty(algorithm, BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&objectSize),
                                         sizeof objectSize, &written, 0)))
            return;
        object_.resize(objectSize);
        if (!Succeeded(Calls().createHash(algorithm, &handle_, object_.data(), objectSize, nullptr, 0, 0)))
            handle_ = nullptr;
    }
    ~HashObject()
    {
        if (handle_)
            Calls().destroyHash(handle_);
    }
    HashObject(const HashObject&) = delete;
    HashObject& operator=(const HashObject&) = delete;
    BCRYPT_HASH_HANDLE Get() const { return handle_; }

private:
    std::vector<UCHAR> object_;
    BCRYPT_HASH_HANDLE handle_ = nullptr;
};

}  // namespace

bool ComputeMd5(const unsigned char* bytes, size_t count, Md5Digest& digest)
{
    AlgorithmProvider provider;
    if (!provider.Get())
        return false;
    HashObject hash(provider.Get());
    if (!hash.Get())
        return false;
    if (!Succeeded(Calls().hashData(hash.Get(), const_cast<PUCHAR>(bytes), static_cast<ULONG>(count), 0)))
        return false;
    return Succeeded(Calls().finishHash(hash.Get(), digest.data(), static_cast<ULONG>(digest.size()), 0));
}
