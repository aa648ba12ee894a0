#pragma once

#define PCRE2_CODE_UNIT_WIDTH 16
#include <pcre2.h>

#include "regex/TRegexTypes.h"

#include <QString>

// Private translation between the facade's option sets and PCRE2, and the
// per-thread match resources. Not part of the library's interface.
namespace TPcre2Binding {

struct CompileFlags
{
    uint32_t options = 0;      // for pcre2_compile
    uint32_t extraOptions = 0; // for the compile context
    uint32_t matchOptions = 0; // options PCRE2 takes at match time (partial)
};

CompileFlags compileFlags(TRegCompileOptions options);
uint32_t matchFlags(TRegMatchOptions options);
// The facade options a compiled pattern reports (PCRE2_INFO_ALLOPTIONS).
TRegCompileOptions fromCompileOptions(uint32_t allOptions);

// "PCRE_ERROR_..." name of a library result code.
QString errorName(int code);
bool isLimitError(int code);
// The library's message for an error code.
QString errorMessage(int code);

// Match context with the limits and the JIT stack of the calling thread.
pcre2_match_context_16 *threadMatchContext();
// Match data of the calling thread with room for at least pairs pairs; valid
// until the next call from the same thread.
pcre2_match_data_16 *threadMatchData(uint32_t pairs);

} // namespace TPcre2Binding
