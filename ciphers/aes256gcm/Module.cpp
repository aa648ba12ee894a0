#include "AesGcmCipher.h"

#include <new>

VYRA_MODULE_ENTRY void LoadCipher(TCipher **cipher)
{
    if (cipher)
        *cipher = new (std::nothrow) aesgcm::AesGcmCipher;
}
