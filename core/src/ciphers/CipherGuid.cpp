#include "ciphers/CipherGuid.h"

QUuid ToQUuid(const TVYRAGUID &guid)
{
    return QUuid(guid.Data1, guid.Data2, guid.Data3, guid.Data4[0], guid.Data4[1], guid.Data4[2], guid.Data4[3],
                 guid.Data4[4], guid.Data4[5], guid.Data4[6], guid.Data4[7]);
}

TVYRAGUID ToVYRAGUID(const QUuid &uuid)
{
    TVYRAGUID guid{uuid.data1, uuid.data2, uuid.data3, {}};
    for (int i = 0; i < 8; ++i)
        guid.Data4[i] = uuid.data4[i];
    return guid;
}
