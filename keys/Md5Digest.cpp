#include "keys/Md5Digest.h"

#include <windows.h>
#include <bcrypt.h>

#include <vector>

namespace {

bool Succeeded(NTSTATUS status)
{
    return status >= 0;
}

class AlgorithmProvider {
public:
    AlgorithmProvider()
    {
        if (!Succeeded(BCryptOpenAlgorithmProvider(&handle_, BCRYPT_MD5_ALGORITHM, nullptr, 0)))
            handle_ = nullptr;
    }
    ~AlgorithmProvider()
    {
        if (handle_)
            BCryptCloseAlgorithmProvider(handle_, 0);
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
        if (!Succeeded(BCryptGetProperty(algorithm, BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&objectSize),
                                         sizeof objectSize, &written, 0)))
            return;
        object_.resize(objectSize);
        if (!Succeeded(BCryptCreateHash(algorithm, &handle_, object_.data(), objectSize, nullptr, 0, 0)))
            handle_ = nullptr;
    }
    ~HashObject()
    {
        if (handle_)
            BCryptDestroyHash(handle_);
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
    if (!Succeeded(BCryptHashData(hash.Get(), const_cast<PUCHAR>(bytes), static_cast<ULONG>(count), 0)))
        return false;
    return Succeeded(BCryptFinishHash(hash.Get(), digest.data(), static_cast<ULONG>(digest.size()), 0));
}
