// The AES module's tests with its vector kernels switched off, so the scalar
// conversions are checked on processors with AVX2 as well. The variable is
// set before the module is loaded and its kernels are first used.
#include <cstdlib>

namespace {
const int kScalarOnly = setenv("TALVEX_AES_SCALAR", "1", 1);
} // namespace

#include "CipherAesCases.h"
