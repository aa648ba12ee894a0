#include "SecretBuffer.h"

#include <openssl/crypto.h>

#include <algorithm>
#include <cstdlib>
#include <sys/mman.h>

namespace aesgcm {

namespace {

constexpr size_t kHugePage = size_t(2) << 20;
// Below this the page faults do not matter.
constexpr size_t kHugeThreshold = size_t(4) << 20;

} // namespace

void AdviseHugePages(void *data, size_t size)
{
    if (!data || size < kHugeThreshold)
        return;
    const auto begin = (reinterpret_cast<uintptr_t>(data) + kHugePage - 1) & ~(kHugePage - 1);
    const auto end = (reinterpret_cast<uintptr_t>(data) + size) & ~(kHugePage - 1);
    if (end > begin)
        madvise(reinterpret_cast<void *>(begin), end - begin, MADV_HUGEPAGE); // only advice: a refusal is harmless
}

SecretBuffer::SecretBuffer(size_t size)
    : m_size(size)
{
    if (size >= kHugeThreshold) {
        // Whole huge pages, so none of them is shared with other allocations.
        m_data = static_cast<uint8_t *>(std::aligned_alloc(kHugePage, (size + kHugePage - 1) & ~(kHugePage - 1)));
        AdviseHugePages(m_data, size);
    } else {
        m_data = static_cast<uint8_t *>(std::malloc(std::max<size_t>(size, 1)));
    }
}

SecretBuffer::~SecretBuffer()
{
    WipeUpTo(m_filled);
    std::free(m_data);
}

void SecretBuffer::Filled(size_t end) { m_filled = std::max(m_filled, std::min(end, m_size)); }

void SecretBuffer::WipeUpTo(size_t end)
{
    end = std::min(end, m_filled);
    if (m_data && end > m_wiped) {
        OPENSSL_cleanse(m_data + m_wiped, end - m_wiped);
        m_wiped = end;
    }
}

} // namespace aesgcm
