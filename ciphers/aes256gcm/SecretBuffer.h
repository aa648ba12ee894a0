#pragma once

#include <cstddef>
#include <cstdint>

namespace aesgcm {

// A byte buffer for deciphered data. Large buffers are asked to lie on huge
// pages, so filling them costs a few page faults instead of one per 4 KiB.
// What was filled and not wiped yet is wiped when the buffer goes.
class SecretBuffer
{
public:
    explicit SecretBuffer(size_t size);
    ~SecretBuffer();
    SecretBuffer(const SecretBuffer &) = delete;
    SecretBuffer &operator=(const SecretBuffer &) = delete;

    // nullptr when the memory could not be had.
    uint8_t *data() const { return m_data; }
    // The bytes before end hold data.
    void Filled(size_t end);
    // Wipes the filled bytes before end that are not wiped yet.
    void WipeUpTo(size_t end);

private:
    uint8_t *m_data = nullptr;
    size_t m_size = 0;
    size_t m_filled = 0;
    size_t m_wiped = 0;
};

// Asks the kernel to back the whole 2 MiB pages inside [data, data + size)
// with huge pages; done before the memory is first written.
void AdviseHugePages(void *data, size_t size);

} // namespace aesgcm
