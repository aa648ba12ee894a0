#include "tools/TToolApplication.h"

TToolApplication::~TToolApplication() = default;
