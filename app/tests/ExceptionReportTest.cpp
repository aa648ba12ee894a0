#include "exceptions/TErrorRecord.h"
#include "exceptions/TErrorReportText.h"
#include "exceptions/TExceptionForm.h"
#include "exceptions/TExceptionHook.h"
#include "exceptions/TExceptionReport.h"
#include "exceptions/TReportSender.h"
#include "exceptions/TStudioApplication.h"
#include "ui/TScriptedPrompter.h"
#include "utils/VYRAExceptions.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslServer>
#include <QSslSocket>
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest/QTest>
#include <cerrno>
#include <gtest/gtest.h>
#include <stdexcept>

namespace {

struct ECustomFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

TErrorRecord recordOf(const std::function<void()> &thrower, int code = 0)
{
    try {
        thrower();
    } catch (...) {
        return TErrorRecord::FromException(std::current_exception(), code);
    }
    return {};
}

// The fields of a form body, decoded; "+" is a plus sign here, never a blank.
QList<QPair<QString, QString>> decodeForm(const QByteArray &body)
{
    QList<QPair<QString, QString>> fields;
    for (const QByteArray &pair : body.split('&')) {
        const int equals = int(pair.indexOf('='));
        fields.append({QString::fromUtf8(pair.left(equals)), QString::fromUtf8(QByteArray::fromPercentEncoding(
                                                                 pair.mid(equals + 1)))});
    }
    return fields;
}

// An HTTPS server on 127.0.0.1 with a certificate made for the test. It
// records the body of each POST and answers with reply; with dropConnection
// it closes the connection instead of answering.
class LocalHttpsServer : public QObject
{
public:
    LocalHttpsServer()
    {
        QProcess openssl;
        openssl.start(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "rsa:2048", "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1",
                       "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", m_dir.filePath("key.pem"), "-out",
                       m_dir.filePath("cert.pem")});
        EXPECT_TRUE(openssl.waitForFinished(30000));
        EXPECT_EQ(openssl.exitCode(), 0) << openssl.readAllStandardError().toStdString();
        QFile certFile(m_dir.filePath("cert.pem"));
        QFile keyFile(m_dir.filePath("key.pem"));
        EXPECT_TRUE(certFile.open(QIODevice::ReadOnly) && keyFile.open(QIODevice::ReadOnly));
        certificate = QSslCertificate(&certFile, QSsl::Pem);
        QSslConfiguration server = QSslConfiguration::defaultConfiguration();
        server.setLocalCertificate(certificate);
        server.setPrivateKey(QSslKey(&keyFile, QSsl::Rsa, QSsl::Pem));
        m_server.setSslConfiguration(server);
        connect(&m_server, &QSslServer::pendingConnectionAvailable, this, &LocalHttpsServer::accept);
        EXPECT_TRUE(m_server.listen(QHostAddress::LocalHost));
    }

    QUrl url(const QString &scheme = QStringLiteral("https")) const
    {
        return QUrl(QStringLiteral("%1://127.0.0.1:%2/berichte/error_report.php").arg(scheme).arg(m_server.serverPort()));
    }
    // What a client needs to trust this server.
    QSslConfiguration clientConfiguration() const
    {
        QSslConfiguration client = QSslConfiguration::defaultConfiguration();
        client.setCaCertificates({certificate});
        return client;
    }

    QByteArray reply;
    bool dropConnection = false;
    QList<QByteArray> bodies;
    QList<QByteArray> requestLines;
    QSslCertificate certificate;

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            auto buffer = std::make_shared<QByteArray>();
            connect(socket, &QTcpSocket::readyRead, this, [this, socket, buffer] {
                buffer->append(socket->readAll());
                const int headerEnd = int(buffer->indexOf("\r\n\r\n"));
                if (headerEnd < 0)
                    return;
                const QByteArray headers = buffer->left(headerEnd);
                int length = 0;
                for (const QByteArray &line : headers.split('\n')) {
                    if (line.toLower().startsWith("content-length:"))
                        length = line.mid(15).trimmed().toInt();
                }
                if (buffer->size() < headerEnd + 4 + length)
                    return;
                requestLines.append(headers.left(headers.indexOf("\r\n")));
                bodies.append(buffer->mid(headerEnd + 4, length));
                if (dropConnection) {
                    socket->abort();
                    return;
                }
                socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: "
                              + QByteArray::number(reply.size()) + "\r\n\r\n" + reply);
                socket->disconnectFromHost();
            });
        }
    }

    QTemporaryDir m_dir;
    QSslServer m_server;
};

struct SendResult {
    TReportSender::TOutcome outcome;
    QString errorText;
};

SendResult sendTo(LocalHttpsServer &server, const QUrl &url, const TReportSender::TFields &fields = {})
{
    TReportSender sender;
    sender.SetSslConfiguration(server.clientConfiguration());
    QSignalSpy finished(&sender, &TReportSender::finished);
    sender.Send(url, fields);
    EXPECT_TRUE(finished.wait(20000));
    if (finished.isEmpty())
        return {TReportSender::TOutcome::Failed, QStringLiteral("keine Antwort")};
    return {finished.first().at(0).value<TReportSender::TOutcome>(), finished.first().at(1).toString()};
}

TErrorRecord sampleRecord(int code)
{
    TErrorRecord record;
    record.className = QStringLiteral("EVYRAInvalidOperation");
    record.message = QStringLiteral("Erste Zeile\nZweite Zeile\nDritte Zeile");
    record.code = code;
    record.systemMessage = code ? QStringLiteral("No such file or directory") : QString();
    return record;
}

} // namespace

TEST(ErrorReportTextTest, TheReportHasNineValuesInTheirPlaces)
{
    TErrorReportText::TArguments arguments;
    arguments.version = QStringLiteral("3.12");
    arguments.buildDate = QStringLiteral("Dec 08 2026 at 02:28 PM");
    arguments.now = QStringLiteral("Dec 09 2026 at 09:05 AM ");
    arguments.className = QStringLiteral("std::out_of_range");
    arguments.module = QStringLiteral("TalvexStudio");
    arguments.message = QStringLiteral("Index %1 außerhalb");
    arguments.code = 2;
    arguments.systemMessage = QStringLiteral("No such file or directory");
    arguments.systemVersion = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
    EXPECT_EQ(TErrorReportText::Format(arguments),
              QStringLiteral("Talvex Studio Fehlerbericht\r\n"
                             "Programmversion 3.12, Build-Datum: Dec 08 2026 at 02:28 PM\r\n"
                             "Datum- und Uhrzeit: Dec 09 2026 at 09:05 AM \r\n"
                             "-----------------------------------\r\n"
                             "Unbehandelter Fehler der Klasse \"std::out_of_range\" in Modul \"TalvexStudio\" "
                             "aufgetreten.\r\n"
                             "Fehlermeldung vom Programm: \"Index %1 außerhalb\"\r\n"
                             "Win32 Fehlermeldung (Code 2): \"No such file or directory\".\r\n"
                             "------------------------------------\r\n"
                             "Windows Version: Debian GNU/Linux 12 (bookworm)"));
}

TEST(ErrorReportTextTest, TheRunningProgramFillsVersionDateAndModule)
{
    const QDateTime now(QDate(2026, 12, 8), QTime(16, 5));
    const TErrorReportText::TArguments arguments = TErrorReportText::ForRunningProgram(sampleRecord(2), now);
    EXPECT_EQ(arguments.now, QStringLiteral("Dec 08 2026 at 04:05 PM "));
    EXPECT_FALSE(arguments.version.isEmpty());
    EXPECT_FALSE(arguments.buildDate.endsWith(QLatin1Char(' ')));
    EXPECT_EQ(arguments.module, QCoreApplication::applicationFilePath().section(QLatin1Char('/'), -1));
    EXPECT_EQ(arguments.code, 2);
    EXPECT_FALSE(arguments.systemVersion.isEmpty());
}

TEST(ErrorRecordTest, ClassMessageAndSystemErrorAreTaken)
{
    const TErrorRecord custom = recordOf([] { throw ECustomFailure("Puffer voll"); }, ENOENT);
    EXPECT_TRUE(custom.className.endsWith(QStringLiteral("ECustomFailure"))) << custom.className.toStdString();
    EXPECT_EQ(custom.message, QStringLiteral("Puffer voll"));
    EXPECT_EQ(custom.code, ENOENT);
    EXPECT_FALSE(custom.systemMessage.isEmpty());

    const TErrorRecord ours = recordOf([] { throw EVYRAInvalidOperation(QStringLiteral("Datei „ä.php“ fehlt")); });
    EXPECT_EQ(ours.className, QStringLiteral("EVYRAInvalidOperation"));
    EXPECT_EQ(ours.message, QStringLiteral("Datei „ä.php“ fehlt"));
    EXPECT_TRUE(ours.systemMessage.isEmpty());

    const TErrorRecord value = recordOf([] { throw 42; });
    EXPECT_EQ(value.className, QStringLiteral("int"));
    EXPECT_FALSE(value.message.isEmpty());
}

TEST(StudioApplicationTest, AnExceptionFromAnEventHandlerGoesToTheHandler)
{
    QList<TErrorRecord> caught;
    auto handler = [&caught](const TErrorRecord &record) { caught.append(record); };
    EXPECT_TRUE(TStudioApplication::Guarded([] { return true; }, handler));
    EXPECT_TRUE(caught.isEmpty());
    const bool delivered = TStudioApplication::Guarded(
        [] {
            errno = EACCES;
            throw std::logic_error("kaputt");
            return true;
        },
        handler);
    EXPECT_FALSE(delivered);
    ASSERT_EQ(caught.size(), 1);
    EXPECT_EQ(caught[0].className, QStringLiteral("std::logic_error"));
    EXPECT_EQ(caught[0].message, QStringLiteral("kaputt"));
    EXPECT_EQ(caught[0].code, EACCES);
}

TEST(ExceptionHookTest, ContinuingQuittingAndASecondExceptionWhileTheDialogShows)
{
    QStringList calls;
    QStringList written;
    TExceptionHook *hookPointer = nullptr;
    bool resume = true;
    TExceptionHook hook(
        [&](const TErrorRecord &record) {
            calls << QStringLiteral("show ") + record.message;
            // The dialog runs the event loop: another handler fails meanwhile.
            if (record.message == QLatin1String("erster"))
                hookPointer->Handle(recordOf([] { throw std::runtime_error("zweiter"); }));
            return resume;
        },
        [&] { calls << QStringLiteral("save"); }, [&] { calls << QStringLiteral("end"); },
        [&](const QString &text) { written << text; });
    hookPointer = &hook;

    hook.Handle(recordOf([] { throw std::runtime_error("einfach"); }));
    EXPECT_EQ(calls, QStringList{"show einfach"});
    EXPECT_FALSE(hook.IsShowing());

    calls.clear();
    resume = false;
    hook.Handle(recordOf([] { throw std::runtime_error("beenden"); }));
    // The unsaved work is journaled before the program ends.
    EXPECT_EQ(calls, (QStringList{"show beenden", "save", "end"}));

    calls.clear();
    resume = true;
    hook.Handle(recordOf([] { throw std::runtime_error("erster"); }));
    // No second dialog: the second error is written out and the program ends.
    EXPECT_EQ(calls, (QStringList{"show erster", "save", "end"}));
    ASSERT_EQ(written.size(), 1);
    EXPECT_TRUE(written[0].startsWith(QStringLiteral("Talvex Studio Fehlerbericht\r\n")));
    EXPECT_TRUE(written[0].contains(QStringLiteral("Fehlermeldung vom Programm: \"zweiter\"")));
    EXPECT_FALSE(hook.IsShowing());
}

TEST(ReportSenderTest, TheFormBodyCarriesFiveFieldsThatRoundTrip)
{
    TReportSender::TFields fields;
    fields.fullName = QStringLiteral("Jörg Müller & Söhne");
    fields.email = QStringLiteral("a+b=c@beispiel.de");
    fields.steps = QStringLiteral("1. Datei öffnen\r\n2. 50% & mehr = Absturz +");
    fields.report = QStringLiteral("Bericht\r\nmit ß");
    const auto decoded = decodeForm(TReportSender::FormBody(fields));
    ASSERT_EQ(decoded.size(), 5);
    EXPECT_EQ(decoded[0], qMakePair(QStringLiteral("application"), QStringLiteral("Talvex Studio")));
    EXPECT_EQ(decoded[1], qMakePair(QStringLiteral("fullname"), fields.fullName));
    EXPECT_EQ(decoded[2], qMakePair(QStringLiteral("email"), fields.email));
    EXPECT_EQ(decoded[3], qMakePair(QStringLiteral("stepstoreproduce"), fields.steps));
    EXPECT_EQ(decoded[4], qMakePair(QStringLiteral("reportdata"), fields.report));
}

TEST(ReportSenderTest, RepliesBeginningWithOneMeanSuccess)
{
    EXPECT_TRUE(TReportSender::IsAcceptedReply("1"));
    EXPECT_TRUE(TReportSender::IsAcceptedReply("1xyz"));
    EXPECT_FALSE(TReportSender::IsAcceptedReply(""));
    EXPECT_FALSE(TReportSender::IsAcceptedReply("0"));
    EXPECT_FALSE(TReportSender::IsAcceptedReply(" 1"));
}

TEST(ReportSenderTest, TheEndpointIsTheScriptOnTheConfiguredHost)
{
    EXPECT_FALSE(TReportSender::Endpoint(QString()).isValid());
    EXPECT_EQ(TReportSender::Endpoint(QStringLiteral("https://berichte.example")).toString(),
              QStringLiteral("https://berichte.example/error_report.php"));
    EXPECT_EQ(TReportSender::Endpoint(QStringLiteral("https://example.org/talvex/")).toString(),
              QStringLiteral("https://example.org/talvex/error_report.php"));
    EXPECT_EQ(TReportSender::Endpoint(QStringLiteral("https://example.org/x/error_report.php")).toString(),
              QStringLiteral("https://example.org/x/error_report.php"));
}

TEST(ReportSenderTest, RepliesOfALocalHttpsServer)
{
    LocalHttpsServer server;
    TReportSender::TFields fields{QStringLiteral("Ä & B"), QStringLiteral("x+y@z.de"), QStringLiteral("a=b\r\nc"),
                                  QStringLiteral("Bericht")};
    server.reply = "1";
    SendResult result = sendTo(server, server.url(), fields);
    EXPECT_EQ(result.outcome, TReportSender::TOutcome::Sent) << result.errorText.toStdString();
    ASSERT_EQ(server.bodies.size(), 1);
    EXPECT_EQ(server.requestLines[0], "POST /berichte/error_report.php HTTP/1.1");
    EXPECT_EQ(decodeForm(server.bodies[0])[1].second, fields.fullName);
    EXPECT_EQ(decodeForm(server.bodies[0])[3].second, fields.steps);

    server.reply = "1xyz";
    EXPECT_EQ(sendTo(server, server.url()).outcome, TReportSender::TOutcome::Sent);
    server.reply = "";
    EXPECT_EQ(sendTo(server, server.url()).outcome, TReportSender::TOutcome::Refused);
    server.reply = "0";
    EXPECT_EQ(sendTo(server, server.url()).outcome, TReportSender::TOutcome::Refused);

    server.dropConnection = true;
    result = sendTo(server, server.url());
    EXPECT_EQ(result.outcome, TReportSender::TOutcome::Failed);
    EXPECT_FALSE(result.errorText.isEmpty());
    // The network layer tries a dropped request again before it gives up.
    EXPECT_GE(server.bodies.size(), 5);
}

TEST(ReportSenderTest, NothingIsSentOverPlainHttpOrToAnUntrustedServer)
{
    LocalHttpsServer server;
    server.reply = "1";
    SendResult result = sendTo(server, server.url(QStringLiteral("http")));
    EXPECT_EQ(result.outcome, TReportSender::TOutcome::Failed);
    EXPECT_TRUE(result.errorText.contains(QStringLiteral("keine HTTPS-Adresse")));

    TReportSender untrusting;
    QSignalSpy finished(&untrusting, &TReportSender::finished);
    untrusting.Send(server.url(), {});
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(finished.first().at(0).value<TReportSender::TOutcome>(), TReportSender::TOutcome::Failed);
    EXPECT_TRUE(server.bodies.isEmpty());
}

TEST(ExceptionReportDialogTest, SendingTellsTheOutcomeAndEndsTheDialog)
{
    LocalHttpsServer server;
    TScriptedPrompter prompter;
    TPrompterScope scope(prompter);
    auto run = [&server](const QByteArray &reply) {
        server.reply = reply;
        TExceptionReport dialog({QString(), QString(), QString(), QStringLiteral("Bericht")}, server.url());
        dialog.Sender().SetSslConfiguration(server.clientConfiguration());
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Fehlerbericht senden"));
        dialog.findChild<QLineEdit *>("edName")->setText(QStringLiteral("Jörg"));
        QSignalSpy finished(&dialog, &QDialog::finished);
        dialog.Send();
        EXPECT_TRUE(finished.wait(20000));
        return dialog.result();
    };
    EXPECT_EQ(run("1"), QDialog::Accepted);
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_EQ(prompter.prompts()[0].caption, QStringLiteral("Bericht gesendet"));
    EXPECT_EQ(prompter.prompts()[0].icon, TPromptIcon::Information);
    EXPECT_EQ(decodeForm(server.bodies.last())[1].second, QStringLiteral("Jörg"));

    EXPECT_EQ(run("0"), QDialog::Rejected);
    EXPECT_EQ(prompter.prompts().last().text,
              QStringLiteral("Es trat ein Fehler beim Senden des Berichtes auf. Bitte versuchen Sie es ein anderes mal "
                             "erneut."));
    EXPECT_EQ(prompter.prompts().last().icon, TPromptIcon::Error);

    server.dropConnection = true;
    EXPECT_EQ(run("1"), QDialog::Rejected);
    EXPECT_TRUE(prompter.prompts().last().text.startsWith(QStringLiteral("Der Bericht konnte nicht gesendet werden: \r\n")));
    EXPECT_GT(prompter.prompts().last().text.size(), 45);
}

TEST(ExceptionFormTest, DetailsPanelsFollowTheSystemErrorCode)
{
    TExceptionForm withCode(sampleRecord(2), QUrl());
    EXPECT_EQ(withCode.windowTitle(), QStringLiteral("Talvex Studio - Anwendungsfehler"));
    withCode.SetDetailsOpen(false);
    EXPECT_EQ(withCode.height(), 191);
    EXPECT_TRUE(withCode.findChild<QLabel *>("lblDetails")->text().contains(QStringLiteral("Weitere Fehlerdetails &gt;&gt;")));
    withCode.SetDetailsOpen(true);
    EXPECT_EQ(withCode.height(), 165 + 191);
    EXPECT_EQ(withCode.findChild<QWidget *>("pnlWin32")->height(), 81);
    EXPECT_TRUE(withCode.findChild<QLabel *>("lblDetails")->text().contains(QStringLiteral("&lt;&lt; Details ausblenden")));
    EXPECT_EQ(withCode.findChild<QLabel *>("lbWin32ErrCode")->text(), QStringLiteral("2"));
    // Three lines of message get a scroll bar.
    EXPECT_EQ(withCode.findChild<QPlainTextEdit *>("mmErrMessage")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

    TErrorRecord noCode = sampleRecord(0);
    noCode.message = QStringLiteral("eine Zeile");
    TExceptionForm without(noCode, QUrl());
    for (bool open : {true, false, true}) {
        without.SetDetailsOpen(open);
        EXPECT_EQ(without.findChild<QWidget *>("pnlWin32")->height(), 0);
        EXPECT_EQ(without.height(), (open ? 165 - 81 : 0) + 191);
    }
    EXPECT_EQ(without.findChild<QPlainTextEdit *>("mmErrMessage")->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
}

TEST(ExceptionFormTest, ButtonsContinueQuitCopyAndSendOnce)
{
    // No address: nowhere to send, no send button.
    TExceptionForm unsent(sampleRecord(0), QUrl());
    EXPECT_TRUE(unsent.findChild<QPushButton *>("btnSend")->isHidden());
    QTest::mouseClick(unsent.findChild<QPushButton *>("btnCopy"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), unsent.ReportText());
    EXPECT_TRUE(unsent.ReportText().contains(QStringLiteral("Klasse \"EVYRAInvalidOperation\"")));
    QTest::mouseClick(unsent.findChild<QPushButton *>("btnQuit"), Qt::LeftButton);
    EXPECT_EQ(unsent.result(), QDialog::Rejected);

    TExceptionForm form(sampleRecord(0), TReportSender::Endpoint(QStringLiteral("https://example.org")));
    QPushButton *send = form.findChild<QPushButton *>("btnSend");
    EXPECT_FALSE(send->isHidden());
    QList<TReportSender::TFields> offered;
    int answer = QDialog::Rejected;
    form.SetReportRunner([&](QDialog &dialog) {
        auto &report = static_cast<TExceptionReport &>(dialog);
        offered.append(report.Fields());
        report.findChild<QPlainTextEdit *>("mmSteps")->setPlainText(QStringLiteral("Schritte"));
        return answer;
    });
    form.SendReport();
    // A failed send may be tried again, with what was typed kept.
    EXPECT_FALSE(send->isHidden());
    form.SendReport();
    ASSERT_EQ(offered.size(), 2);
    EXPECT_EQ(offered[0].report, form.ReportText());
    EXPECT_EQ(offered[1].steps, QStringLiteral("Schritte"));
    answer = QDialog::Accepted;
    form.SendReport();
    EXPECT_TRUE(send->isHidden());
    QTest::mouseClick(form.findChild<QPushButton *>("btnContinue"), Qt::LeftButton);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(ExceptionFormTest, NoExceptionMeansGoOnWithoutADialog)
{
    EXPECT_TRUE(TExceptionForm::ShowApplicationError(nullptr, QUrl()));
}
