#include "ciphers/TCipherStream.h"

TCipherStream::TCipherStream(QIODevice &device, QByteArray *recordReads)
    : m_device(device)
    , m_record(recordReads)
{
}

int64_t TCipherStream::read(void *buffer, int64_t count)
{
    if (count < 0 || (count > 0 && buffer == nullptr))
        return -1;
    const qint64 got = m_device.read(static_cast<char *>(buffer), count);
    if (got > 0 && m_record)
        m_record->append(static_cast<const char *>(buffer), got);
    return got;
}

int64_t TCipherStream::write(const void *buffer, int64_t count)
{
    if (count < 0 || (count > 0 && buffer == nullptr))
        return -1;
    return m_device.write(static_cast<const char *>(buffer), count);
}

int64_t TCipherStream::position() { return m_device.pos(); }

TVYRABool TCipherStream::seek(int64_t position)
{
    if (m_device.isSequential() || position < 0)
        return VYRA_FALSE;
    return m_device.seek(position) ? VYRA_TRUE : VYRA_FALSE;
}

int64_t TCipherStream::size() { return m_device.isSequential() ? -1 : m_device.size(); }
