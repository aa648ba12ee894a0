#include <QApplication>
#include <gtest/gtest.h>

namespace {

// In CI every package, program and corpus a test needs is installed by the
// install script, so a skipped test means the install is broken.
int skippedTestsInCi()
{
    if (qEnvironmentVariable("CI") != QLatin1String("true"))
        return 0;
    int skipped = 0;
    const ::testing::UnitTest &unit = *::testing::UnitTest::GetInstance();
    for (int s = 0; s < unit.total_test_suite_count(); ++s) {
        const ::testing::TestSuite &suite = *unit.GetTestSuite(s);
        for (int t = 0; t < suite.total_test_count(); ++t) {
            const ::testing::TestInfo &info = *suite.GetTestInfo(t);
            if (info.should_run() && info.result()->Skipped()) {
                ++skipped;
                fprintf(stderr, "SKIPPED IN CI (counts as failure): %s.%s\n", suite.name(), info.name());
            }
        }
    }
    return skipped;
}

} // namespace

// Every test runs with a Qt application object; CTest sets the offscreen platform.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // As in the program: the preview's web engine, loaded later, needs shared OpenGL contexts.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    if (skippedTestsInCi() > 0)
        return 1;
    return result;
}
