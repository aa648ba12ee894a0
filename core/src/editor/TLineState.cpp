#include "editor/TLineState.h"

size_t qHash(const TSynRange &range, size_t seed) noexcept
{
    return qHashMulti(seed, range.kind, range.depth, range.flags, range.label);
}

size_t qHash(const TLineState &state, size_t seed) noexcept
{
    return qHashMulti(seed, state.scheme, state.foldLevel, state.suspendedScheme, state.range, state.outerRange,
                      state.suspendedRange);
}
