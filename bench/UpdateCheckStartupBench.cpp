// Start-up time of the editor while its update check at start talks to a
// server that accepts the connection and never answers, against a start
// whose check finds no server at all. The check runs beside the window, so
// both must take the same time.
#include "support/ProgramStart.h"

#include <QTcpServer>

namespace {

void startWithUpdateServer(benchmark::State &state, const QString &updateBase)
{
    QTemporaryDir home;
    QProcessEnvironment env = ProgramStart::privateEnvironment(home);
    env.insert("TALVEX_UPDATE_URL", updateBase);
    ProgramStart::untilShown(state, env);
}

// The kernel completes the connection to a listening socket; nobody ever reads or answers.
void BM_StartupWithHungUpdateServer(benchmark::State &state)
{
    QTcpServer hung;
    hung.listen(QHostAddress::LocalHost, 0);
    startWithUpdateServer(state, QStringLiteral("http://127.0.0.1:%1").arg(hung.serverPort()));
}

void BM_StartupWithoutUpdateServer(benchmark::State &state)
{
    quint16 closedPort = 0;
    {
        QTcpServer gone;
        gone.listen(QHostAddress::LocalHost, 0);
        closedPort = gone.serverPort();
    }
    startWithUpdateServer(state, QStringLiteral("http://127.0.0.1:%1").arg(closedPort));
}

} // namespace

BENCHMARK(BM_StartupWithoutUpdateServer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(15)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_StartupWithHungUpdateServer)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(15)
    ->ReportAggregatesOnly(true);
