#include "exceptions/TStudioApplication.h"
#include "startup/TStartup.h"

int main(int argc, char **argv)
{
    TStudioApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalvexStudio"));
    QApplication::setOrganizationName(QStringLiteral("Halvorn"));
    return TStartup(app).run();
}
