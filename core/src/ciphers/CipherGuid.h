#pragma once

#include "VYRAModuleABI.h"
#include "vyra_export.h"

#include <QUuid>

// Conversions between the module GUID and Qt's.
VYRA_EXPORT QUuid ToQUuid(const TVYRAGUID &guid);
VYRA_EXPORT TVYRAGUID ToVYRAGUID(const QUuid &uuid);
