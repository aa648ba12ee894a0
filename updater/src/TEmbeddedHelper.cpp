#include "TEmbeddedHelper.h"

// Placed by the generated blob source that includes the helper's program file.
extern "C" const char talvex_update_helper_begin[];
extern "C" const char talvex_update_helper_end[];

QByteArrayView EmbeddedHelper()
{
    return QByteArrayView(talvex_update_helper_begin, talvex_update_helper_end - talvex_update_helper_begin);
}
