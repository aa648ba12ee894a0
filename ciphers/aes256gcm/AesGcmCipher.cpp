#include "AesGcmCipher.h"

#include "Base64.h"
#include "SecretBuffer.h"
#include "Utf16.h"

#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <new>

namespace aesgcm {

namespace {

constexpr size_t kTagLength = 16;
constexpr int64_t kChunk = 1 << 20;

struct CtxDeleter {
    void operator()(EVP_CIPHER_CTX *ctx) const { EVP_CIPHER_CTX_free(ctx); }
};
using Ctx = std::unique_ptr<EVP_CIPHER_CTX, CtxDeleter>;

// A GCM context for the key, nonce and associated data (the information block).
Ctx startGcm(bool encrypt, const std::array<uint8_t, 32> &key, const Information &info)
{
    Ctx ctx(EVP_CIPHER_CTX_new());
    if (!ctx)
        return nullptr;
    const auto init = encrypt ? EVP_EncryptInit_ex : EVP_DecryptInit_ex;
    if (init(ctx.get(), EVP_aes_256_gcm(), nullptr, key.data(), info.nonce.data()) != 1)
        return nullptr;
    const std::vector<uint8_t> aad = info.Serialize();
    int written = 0;
    const auto update = encrypt ? EVP_EncryptUpdate : EVP_DecryptUpdate;
    if (update(ctx.get(), nullptr, &written, aad.data(), int(aad.size())) != 1)
        return nullptr;
    return ctx;
}

// Runs the data through the context in place, in pieces an int can count.
bool transform(EVP_CIPHER_CTX *ctx, bool encrypt, uint8_t *data, size_t length)
{
    const auto update = encrypt ? EVP_EncryptUpdate : EVP_DecryptUpdate;
    for (size_t done = 0; done < length;) {
        const int piece = int(std::min<size_t>(length - done, size_t(INT_MAX / 2)));
        int written = 0;
        if (update(ctx, data + done, &written, data + done, piece) != 1 || written != piece)
            return false;
        done += size_t(piece);
    }
    return true;
}

std::vector<uint8_t> utf8(const char16_t *text, size_t length)
{
    std::vector<uint8_t> out(Utf8Length(text, length));
    ToUtf8(text, length, out.data());
    return out;
}

// Source characters converted per step of the enciphering pipeline.
constexpr size_t kTextChunk = 16384;
// Base64 characters decoded and deciphered per step (a multiple of four), and
// deciphered bytes converted per step; both keep a step's data in the cache.
constexpr size_t kDecodeChunk = 65536;
constexpr size_t kConvertChunk = 65536;

// Converts, enciphers and Base64-encodes a text piece by piece, straight into
// the output, so no full-size intermediate copy is made.
class EncryptPipeline
{
public:
    EncryptPipeline(EVP_CIPHER_CTX *ctx, char16_t *out)
        : m_ctx(ctx), m_out(out)
    {
    }

    bool Feed(const char16_t *text, size_t length)
    {
        for (size_t i = 0; i < length;) {
            size_t take = std::min(kTextChunk, length - i);
            // Keep a surrogate pair in one piece.
            if (i + take < length && text[i + take - 1] >= 0xD800 && text[i + take - 1] <= 0xDBFF)
                --take;
            if (take == 0)
                take = 1;
            const size_t bytes = ToUtf8(text + i, take, m_buffer + m_carry);
            if (!transform(m_ctx, true, m_buffer + m_carry, bytes))
                return false;
            Emit(m_carry + bytes, false);
            i += take;
        }
        return true;
    }

    bool Finish()
    {
        int written = 0;
        if (EVP_EncryptFinal_ex(m_ctx, m_buffer + m_carry, &written) != 1
            || EVP_CIPHER_CTX_ctrl(m_ctx, EVP_CTRL_GCM_GET_TAG, int(kTagLength), m_buffer + m_carry) != 1)
            return false;
        Emit(m_carry + kTagLength, true);
        return true;
    }

private:
    // Encodes whole groups of three bytes (all of them at the end) and keeps the rest.
    void Emit(size_t available, bool last)
    {
        const size_t whole = last ? available : available / 3 * 3;
        EncodeBase64(m_buffer, whole, m_out);
        m_out += Base64Length(whole);
        m_carry = available - whole;
        for (size_t k = 0; k < m_carry; ++k)
            m_buffer[k] = m_buffer[whole + k];
    }

    EVP_CIPHER_CTX *m_ctx;
    char16_t *m_out;
    uint8_t m_buffer[2 + kTextChunk * 3 + kTagLength + 16];
    size_t m_carry = 0;
};

bool seekStart(IVYRAStream &stream) { return stream.seek(0) == VYRA_TRUE; }

} // namespace

AesGcmCipher::AesGcmCipher() = default;

AesGcmCipher::~AesGcmCipher() { ForgetKey(); }

TVYRAGUID AesGcmCipher::GetGUID()
{
    // {AF11D28C-93CD-4EE9-9014-8A268FF0486D}
    return {0xAF11D28C, 0x93CD, 0x4EE9, {0x90, 0x14, 0x8A, 0x26, 0x8F, 0xF0, 0x48, 0x6D}};
}

const char16_t *AesGcmCipher::GetName() { return u"AES-256-GCM"; }

const char16_t *AesGcmCipher::GetShortDesc()
{
    return u"AES mit 256-Bit-Schlüssel im GCM-Modus; erkennt falsche Passwörter und veränderte Daten.";
}

const char16_t *AesGcmCipher::GetAdvDesc()
{
    return u"Verschlüsselt mit AES-256 im Galois/Counter Mode (OpenSSL). Der Schlüssel wird mit "
           u"PBKDF2-HMAC-SHA256 (mindestens 200.000 Durchläufe) und einem zufälligen Salt aus dem Passwort "
           u"abgeleitet; jede Verschlüsselung erhält eine neue Zufallsnonce. Ein falsches Passwort oder ein "
           u"verändertes Byte wird beim Entschlüsseln erkannt.";
}

const char16_t *AesGcmCipher::GetDevelopers() { return u"Talvex Studio"; }

void AesGcmCipher::ForgetKey()
{
    OPENSSL_cleanse(m_key.data(), m_key.size());
    if (!m_keyPassword.empty())
        OPENSSL_cleanse(m_keyPassword.data(), m_keyPassword.size());
    m_keyPassword.clear();
    m_keyValid = false;
}

TVYRAResult AesGcmCipher::Derive(const std::vector<uint8_t> &password)
{
    ForgetKey();
    if (PKCS5_PBKDF2_HMAC(reinterpret_cast<const char *>(password.data()), int(password.size()), m_info.salt.data(),
                          int(m_info.salt.size()), int(m_info.iterations), EVP_sha256(), int(m_key.size()),
                          m_key.data())
        != 1)
        return VYRA_E_FAIL;
    m_keyPassword = password;
    m_keySalt = m_info.salt;
    m_keyIterations = m_info.iterations;
    m_keyValid = true;
    return VYRA_S_OK;
}

TVYRAResult AesGcmCipher::PrepareEncryption(const char16_t *password, size_t passwordLength)
{
    const std::vector<uint8_t> key = utf8(password, passwordLength);
    const bool reuse = m_keyValid && m_keyPassword == key && m_keyIterations >= Information::MinIterations;
    if (reuse) {
        m_info.salt = m_keySalt;
        m_info.iterations = m_keyIterations;
    } else {
        m_info.iterations = Information::MinIterations;
        if (RAND_bytes(m_info.salt.data(), int(m_info.salt.size())) != 1)
            return VYRA_E_FAIL;
    }
    if (RAND_bytes(m_info.nonce.data(), int(m_info.nonce.size())) != 1)
        return VYRA_E_FAIL;
    m_info.valid = true;
    return reuse ? VYRA_S_OK : Derive(key);
}

TVYRAResult AesGcmCipher::PrepareDecryption(const char16_t *password, size_t passwordLength)
{
    if (!m_info.valid)
        return VYRA_E_FORMAT;
    const std::vector<uint8_t> key = utf8(password, passwordLength);
    if (m_keyValid && m_keyPassword == key && m_keySalt == m_info.salt && m_keyIterations == m_info.iterations)
        return VYRA_S_OK;
    return Derive(key);
}

TVYRAResult AesGcmCipher::WriteInformationToStream(IVYRAStream &stream)
{
    if (!m_info.valid)
        return VYRA_E_FAIL;
    try {
        const std::vector<uint8_t> block = m_info.Serialize();
        return stream.write(block.data(), int64_t(block.size())) == int64_t(block.size()) ? VYRA_S_OK : VYRA_E_IO;
    } catch (...) {
        return VYRA_E_OUTOFMEMORY;
    }
}

TVYRAResult AesGcmCipher::ReadInformationFromStream(IVYRAStream &stream) { return m_info.Read(stream); }

TVYRAResult AesGcmCipher::EnCryptText(const char16_t *text, size_t length, const char16_t *password,
                                      size_t passwordLength, IVYRAStringOut &result)
{
    try {
        if (const TVYRAResult prepared = PrepareEncryption(password, passwordLength); prepared != VYRA_S_OK)
            return prepared;
        const size_t cipherLength = Utf8Length(text, length) + kTagLength;
        char16_t *out = result.allocate(Base64Length(cipherLength));
        if (!out)
            return VYRA_E_OUTOFMEMORY;
        AdviseHugePages(out, Base64Length(cipherLength) * sizeof(char16_t));
        Ctx ctx = startGcm(true, m_key, m_info);
        if (!ctx)
            return VYRA_E_FAIL;
        auto pipeline = std::make_unique<EncryptPipeline>(ctx.get(), out);
        return pipeline->Feed(text, length) && pipeline->Finish() ? VYRA_S_OK : VYRA_E_FAIL;
    } catch (const std::bad_alloc &) {
        return VYRA_E_OUTOFMEMORY;
    } catch (...) {
        return VYRA_E_FAIL;
    }
}

TVYRAResult AesGcmCipher::DeCryptText(const char16_t *text, size_t length, const char16_t *password,
                                      size_t passwordLength, IVYRAStringOut &result)
{
    try {
        const size_t total = DecodedLength(text, length);
        if (total == SIZE_MAX || total < kTagLength)
            return VYRA_E_FORMAT;
        if (const TVYRAResult prepared = PrepareDecryption(password, passwordLength); prepared != VYRA_S_OK)
            return prepared;
        Ctx ctx = startGcm(false, m_key, m_info);
        if (!ctx)
            return VYRA_E_FAIL;
        SecretBuffer plain(total);
        if (!plain.data())
            return VYRA_E_OUTOFMEMORY;
        size_t units = 0;
        bool isUtf8 = true;
        if (const TVYRAResult deciphered = DecipherText(ctx.get(), text, length, plain, total, units, isUtf8);
            deciphered != VYRA_S_OK)
            return deciphered;
        const size_t plainLength = total - kTagLength;
        int written = 0;
        if (EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, int(kTagLength), plain.data() + plainLength) != 1)
            return VYRA_E_FAIL;
        if (EVP_DecryptFinal_ex(ctx.get(), plain.data() + plainLength, &written) != 1)
            return VYRA_E_AUTHENTICATION;
        if (!isUtf8)
            return VYRA_E_FORMAT;
        char16_t *out = result.allocate(units);
        if (!out)
            return VYRA_E_OUTOFMEMORY;
        AdviseHugePages(out, units * sizeof(char16_t));
        // Converted piece by piece, each piece wiped while it is still in the cache.
        for (size_t start = 0; start < plainLength;) {
            size_t end = std::min(plainLength, start + kConvertChunk);
            while (end < plainLength && (plain.data()[end] & 0xC0) == 0x80)
                ++end;
            out += ToUtf16(plain.data() + start, end - start, out);
            plain.WipeUpTo(end);
            start = end;
        }
        return VYRA_S_OK;
    } catch (const std::bad_alloc &) {
        return VYRA_E_OUTOFMEMORY;
    } catch (...) {
        return VYRA_E_FAIL;
    }
}

TVYRAResult AesGcmCipher::DecipherText(EVP_CIPHER_CTX *ctx, const char16_t *text, size_t length,
                                       SecretBuffer &plain, size_t total, size_t &units, bool &isUtf8)
{
    const size_t plainLength = total - kTagLength;
    size_t decoded = 0;
    size_t deciphered = 0;
    size_t counted = 0;
    for (size_t pos = 0; pos < length;) {
        const size_t take = std::min(kDecodeChunk, length - pos);
        const bool last = pos + take == length;
        uint8_t *target = plain.data() + decoded;
        if (!(last ? DecodeBase64(text + pos, take, target) : DecodeBase64Body(text + pos, take, target)))
            return VYRA_E_FORMAT;
        decoded += last ? DecodedLength(text + pos, take) : take / 4 * 3;
        plain.Filled(decoded);
        pos += take;
        const size_t ready = std::min(decoded, plainLength);
        if (ready == deciphered)
            continue;
        if (!transform(ctx, false, plain.data() + deciphered, ready - deciphered))
            return VYRA_E_FAIL;
        deciphered = ready;
        // Counted while the piece is in the cache; whether it is UTF-8 only
        // matters once the tag has proved the data genuine.
        if (isUtf8) {
            const size_t checked
                = CountUtf16(plain.data() + counted, deciphered - counted, deciphered == plainLength, units);
            if (checked == SIZE_MAX)
                isUtf8 = false;
            else
                counted += checked;
        }
    }
    return decoded == total ? VYRA_S_OK : VYRA_E_FORMAT;
}

TVYRAResult AesGcmCipher::EnCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *password,
                                      size_t passwordLength)
{
    try {
        if (const TVYRAResult prepared = PrepareEncryption(password, passwordLength); prepared != VYRA_S_OK)
            return prepared;
        if (!seekStart(source) || !seekStart(destination))
            return VYRA_E_IO;
        Ctx ctx = startGcm(true, m_key, m_info);
        if (!ctx)
            return VYRA_E_FAIL;
        std::vector<uint8_t> buffer(static_cast<size_t>(kChunk));
        for (;;) {
            const int64_t got = source.read(buffer.data(), kChunk);
            if (got < 0)
                return VYRA_E_IO;
            if (got == 0)
                break;
            if (!transform(ctx.get(), true, buffer.data(), size_t(got)))
                return VYRA_E_FAIL;
            if (destination.write(buffer.data(), got) != got)
                return VYRA_E_IO;
        }
        uint8_t tag[kTagLength];
        int written = 0;
        if (EVP_EncryptFinal_ex(ctx.get(), buffer.data(), &written) != 1
            || EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_GET_TAG, int(kTagLength), tag) != 1)
            return VYRA_E_FAIL;
        return destination.write(tag, kTagLength) == int64_t(kTagLength) ? VYRA_S_OK : VYRA_E_IO;
    } catch (const std::bad_alloc &) {
        return VYRA_E_OUTOFMEMORY;
    } catch (...) {
        return VYRA_E_FAIL;
    }
}

TVYRAResult AesGcmCipher::DeCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *password,
                                      size_t passwordLength)
{
    try {
        const int64_t total = source.size();
        if (total < 0)
            return VYRA_E_INVALIDARG;
        if (total < int64_t(kTagLength))
            return VYRA_E_FORMAT;
        if (const TVYRAResult prepared = PrepareDecryption(password, passwordLength); prepared != VYRA_S_OK)
            return prepared;
        if (!seekStart(source) || !seekStart(destination))
            return VYRA_E_IO;
        Ctx ctx = startGcm(false, m_key, m_info);
        if (!ctx)
            return VYRA_E_FAIL;
        std::vector<uint8_t> buffer(static_cast<size_t>(kChunk));
        for (int64_t left = total - int64_t(kTagLength); left > 0;) {
            const int64_t want = std::min(left, kChunk);
            if (source.read(buffer.data(), want) != want)
                return VYRA_E_IO;
            if (!transform(ctx.get(), false, buffer.data(), size_t(want)))
                return VYRA_E_FAIL;
            if (destination.write(buffer.data(), want) != want)
                return VYRA_E_IO;
            left -= want;
        }
        uint8_t tag[kTagLength];
        if (source.read(tag, kTagLength) != int64_t(kTagLength)
            || EVP_CIPHER_CTX_ctrl(ctx.get(), EVP_CTRL_GCM_SET_TAG, int(kTagLength), tag) != 1)
            return VYRA_E_IO;
        int written = 0;
        // The host throws the destination away when this fails.
        return EVP_DecryptFinal_ex(ctx.get(), buffer.data(), &written) == 1 ? VYRA_S_OK : VYRA_E_AUTHENTICATION;
    } catch (const std::bad_alloc &) {
        return VYRA_E_OUTOFMEMORY;
    } catch (...) {
        return VYRA_E_FAIL;
    }
}

} // namespace aesgcm
