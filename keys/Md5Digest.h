// MD5 through the platform's CNG provider.
#ifndef SKYLOOK_MD5_DIGEST_H
#define SKYLOOK_MD5_DIGEST_H

#include <array>
#include <cstddef>

using Md5Digest = std::array<unsigned char, 16>;

// False when the provider cannot be opened or a hash step fails.
bool ComputeMd5(const unsigned char* bytes, size_t count, Md5Digest& digest);

#endif
