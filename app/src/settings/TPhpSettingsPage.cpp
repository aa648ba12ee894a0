#include "settings/TPhpSettingsPage.h"

#include "settings/TPhpVersionProbe.h"
#include "settings/TTalvexStudioPHPSettings.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TWebServerPath.h"
#include "ui/TPrompter.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

TPhpSettingsPage::TPhpSettingsPage(TVYRACore &core, TTalvexStudioSettings &settings, QWidget *parent)
    : TSettingsPage(core, settings, parent)
    , m_interpreter(new QLineEdit(this))
    , m_version(new QLabel(this))
    , m_knownOnly(new QCheckBox(
          QStringLiteral("Nur Dateien mit bekannter PHP-Dateierweiterung in der Browser-Vorschau mit PHP ausführen "
                         "(Bekannte PHP-Erweiterungen: .php, .php3, .php4, .php5, .phtml)"),
          this))
    , m_webServer(new QLineEdit(this))
    , m_probe(new TPhpVersionProbe(this))
    , m_pause(new QTimer(this))
{
    auto *chooseInterpreter = new QPushButton(QStringLiteral("..."), this);
    auto *chooseFolder = new QPushButton(QStringLiteral("..."), this);
    auto *interpreterRow = new QHBoxLayout;
    interpreterRow->addWidget(m_interpreter);
    interpreterRow->addWidget(chooseInterpreter);
    auto *folderRow = new QHBoxLayout;
    folderRow->addWidget(m_webServer);
    folderRow->addWidget(chooseFolder);
    auto *form = new QFormLayout(this);
    form->addRow(caption(QStringLiteral("PHP"), this));
    form->addRow(QStringLiteral("PHP-Interpreter:"), interpreterRow);
    form->addRow(QString(), m_version);
    form->addRow(m_knownOnly);
    form->addRow(QStringLiteral("Pfad:"), folderRow);
    watch(m_interpreter);
    watch(m_knownOnly);
    watch(m_webServer);

    // The interpreter runs when typing pauses, not at every key.
    m_pause->setSingleShot(true);
    m_pause->setInterval(400);
    connect(m_pause, &QTimer::timeout, this, &TPhpSettingsPage::probe);
    connect(m_interpreter, &QLineEdit::textChanged, m_pause, qOverload<>(&QTimer::start));
    connect(m_probe, &TPhpVersionProbe::finished, m_version, &QLabel::setText);
    connect(chooseInterpreter, &QPushButton::clicked, this, [this] {
        const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("PHP-Interpreter auswählen"),
                                                          m_interpreter->text());
        if (!file.isEmpty()) {
            m_interpreter->setText(file);
            emit changed();
        }
    });
    connect(chooseFolder, &QPushButton::clicked, this, [this] {
        const QString folder = QFileDialog::getExistingDirectory(this, QStringLiteral("Webserverpfad auswählen"),
                                                                 m_webServer->text());
        if (!folder.isEmpty())
            SetWebServerPath(folder);
    });
}

void TPhpSettingsPage::Load()
{
    const TTalvexStudioPHPSettings &php = *m_settings.PHP();
    m_interpreter->setText(php.PHPExeFile);
    m_knownOnly->setChecked(!php.PreviewUnknownExt);
    m_webServer->setText(php.WebServerPath);
    m_pause->stop();
    probe();
}

void TPhpSettingsPage::Apply()
{
    TTalvexStudioPHPSettings &php = *m_settings.PHP();
    php.PHPExeFile = m_interpreter->text();
    php.PreviewUnknownExt = !m_knownOnly->isChecked();
    // A typed folder that does not exist is refused like a picked one.
    if (m_webServer->text() != php.WebServerPath) {
        const QString refusal = TWebServerPath::Check(m_webServer->text());
        if (refusal.isEmpty())
            php.WebServerPath = m_webServer->text();
        else
            TPrompter::instance().error(refusal);
    }
}

bool TPhpSettingsPage::SetWebServerPath(const QString &path)
{
    const QString refusal = TWebServerPath::Check(path);
    if (!refusal.isEmpty()) {
        TPrompter::instance().error(refusal);
        return false;
    }
    m_webServer->setText(path);
    emit changed();
    return true;
}

void TPhpSettingsPage::probe()
{
    m_version->clear();
    m_probe->Start(m_interpreter->text());
}
