#pragma once

#include <QString>
#include <QStringList>

// The editor's command line: file names and the start-up switches.
class TStartupArguments
{
public:
    // Switches never taken as file names (exact, case-sensitive).
    static const QStringList &switches();
    static bool isSwitch(const QString &argument);

    // Private switch of the start-up benchmark: quit as soon as the window is shown.
    static QString quitWhenShownSwitch() { return QStringLiteral("--quit-when-shown"); }

    // arguments excludes the program name; relative file names are resolved
    // against workingDirectory.
    TStartupArguments(const QStringList &arguments, const QString &workingDirectory);

    const QStringList &arguments() const { return m_arguments; }

    // Files to open at start: none after "-Embedding" as first argument,
    // otherwise every argument that is not a switch, in order, made absolute.
    QStringList filesToOpen() const;
    // "/p" as last argument prints the files opened at start.
    bool printAtStart() const;
    // The data-folder switch given as first argument: 0 for
    // "/createdatafolderusr", 1 for "/createdatafolderprg", -1 for none.
    int dataFolderMode() const;
    bool quitWhenShown() const;

    // The arguments handed to a running instance: every argument, with file
    // names made absolute (the receiving process has another working folder).
    QStringList handOverArguments() const;

private:
    QString absolute(const QString &fileName) const;

    QStringList m_arguments;
    QString m_workingDirectory;
};

// What a running instance does with arguments handed over by a second start.
struct THandOverRequest {
    QStringList files; // to open, in order
    bool print = false;

    // Removes the switches (every occurrence: a switch is never a file) and
    // notes "/p", which counts anywhere in a hand-over.
    static THandOverRequest fromArguments(const QStringList &arguments);
};
