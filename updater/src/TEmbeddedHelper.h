#pragma once

#include <QByteArrayView>

// The helper program, byte for byte, as built into the assistant.
QByteArrayView EmbeddedHelper();
