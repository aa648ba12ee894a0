#include "startup/TStartupArguments.h"

#include <QDir>
#include <QFileInfo>

namespace {
const QString kPrint = QStringLiteral("/p");
const QString kEmbedding = QStringLiteral("-Embedding");
const QString kDataFolderUser = QStringLiteral("/createdatafolderusr");
const QString kDataFolderProgram = QStringLiteral("/createdatafolderprg");
} // namespace

const QStringList &TStartupArguments::switches()
{
    static const QStringList list{kPrint, kEmbedding, QStringLiteral("/faststartup"), kDataFolderUser,
                                  kDataFolderProgram, quitWhenShownSwitch()};
    return list;
}

bool TStartupArguments::isSwitch(const QString &argument)
{
    return switches().contains(argument, Qt::CaseSensitive);
}

TStartupArguments::TStartupArguments(const QStringList &arguments, const QString &workingDirectory)
    : m_arguments(arguments)
    , m_workingDirectory(workingDirectory)
{
}

QString TStartupArguments::absolute(const QString &fileName) const
{
    return QDir::cleanPath(QFileInfo(QDir(m_workingDirectory), fileName).absoluteFilePath());
}

QStringList TStartupArguments::filesToOpen() const
{
    if (m_arguments.value(0) == kEmbedding)
        return {};
    QStringList files;
    for (const QString &argument : m_arguments) {
        if (!isSwitch(argument) && !argument.isEmpty())
            files.append(absolute(argument));
    }
    return files;
}

bool TStartupArguments::printAtStart() const
{
    return !m_arguments.isEmpty() && m_arguments.last() == kPrint;
}

int TStartupArguments::dataFolderMode() const
{
    const QString first = m_arguments.value(0);
    if (first == kDataFolderUser)
        return 0;
    if (first == kDataFolderProgram)
        return 1;
    return -1;
}

bool TStartupArguments::quitWhenShown() const
{
    return m_arguments.contains(quitWhenShownSwitch());
}

QStringList TStartupArguments::handOverArguments() const
{
    QStringList result;
    for (const QString &argument : m_arguments) {
        if (argument.isEmpty())
            continue;
        result.append(isSwitch(argument) ? argument : absolute(argument));
    }
    return result;
}

THandOverRequest THandOverRequest::fromArguments(const QStringList &arguments)
{
    THandOverRequest request;
    for (const QString &argument : arguments) {
        if (argument == kPrint)
            request.print = true;
        else if (!TStartupArguments::isSwitch(argument) && !argument.isEmpty())
            request.files.append(argument);
    }
    return request;
}
