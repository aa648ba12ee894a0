#include "CipherAesCases.h"
