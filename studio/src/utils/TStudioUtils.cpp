#include "utils/TStudioUtils.h"

#include "regex/RegexCreate.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryFile>

std::shared_ptr<IRegex> TStudioUtils::GetHeadRegEx()
{
    static const std::shared_ptr<IRegex> head =
        RegexCreate(QStringLiteral("\\<head(.*)\\>"), TRegCompileOptions(TRegCompileOption::rcoUngreedy));
    return head;
}

QString TStudioUtils::InsertBaseTag(const QString &html, const QString &baseHref)
{
    const QString base = QStringLiteral("<base href=\"") + baseHref + QStringLiteral("\">");
    const std::shared_ptr<IMatch> match = GetHeadRegEx()->Match(html);
    if (!match || !match->Success())
        return base + QStringLiteral("\r\n") + html;
    const int end = match->Index() + match->Length();
    return html.left(end) + QStringLiteral("\r\n") + base + QStringLiteral("\r\n") + html.mid(end);
}

QString TStudioUtils::CreateTempFile()
{
    QTemporaryFile file(QDir::tempPath() + QStringLiteral("/tmpXXXXXX"));
    file.setAutoRemove(false);
    if (!file.open())
        return QString();
    return file.fileName();
}

QString TStudioUtils::GetWinVersion()
{
    return QSysInfo::prettyProductName() + QStringLiteral(", ") + QSysInfo::kernelType() + QLatin1Char(' ')
        + QSysInfo::kernelVersion();
}

void TStudioUtils::FindBrowsers(const TBrowserFound &found, const QStringList &searchPath)
{
    struct TBrowser {
        const char *name;
        const char *program;
        const char *parameters;
    };
    static const TBrowser browsers[] = {
        {"Mozilla Firefox", "firefox", "-url \"%filename%\""},
        {"Firefox ESR", "firefox-esr", "-url \"%filename%\""},
        {"Chromium", "chromium", "\"%filename%\""},
        {"Google Chrome", "google-chrome", "\"%filename%\""},
        {"GNOME Web", "epiphany", "\"%filename%\""},
        {"GNOME Web", "epiphany-browser", "\"%filename%\""},
        {"Konqueror", "konqueror", "\"%filename%\""},
        {"Falkon", "falkon", "\"%filename%\""},
        // The user's default browser, whichever it is.
        {"Standardbrowser (xdg-open)", "xdg-open", "\"%filename%\""},
    };
    QStringList names;
    for (const TBrowser &browser : browsers) {
        // One program per name: the first of a name's programs that exists.
        if (names.contains(QString::fromLatin1(browser.name)))
            continue;
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(browser.program), searchPath);
        if (path.isEmpty())
            continue;
        names << QString::fromLatin1(browser.name);
        found(QString::fromLatin1(browser.name), path, QString::fromLatin1(browser.parameters));
    }
}
