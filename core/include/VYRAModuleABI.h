#pragma once

// The binary interface between Talvex Studio and the modules it loads at run
// time (cipher modules, plug-ins, tool modules). Plain C++ only: a module
// needs nothing but this folder and, for cipher modules, the VYRA library.
//
// Rules every interface of this folder follows:
// - Interfaces are abstract classes whose virtual functions keep the order in
//   which they are declared; new functions are only ever appended.
// - Every interface derives from IVYRAUnknown: queryInterface by 16-byte GUID,
//   addRef and release. An object starts with one reference, which belongs to
//   whoever receives it from the creating call; release() frees it on the
//   side that created it.
// - Booleans are TVYRABool: true = -1 (all bits set), false = 0.
// - Strings are UTF-16 (char16_t):
//   * a string handed INTO a call is a pointer and a length in code units; it
//     is borrowed for the duration of the call only and need not end in 0;
//   * a string a call hands OUT is delivered through an IVYRAStringOut that the
//     caller supplies: the callee either calls assign() once (the caller copies
//     the text) or allocate() once and fills the buffer it gets, which belongs
//     to the caller; no memory is ever freed on the other side;
//   * the descriptive getters of an object (names, descriptions) return a
//     0-terminated pointer owned by the object, valid until it is released.
// - No exception may leave a module function. The host catches whatever does
//   anyway, reports the module and stops using it.
// - The host never calls one object from two threads at the same time.

#include <cstddef>
#include <cstdint>

using TVYRABool = int16_t;
constexpr TVYRABool VYRA_TRUE = -1;
constexpr TVYRABool VYRA_FALSE = 0;

// Results of fallible calls. Negative values are failures.
using TVYRAResult = int32_t;
constexpr TVYRAResult VYRA_S_OK = 0;
constexpr TVYRAResult VYRA_E_FAIL = -1;              // anything else
constexpr TVYRAResult VYRA_E_NOINTERFACE = -2;       // queryInterface: not supported
constexpr TVYRAResult VYRA_E_INVALIDARG = -3;        // an argument the callee cannot use
constexpr TVYRAResult VYRA_E_AUTHENTICATION = -4;    // wrong password, or data changed since enciphering
constexpr TVYRAResult VYRA_E_FORMAT = -5;            // input not in the callee's format (damaged, truncated)
constexpr TVYRAResult VYRA_E_IO = -6;                // a stream did not deliver or take the bytes
constexpr TVYRAResult VYRA_E_OUTOFMEMORY = -7;

// A GUID in the Windows layout; its text form is
// "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
struct TVYRAGUID {
    uint32_t Data1;
    uint16_t Data2;
    uint16_t Data3;
    uint8_t Data4[8];
};
static_assert(sizeof(TVYRAGUID) == 16, "TVYRAGUID must be 16 bytes");

constexpr bool operator==(const TVYRAGUID &a, const TVYRAGUID &b)
{
    if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3)
        return false;
    for (int i = 0; i < 8; ++i) {
        if (a.Data4[i] != b.Data4[i])
            return false;
    }
    return true;
}
constexpr bool operator!=(const TVYRAGUID &a, const TVYRAGUID &b) { return !(a == b); }

// {00000000-0000-0000-C000-000000000046}, as on Windows.
constexpr TVYRAGUID IID_IVYRAUnknown = {0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

class IVYRAUnknown
{
public:
    // On success stores the interface in *object, adds a reference and returns VYRA_S_OK;
    // otherwise stores nullptr and returns VYRA_E_NOINTERFACE.
    virtual TVYRAResult queryInterface(const TVYRAGUID &iid, void **object) = 0;
    virtual uint32_t addRef() = 0;
    virtual uint32_t release() = 0;

protected:
    ~IVYRAUnknown() = default;
};

// Receives a string a call hands out (see the string rule above).
class IVYRAStringOut
{
public:
    virtual void assign(const char16_t *text, size_t length) = 0;
    // A buffer of exactly length code units, owned by the caller, for the
    // callee to fill; nullptr when the caller cannot provide it.
    virtual char16_t *allocate(size_t length) = 0;

protected:
    ~IVYRAStringOut() = default;
};

// A stream lent to a module for the duration of one call.
class IVYRAStream
{
public:
    // Bytes actually read (fewer at the end of the stream), or -1 on an error.
    virtual int64_t read(void *buffer, int64_t count) = 0;
    // Bytes actually written, or -1 on an error.
    virtual int64_t write(const void *buffer, int64_t count) = 0;
    virtual int64_t position() = 0;
    virtual TVYRABool seek(int64_t position) = 0;
    // Total size, or -1 when the stream has none (sequential).
    virtual int64_t size() = 0;

protected:
    ~IVYRAStream() = default;
};

// Marks the entry points of a module ("LoadCipher", "LoadCipherCollection", ...).
#define VYRA_MODULE_ENTRY extern "C" __attribute__((visibility("default")))
