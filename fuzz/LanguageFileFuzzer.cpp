// Reads arbitrary bytes as a language file. Must never crash or hang; every
// section the reader lists must be found again by name, what it writes must
// read back unchanged, and translating a small form with it must leave the
// user's text in an edit alone.
#include "languages/TFormTranslator.h"
#include "languages/TIniFile.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QApplication &application()
{
    static int argc = 1;
    static char name[] = "LanguageFileFuzzer";
    static char *argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: Qt's font caches would otherwise be reported as leaks
    // when the application object goes at exit, after their owners.
    static QApplication *app = new QApplication(argc, argv);
    return *app;
}

void checkRoundTrip(const TIniFile &ini)
{
    for (const QString &section : ini.Sections()) {
        if (!ini.SectionExists(section))
            std::abort();
    }
    QByteArray bytes;
    if (!ini.ToBytes(bytes))
        return;
    const TIniFile again = TIniFile::FromBytes(bytes);
    if (again.Sections() != ini.Sections() || !again.DamagedLines().isEmpty())
        std::abort();
    for (const QString &section : ini.Sections()) {
        if (again.Keys(section) != ini.Keys(section))
            std::abort();
        for (const QString &key : ini.Keys(section)) {
            if (again.ReadString(section, key) != ini.ReadString(section, key))
                std::abort();
        }
    }
}

void checkTranslation(const TIniFile &ini)
{
    (void)application();
    QWidget form;
    form.setObjectName(QStringLiteral("Form"));
    auto *label = new QLabel(QStringLiteral("Name:"), &form);
    label->setObjectName(QStringLiteral("lbName"));
    auto *edit = new QLineEdit(QStringLiteral("typed"), &form);
    edit->setObjectName(QStringLiteral("edName"));
    label->setBuddy(edit);
    new QPushButton(QStringLiteral("OK"), &form);
    auto *menu = new QMenu(QStringLiteral("Datei"), &form);
    menu->setObjectName(QStringLiteral("mnuDatei"));
    menu->addAction(QStringLiteral("Neu"))->setObjectName(QStringLiteral("actNeu"));
    TFormTranslator::Translate(ini, &form);
    if (edit->text() != QStringLiteral("typed"))
        std::abort();
    TIniFile written;
    TFormTranslator::WriteTemplate(&form, written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const TIniFile ini = TIniFile::FromBytes(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    checkRoundTrip(ini);
    checkTranslation(ini);
    return 0;
}
