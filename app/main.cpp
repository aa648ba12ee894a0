#include "startup/TStartup.h"

#include <QApplication>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("TalvexStudio"));
    QApplication::setOrganizationName(QStringLiteral("Halvorn"));
    return TStartup(app).run();
}
