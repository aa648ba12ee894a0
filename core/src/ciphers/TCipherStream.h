#pragma once

#include "VYRAModuleABI.h"
#include "vyra_export.h"

#include <QByteArray>
#include <QIODevice>

// Lends a Qt device to a cipher module for one call. When a record buffer is
// given, every byte read through the stream is appended to it, so the host
// learns exactly what a cipher consumed (its information block).
class VYRA_EXPORT TCipherStream final : public IVYRAStream
{
public:
    explicit TCipherStream(QIODevice &device, QByteArray *recordReads = nullptr);

    int64_t read(void *buffer, int64_t count) override;
    int64_t write(const void *buffer, int64_t count) override;
    int64_t position() override;
    TVYRABool seek(int64_t position) override;
    int64_t size() override;

private:
    QIODevice &m_device;
    QByteArray *m_record;
};
