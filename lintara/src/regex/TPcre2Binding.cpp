#include "regex/TPcre2Binding.h"

#include <algorithm>
#include <array>
#include <utility>

namespace TPcre2Binding {

namespace {

constexpr uint32_t MatchLimit = 5'000'000;
constexpr uint32_t DepthLimit = 250'000;
constexpr uint32_t HeapLimitKiB = 64 * 1024;
constexpr size_t JitStackStart = 32 * 1024;
constexpr size_t JitStackMax = 4 * 1024 * 1024;
constexpr uint32_t SpareMatchPairs = 64;

// Facade option by ordinal -> PCRE2 compile bit (0: handled elsewhere).
constexpr std::array<uint32_t, 13> CompileBits = {
    PCRE2_ANCHORED, PCRE2_CASELESS, PCRE2_DOLLAR_ENDONLY, PCRE2_DOTALL, PCRE2_EXTENDED,
    0 /* extra */, PCRE2_MULTILINE, PCRE2_UNGREEDY, PCRE2_NO_AUTO_CAPTURE,
    0 /* UTF: always on */, 0 /* no UTF check: never for patterns */, PCRE2_AUTO_CALLOUT,
    0 /* partial: a match option */,
};

struct ThreadResources
{
    pcre2_match_context_16 *context = nullptr;
    pcre2_jit_stack_16 *jitStack = nullptr;
    pcre2_match_data_16 *data = nullptr;
    uint32_t dataPairs = 0;

    ThreadResources()
    {
        context = pcre2_match_context_create_16(nullptr);
        pcre2_set_match_limit_16(context, MatchLimit);
        pcre2_set_depth_limit_16(context, DepthLimit);
        pcre2_set_heap_limit_16(context, HeapLimitKiB);
        jitStack = pcre2_jit_stack_create_16(JitStackStart, JitStackMax, nullptr);
        if (jitStack)
            pcre2_jit_stack_assign_16(context, nullptr, jitStack);
    }
    ~ThreadResources()
    {
        pcre2_match_data_free_16(data);
        pcre2_jit_stack_free_16(jitStack);
        pcre2_match_context_free_16(context);
    }
    ThreadResources(const ThreadResources &) = delete;
    ThreadResources &operator=(const ThreadResources &) = delete;
};

ThreadResources &resources()
{
    thread_local ThreadResources r;
    return r;
}

} // namespace

CompileFlags compileFlags(TRegCompileOptions options)
{
    CompileFlags flags;
    flags.options = PCRE2_UTF | PCRE2_MATCH_INVALID_UTF;
    for (size_t i = 0; i < CompileBits.size(); ++i)
        if (options.bits() & (uint32_t(1) << i))
            flags.options |= CompileBits[i];
    // Stored patterns were written for a library that took unknown letter
    // escapes literally; only the extra option makes them errors.
    if (!options.contains(TRegCompileOption::rcoExtra))
        flags.extraOptions |= PCRE2_EXTRA_BAD_ESCAPE_IS_LITERAL;
    if (options.contains(TRegCompileOption::rcoPartial))
        flags.matchOptions |= PCRE2_PARTIAL_SOFT;
    return flags;
}

uint32_t matchFlags(TRegMatchOptions options)
{
    uint32_t bits = 0;
    if (options.contains(TRegMatchOption::rmoAnchored))
        bits |= PCRE2_ANCHORED;
    if (options.contains(TRegMatchOption::rmoNotBOL))
        bits |= PCRE2_NOTBOL;
    if (options.contains(TRegMatchOption::rmoNotEOL))
        bits |= PCRE2_NOTEOL;
    if (options.contains(TRegMatchOption::rmoNotEmpty))
        bits |= PCRE2_NOTEMPTY;
    return bits;
}

TRegCompileOptions fromCompileOptions(uint32_t allOptions)
{
    uint32_t bits = 0;
    for (size_t i = 0; i < CompileBits.size(); ++i)
        if (CompileBits[i] && (allOptions & CompileBits[i]))
            bits |= uint32_t(1) << i;
    return TRegCompileOptions::fromBits(bits);
}

QString errorName(int code)
{
    switch (code) {
    case PCRE2_ERROR_NOMATCH: return QStringLiteral("PCRE_ERROR_NOMATCH");
    case PCRE2_ERROR_NULL: return QStringLiteral("PCRE_ERROR_NULL");
    case PCRE2_ERROR_BADOPTION: return QStringLiteral("PCRE_ERROR_BADOPTION");
    case PCRE2_ERROR_BADMAGIC:
    case PCRE2_ERROR_BADMODE: return QStringLiteral("PCRE_ERROR_BADMAGIC");
    case PCRE2_ERROR_NOMEMORY: return QStringLiteral("PCRE_ERROR_NOMEMORY");
    case PCRE2_ERROR_NOSUBSTRING: return QStringLiteral("PCRE_ERROR_NOSUBSTRING");
    case PCRE2_ERROR_MATCHLIMIT:
    case PCRE2_ERROR_HEAPLIMIT:
    case PCRE2_ERROR_JIT_STACKLIMIT: return QStringLiteral("PCRE_ERROR_MATCHLIMIT");
    case PCRE2_ERROR_DEPTHLIMIT: return QStringLiteral("PCRE_ERROR_RECURSIONLIMIT");
    case PCRE2_ERROR_BADUTFOFFSET: return QStringLiteral("PCRE_ERROR_BADUTF8_OFFSET");
    case PCRE2_ERROR_PARTIAL: return QStringLiteral("PCRE_ERROR_PARTIAL");
    case PCRE2_ERROR_INTERNAL: return QStringLiteral("PCRE_ERROR_INTERNAL");
    case PCRE2_ERROR_BADOFFSET: return QStringLiteral("PCRE_ERROR_BADCOUNT");
    default: break;
    }
    if (code <= PCRE2_ERROR_UTF8_ERR1 && code >= PCRE2_ERROR_UTF32_ERR2)
        return QStringLiteral("PCRE_ERROR_BADUTF8");
    return QStringLiteral("Unknown PCRE error code %1").arg(code);
}

bool isLimitError(int code)
{
    return code == PCRE2_ERROR_MATCHLIMIT || code == PCRE2_ERROR_DEPTHLIMIT || code == PCRE2_ERROR_HEAPLIMIT
        || code == PCRE2_ERROR_JIT_STACKLIMIT;
}

QString errorMessage(int code)
{
    PCRE2_UCHAR16 buffer[256];
    int n = pcre2_get_error_message_16(code, buffer, 256);
    if (n < 0)
        return errorName(code);
    return QString::fromUtf16(reinterpret_cast<const char16_t *>(buffer), n);
}

pcre2_match_context_16 *threadMatchContext()
{
    return resources().context;
}

pcre2_match_data_16 *threadMatchData(uint32_t pairs)
{
    ThreadResources &r = resources();
    if (!r.data || r.dataPairs < pairs) {
        pcre2_match_data_free_16(r.data);
        r.dataPairs = std::max(pairs, SpareMatchPairs);
        r.data = pcre2_match_data_create_16(r.dataPairs, nullptr);
    }
    return r.data;
}

} // namespace TPcre2Binding
