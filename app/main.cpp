#include "exceptions/TStudioApplication.h"
#include "startup/TStartup.h"

int main(int argc, char **argv)
{
    // The web engine of the preview is loaded later; it needs shared OpenGL contexts from the start.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    TStudioApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalvexStudio"));
    QApplication::setOrganizationName(QStringLiteral("Halvorn"));
    return TStartup(app).run();
}
