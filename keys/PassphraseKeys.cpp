#include "keys/PassphraseKeys.h"

#include "record/HexText.h"
#include "keys/Md5Digest.h"

#include <cstdint>
#include <cstdio>

namespace {

constexpr uint32_t LcgMultiplier = 214013;
constexpr uint32_t LcgIncrement = 2531011;
constexpr size_t Md5BlockSize = 64;

}  // namespace

bool GenerateWep64Keys(const std::string& passphrase, WepKeyTexts& keys)
{
    if (passphrase.empty())
        return false;

    unsigned char seedBytes[4] = {0, 0, 0, 0};
    for (size_t i = 0; i < passphrase.size(); ++i)
        seedBytes[i % 4] ^= static_cast<unsigned char>(passphrase[i]);
    uint32_t x = seedBytes[0] | (uint32_t{seedBytes[1]} << 8) | (uint32_t{seedBytes[2]} << 16) |
                 (uint32_t{seedBytes[3]} << 24);
    std::printf("rand %x \n", static_cast<unsigned>(x));

    WepKeyTexts generated;
    for (int key = 0; key < 4; ++key) {
        unsigned char bytes[WepKeySize64];
        int counter = 4 * key;
        for (unsigned char& byte : bytes) {
            x = x * LcgMultiplier + LcgIncrement;
            byte = static_cast<unsigned char>((x >> 16) & 0xFF);
            std::printf("randNumber = %x ", static_cast<unsigned>(x));
            std::printf("key %d = %x \n", counter++, static_cast<unsigned>(byte));
        }
        generated[key] = BytesToHexText(bytes, sizeof bytes);
    }
    std::fflush(stdout);
    keys = generated;
    return true;
}

bool GenerateWep128Keys(const std::string& passphrase, WepKeyTexts& keys)
{
    if (passphrase.empty())
        return false;

    WepKeyTexts generated;
    for (int key = 0; key < 4; ++key) {
        std::string source = passphrase;
        if (key > 0)
            source += static_cast<char>(key);
        unsigned char block[Md5BlockSize];
        for (size_t i = 0; i < Md5BlockSize; ++i)
            block[i] = static_cast<unsigned char>(source[i % source.size()]);
        Md5Digest digest;
        if (!ComputeMd5(block, sizeof block, digest))
            return false;
        generated[key] = BytesToHexText(digest.data(), WepKeySize128);
    }
    keys = generated;
    return true;
}

bool GenerateWepKeys(const std::string& passphrase, int lengthIndex, WepKeyTexts& keys)
{
    return lengthIndex == 0 ? GenerateWep64Keys(passphrase, keys) : GenerateWep128Keys(passphrase, keys);
}
