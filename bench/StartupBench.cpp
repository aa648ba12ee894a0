// Start-up time of the editor: from process start until its first window is
// shown, measured by starting the real program with its quit-when-shown switch.
#include "support/ProgramStart.h"

#include <QCoreApplication>

namespace {

void BM_StartupToShownWindow(benchmark::State &state)
{
    QTemporaryDir home;
    ProgramStart::untilShown(state, ProgramStart::privateEnvironment(home));
}

} // namespace

BENCHMARK(BM_StartupToShownWindow)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1)->Repetitions(15)
    ->ReportAggregatesOnly(true);
