#pragma once

#include "editor/TTextDecoder.h"
#include "vyra_export.h"

#include <QFile>
#include <QObject>
#include <QTimer>

class QsciScintillaBase;

// Reads a text file into a Scintilla document in slices, straight from the
// file's bytes (no whole-file QString), with undo collection off. The bytes
// are read as documents read them (TTextDecoder). The first
// slice is read at once so that the first screen shows; start() reads the
// rest from the event loop, so the window stays responsive meanwhile.
class VYRA_EXPORT TEditorFileLoader : public QObject
{
    Q_OBJECT
public:
    static constexpr qint64 SliceSize = 1024 * 1024;
    // Files expected to have fewer lines than this load without reserving.
    static constexpr qint64 MinReservedLines = 100000;

    TEditorFileLoader(QsciScintillaBase &sci, QObject *parent = nullptr);
    ~TEditorFileLoader() override;

    // Opens the file, clears the document and loads the first slice.
    bool open(const QString &fileName);
    // Loads one more slice; false when the file is done or failed.
    bool step();
    // Runs the remaining slices from the event loop; emits finished().
    void start();
    // Runs all remaining slices now.
    bool loadAll();

    bool isDone() const { return m_done; }
    const QString &errorText() const { return m_error; }
    const TTextFileFormat &format() const { return m_decoder.format(); }

signals:
    void finished(bool ok);

private:
    void appendUtf8(const char *data, qsizetype size);
    void appendSlice(const char *data, qsizetype size, bool last);
    bool restartAsWindows1252();
    void reserveLines();
    void removePlaceholder();
    void holdPaintsWhileTheEndIsShown();
    void setPaintsHeld(bool held);
    void suspendWrapping();
    void resumeWrapping();
    void clearDocument();
    void finish(bool ok);

    QsciScintillaBase &m_sci;
    QFile m_file;
    TTextDecoder m_decoder;
    QTimer m_timer;
    qint64 m_dataStart = 0;
    long m_modEventMask = 0;
    long m_wrapMode = 0; // suspended while loading
    bool m_pendingCr = false;   // a CR held back from the last slice
    bool m_placeholder = false; // a line break behind the loaded text (see reserveLines)
    bool m_firstSliceShown = false; // slices after the first may hold paints
    bool m_paintsHeld = false;
    bool m_done = true;
    bool m_ok = false;
    QString m_error;
};
