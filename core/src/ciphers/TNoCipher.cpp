#include "ciphers/TNoCipher.h"

#include "ciphers/CipherGuid.h"

#include <vector>

QUuid TNoCipher::GetID() { return ToQUuid(ID); }

const char16_t *TNoCipher::GetName() { return u"Keine oder Unbekannt"; }

const char16_t *TNoCipher::GetShortDesc()
{
    return u"Der Text ist nicht verschlüsselt oder es handelt sich um eine nicht unterstützte Verschlüsselung.";
}

const char16_t *TNoCipher::GetAdvDesc()
{
    return u"In den meisten Fällen handelt es sich um einen nicht verschlüsselten Text. Es ist aber ebenfalls "
           u"möglich, dass der Text mit einem Algorithmus verschlüsselt wurde, der Talvex unbekannt ist. Falls die "
           u"Verschlüsselung bekannt ist, ist es möglich, dass diese in einer neuen Version von Talvex implementiert "
           u"ist oder als Zusatzmodul im Internet zum Download angeboten wird.";
}

const char16_t *TNoCipher::GetDevelopers() { return u"Unbekannt"; }

TVYRAResult TNoCipher::EnCryptText(const char16_t *text, size_t length, const char16_t *, size_t,
                                   IVYRAStringOut &result)
{
    result.assign(text, length);
    return VYRA_S_OK;
}

TVYRAResult TNoCipher::DeCryptText(const char16_t *text, size_t length, const char16_t *, size_t,
                                   IVYRAStringOut &result)
{
    result.assign(text, length);
    return VYRA_S_OK;
}

TVYRAResult TNoCipher::EnCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *, size_t)
{
    return copyStream(source, destination);
}

TVYRAResult TNoCipher::DeCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *, size_t)
{
    return copyStream(source, destination);
}

// The whole source into the destination from its start.
TVYRAResult TNoCipher::copyStream(IVYRAStream &source, IVYRAStream &destination)
{
    if (source.seek(0) != VYRA_TRUE || destination.seek(0) != VYRA_TRUE)
        return VYRA_E_IO;
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const int64_t got = source.read(buffer.data(), int64_t(buffer.size()));
        if (got < 0)
            return VYRA_E_IO;
        if (got == 0)
            return VYRA_S_OK;
        if (destination.write(buffer.data(), got) != got)
            return VYRA_E_IO;
    }
}
