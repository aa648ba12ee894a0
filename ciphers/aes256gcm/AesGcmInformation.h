#pragma once

#include "VYRAModuleABI.h"

#include <array>
#include <cstdint>
#include <vector>

namespace aesgcm {

// The cipher's information block, stored beside each enciphered text or file:
//   4 bytes  "AGCM"
//   1 byte   layout version (1)
//   1 byte   key derivation (1 = PBKDF2-HMAC-SHA256)
//   4 bytes  iterations, little-endian
//   1 byte   salt length (16), then the salt
//   1 byte   nonce length (12), then the nonce
// The whole block is authenticated as associated data of the GCM operation.
struct Information {
    static constexpr uint32_t MinIterations = 200000;
    // A block asking for more is refused, so a crafted file cannot stall the program.
    static constexpr uint32_t MaxIterations = 20000000;
    static constexpr size_t SaltLength = 16;
    static constexpr size_t NonceLength = 12;

    uint32_t iterations = MinIterations;
    std::array<uint8_t, SaltLength> salt{};
    std::array<uint8_t, NonceLength> nonce{};
    bool valid = false;

    std::vector<uint8_t> Serialize() const;
    // Reads one block from the stream; VYRA_E_FORMAT when damaged or truncated.
    TVYRAResult Read(IVYRAStream &stream);
};

} // namespace aesgcm
