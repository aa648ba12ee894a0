#pragma once

#include <QObject>
#include <QPointer>

class QProcess;

// The line under the interpreter path of the PHP page: "Datei nicht
// gefunden." or "Version: %s" from what "php -v" prints. The interpreter
// runs without blocking the window and is stopped after TimeLimitMs.
class TPhpVersionProbe : public QObject
{
    Q_OBJECT
public:
    static constexpr int TimeLimitMs = 5000;

    explicit TPhpVersionProbe(QObject *parent = nullptr);
    ~TPhpVersionProbe() override;

    // Starts a probe of path; an earlier probe still running is dropped.
    // finished() follows, at once when the file does not exist.
    void Start(const QString &path);

    // "8.2.7" from "PHP 8.2.7 (cli) ..."; empty when the text is no PHP banner.
    static QString VersionFromOutput(const QByteArray &output);

signals:
    void finished(const QString &text);

private:
    void done(QProcess *process);
    void stop();

    QPointer<QProcess> m_process;
};
