// Feeds arbitrary bytes to the RTF reader of the rich editor.
#include "editor/TRtfReader.h"
#include "editor/TRtfWriter.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static int argc = 1;
    static char name[] = "RtfReaderFuzzer";
    static char *argv[] = {name, nullptr};
    static QGuiApplication *app = [] {
        setenv("QT_QPA_PLATFORM", "offscreen", 0);
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
    QTextDocument document;
    QByteArray input = QByteArray("{\\rtf1 ") + QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
    TRtfReader::read(input, document);
    // What was read must also write and read again.
    QTextDocument again;
    TRtfReader::read(TRtfWriter::write(document), again);
    return 0;
}
