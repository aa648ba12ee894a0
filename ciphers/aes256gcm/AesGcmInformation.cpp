#include "AesGcmInformation.h"

#include <cstring>

namespace aesgcm {

namespace {

constexpr uint8_t kMagic[4] = {'A', 'G', 'C', 'M'};
constexpr uint8_t kVersion = 1;
constexpr uint8_t kPbkdf2Sha256 = 1;

bool readExactly(IVYRAStream &stream, void *buffer, int64_t count)
{
    return stream.read(buffer, count) == count;
}

} // namespace

std::vector<uint8_t> Information::Serialize() const
{
    std::vector<uint8_t> out(kMagic, kMagic + 4);
    out.push_back(kVersion);
    out.push_back(kPbkdf2Sha256);
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(uint8_t(iterations >> shift));
    out.push_back(uint8_t(SaltLength));
    out.insert(out.end(), salt.begin(), salt.end());
    out.push_back(uint8_t(NonceLength));
    out.insert(out.end(), nonce.begin(), nonce.end());
    return out;
}

TVYRAResult Information::Read(IVYRAStream &stream)
{
    valid = false;
    uint8_t head[10];
    if (!readExactly(stream, head, sizeof head))
        return VYRA_E_FORMAT;
    if (std::memcmp(head, kMagic, 4) != 0 || head[4] != kVersion || head[5] != kPbkdf2Sha256)
        return VYRA_E_FORMAT;
    const uint32_t count = uint32_t(head[6]) | uint32_t(head[7]) << 8 | uint32_t(head[8]) << 16 | uint32_t(head[9]) << 24;
    if (count < MinIterations || count > MaxIterations)
        return VYRA_E_FORMAT;
    uint8_t length = 0;
    if (!readExactly(stream, &length, 1) || length != SaltLength || !readExactly(stream, salt.data(), SaltLength))
        return VYRA_E_FORMAT;
    if (!readExactly(stream, &length, 1) || length != NonceLength || !readExactly(stream, nonce.data(), NonceLength))
        return VYRA_E_FORMAT;
    iterations = count;
    valid = true;
    return VYRA_S_OK;
}

} // namespace aesgcm
