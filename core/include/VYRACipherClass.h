#pragma once

// Base classes for cipher modules.
//
// A cipher module is a shared object in Packages/Ciphers that exports
//
//     VYRA_MODULE_ENTRY void LoadCipher(TCipher **cipher);
//
// storing a newly created TCipher descendant (one reference, owned by the host
// from then on). A collection module in Packages/Ciphers/Collections exports
//
//     VYRA_MODULE_ENTRY void LoadCipherCollection(TCipherCollection **collection);
//
// instead. Modules link against the VYRA library, which exports these classes.
//
// What the host relies on:
// - GetGUID identifies the algorithm and never changes across versions; the
//   all-zero GUID and the GUID of the built-in pass-through cipher are refused.
// - The key ("password") a cipher receives is the check value of the user's
//   password: its SHA-1 digest as 40 upper-case hexadecimal digits.
// - EnCryptText returns text that Windows-1252 can hold (e.g. Base64), since
//   it is stored in an 8-bit field.
// - A document's information block is written by WriteInformationToStream
//   right after EnCryptText for that document, and ReadInformationFromStream
//   is called right before DeCryptText; the host holds the cipher for itself
//   between the two calls. ReadInformationFromStream reads exactly what
//   WriteInformationToStream wrote and checks it against the stream's size.
// - A wrong key or changed data makes DeCryptText/DeCryptFile fail with
//   VYRA_E_AUTHENTICATION, never return garbage.
// - Ciphers run in worker threads and must not touch the user interface.

#include "VYRAModuleABI.h"
#include "vyra_export.h"

#include <atomic>

// {DC10B17B-34AD-4CA9-A2F3-6E2CBDEAE950}: the TCipher interface of this header.
constexpr TVYRAGUID IID_TCipher = {0xDC10B17B, 0x34AD, 0x4CA9, {0xA2, 0xF3, 0x6E, 0x2C, 0xBD, 0xEA, 0xE9, 0x50}};
// {62063C11-8BD7-482B-9600-FDF810B0506E}: the TCipherCollection interface of this header.
constexpr TVYRAGUID IID_TCipherCollection = {
    0x62063C11, 0x8BD7, 0x482B, {0x96, 0x00, 0xFD, 0xF8, 0x10, 0xB0, 0x50, 0x6E}};

// Reference counting shared by the two base classes.
class VYRA_EXPORT TVYRARefCounted
{
public:
    TVYRARefCounted() = default;
    TVYRARefCounted(const TVYRARefCounted &) = delete;
    TVYRARefCounted &operator=(const TVYRARefCounted &) = delete;

protected:
    uint32_t increment();
    // True when the last reference went.
    bool decrement(uint32_t *remaining);

private:
    std::atomic<uint32_t> m_references{1};
};

// One cipher. Slots after the three of IVYRAUnknown, in this order.
class VYRA_EXPORT TCipher : public IVYRAUnknown, private TVYRARefCounted
{
public:
    TCipher();

    // Answers IID_IVYRAUnknown and IID_TCipher.
    TVYRAResult queryInterface(const TVYRAGUID &iid, void **object) override;
    uint32_t addRef() override;
    uint32_t release() override;

    virtual TVYRAGUID GetGUID() = 0;                                      // slot 0
    virtual const char16_t *GetName() = 0;                                // slot 1, also identifies the cipher
    virtual const char16_t *GetShortDesc() = 0;                           // slot 2
    virtual const char16_t *GetAdvDesc() = 0;                             // slot 3
    virtual const char16_t *GetDevelopers() = 0;                          // slot 4
    virtual int32_t GetSecurity() = 0;                                    // slot 5
    virtual int32_t GetSpeed() = 0;                                       // slot 6
    virtual TVYRAResult WriteInformationToStream(IVYRAStream &stream) = 0;  // slot 7
    virtual TVYRAResult ReadInformationFromStream(IVYRAStream &stream) = 0; // slot 8
    virtual TVYRAResult EnCryptText(const char16_t *text, size_t length, const char16_t *password,
                                    size_t passwordLength, IVYRAStringOut &result) = 0; // slot 9
    virtual TVYRAResult EnCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *password,
                                    size_t passwordLength) = 0; // slot 10
    virtual TVYRAResult DeCryptText(const char16_t *text, size_t length, const char16_t *password,
                                    size_t passwordLength, IVYRAStringOut &result) = 0; // slot 11
    virtual TVYRAResult DeCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *password,
                                    size_t passwordLength) = 0; // slot 12

protected:
    // Declared after the slots so that it does not move them; called by release().
    virtual ~TCipher();
};

// The object of a collection module: several ciphers in one module.
class VYRA_EXPORT TCipherCollection : public IVYRAUnknown, private TVYRARefCounted
{
public:
    TCipherCollection();

    // Answers IID_IVYRAUnknown and IID_TCipherCollection.
    TVYRAResult queryInterface(const TVYRAGUID &iid, void **object) override;
    uint32_t addRef() override;
    uint32_t release() override;

    virtual int32_t Count() = 0; // slot 0
    // Slot 1: the cipher at index 0 ... Count() - 1 with a new reference for the
    // caller, or nullptr for an index out of range.
    virtual TCipher *Cipher(int32_t index) = 0;

protected:
    virtual ~TCipherCollection();
};

extern "C" {
typedef void (*TVYRALoadCipherProc)(TCipher **cipher);
typedef void (*TVYRALoadCipherCollectionProc)(TCipherCollection **collection);
}
