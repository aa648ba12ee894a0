#pragma once

#include "AesGcmInformation.h"
#include "VYRACipherClass.h"

#include <openssl/types.h>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace aesgcm {

class SecretBuffer;

// AES-256 in GCM mode. The key comes from the host's key text (the check
// value of the user's password) through PBKDF2-HMAC-SHA256 with a random
// salt; each enciphering gets a fresh random nonce. Salt, iteration count and
// nonce form the information block, which is authenticated together with the
// data. Enciphered texts are Base64 of the ciphertext followed by the 16-byte
// tag; enciphered files are the ciphertext followed by the tag.
class AesGcmCipher final : public TCipher
{
public:
    AesGcmCipher();

    TVYRAGUID GetGUID() override;
    const char16_t *GetName() override;
    const char16_t *GetShortDesc() override;
    const char16_t *GetAdvDesc() override;
    const char16_t *GetDevelopers() override;
    int32_t GetSecurity() override { return 9; }
    int32_t GetSpeed() override { return 8; }
    TVYRAResult WriteInformationToStream(IVYRAStream &stream) override;
    TVYRAResult ReadInformationFromStream(IVYRAStream &stream) override;
    TVYRAResult EnCryptText(const char16_t *text, size_t length, const char16_t *password, size_t passwordLength,
                            IVYRAStringOut &result) override;
    TVYRAResult EnCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *password,
                            size_t passwordLength) override;
    TVYRAResult DeCryptText(const char16_t *text, size_t length, const char16_t *password, size_t passwordLength,
                            IVYRAStringOut &result) override;
    TVYRAResult DeCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *password,
                            size_t passwordLength) override;

private:
    ~AesGcmCipher() override;

    // Prepares m_info and m_key for a new enciphering: the salt and key of the
    // last derivation are kept while the key text stays the same, the nonce is
    // always new.
    TVYRAResult PrepareEncryption(const char16_t *password, size_t passwordLength);
    // m_key for the salt and count of m_info.
    TVYRAResult PrepareDecryption(const char16_t *password, size_t passwordLength);
    TVYRAResult Derive(const std::vector<uint8_t> &password);
    // Decodes and deciphers text into plain (total bytes: data and tag) and
    // counts the UTF-16 units of the data; isUtf8 is cleared when it is not UTF-8.
    static TVYRAResult DecipherText(EVP_CIPHER_CTX *ctx, const char16_t *text, size_t length, SecretBuffer &plain,
                                    size_t total, size_t &units, bool &isUtf8);
    void ForgetKey();

    Information m_info;
    // The last derivation: its input and result.
    std::vector<uint8_t> m_keyPassword;
    std::array<uint8_t, Information::SaltLength> m_keySalt{};
    uint32_t m_keyIterations = 0;
    std::array<uint8_t, 32> m_key{};
    bool m_keyValid = false;
};

} // namespace aesgcm
