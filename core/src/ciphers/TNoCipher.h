#pragma once

#include "VYRACipherClass.h"
#include "vyra_export.h"

#include <QUuid>

// The built-in pass-through: stands for a text that is not enciphered. Texts
// and streams pass unchanged; it has no information block.
class VYRA_EXPORT TNoCipher final : public TCipher
{
public:
    // {68743DA3-EC1D-43AC-9CB7-93CDBF287902}, without an instance.
    static QUuid GetID();
    static constexpr TVYRAGUID ID = {0x68743DA3, 0xEC1D, 0x43AC, {0x9C, 0xB7, 0x93, 0xCD, 0xBF, 0x28, 0x79, 0x02}};

    TVYRAGUID GetGUID() override { return ID; }
    const char16_t *GetName() override;
    const char16_t *GetShortDesc() override;
    const char16_t *GetAdvDesc() override;
    const char16_t *GetDevelopers() override;
    int32_t GetSecurity() override { return 0; }
    int32_t GetSpeed() override { return 0; }
    TVYRAResult WriteInformationToStream(IVYRAStream &) override { return VYRA_S_OK; }
    TVYRAResult ReadInformationFromStream(IVYRAStream &) override { return VYRA_S_OK; }
    TVYRAResult EnCryptText(const char16_t *text, size_t length, const char16_t *, size_t,
                            IVYRAStringOut &result) override;
    TVYRAResult EnCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *, size_t) override;
    TVYRAResult DeCryptText(const char16_t *text, size_t length, const char16_t *, size_t,
                            IVYRAStringOut &result) override;
    TVYRAResult DeCryptFile(IVYRAStream &source, IVYRAStream &destination, const char16_t *, size_t) override;

private:
    ~TNoCipher() override = default;
    static TVYRAResult copyStream(IVYRAStream &source, IVYRAStream &destination);
};
