// Pattern and subject from the fuzzer's bytes: the first line is the pattern,
// the rest the subject (both UTF-8, invalid sequences replaced by Qt, lone
// surrogates added from 0xED bytes to reach invalid UTF-16 as well).

#include "regex/RegexCreate.h"
#include "regex/RegexExceptions.h"

#include <cstddef>
#include <cstdint>

namespace {

QString decode(const uint8_t *data, size_t size)
{
    QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    for (QChar &c : text)
        if (c.unicode() == 0xFFFD)
            c = QChar(0xD800); // a lone surrogate
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t optionByte = data[0];
    const uint8_t *end = data + size;
    const uint8_t *split = data + 1;
    while (split < end && *split != '\n')
        ++split;
    const QString pattern = decode(data + 1, size_t(split - data - 1));
    const QString subject = split < end ? decode(split + 1, size_t(end - split - 1)) : QString();
    const TRegCompileOptions options = TRegCompileOptions::fromBits(uint32_t(optionByte) << 1 & 0x1FFE);
    try {
        auto regex = RegexCreate(pattern, options);
        regex->Matches(subject);
        regex->Split(subject, TRegSplitOption::rsoIncludeSeparators);
        regex->Replace(subject, QStringLiteral("[$&|$`|$'']"));
        regex->Match(subject, int32_t(subject.size() / 2))->Groups()->Items(1)->Value();
    } catch (const ERegexException &) {
        // invalid patterns and limit hits are expected answers
    }
    return 0;
}
