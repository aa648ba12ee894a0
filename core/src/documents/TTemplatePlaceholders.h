#pragma once

#include "vyra_export.h"

#include <QDateTime>
#include <QString>
#include <functional>

// What the placeholders of a template are replaced with.
struct VYRA_EXPORT TTemplateValues {
    bool hasProject = false;
    QString projectComment;
    QString projectName;
    QString projectPath;
    QString projectVersion;
    QString templateName;
    // The highlighter's short name, and its long name when the template has a project.
    QString highlighter;
    QDateTime now = QDateTime::currentDateTime();
    // Folder against which a relative "include" file name is taken.
    QString baseFolder;
    // Reads a file for "include"; the default decodes it as a user text file.
    std::function<QString(const QString &fileName)> readFile;
};

// Replaces the placeholders "{->name<-}" and "{->name:'argument'<-}" of a
// template text in one pass from left to right. Every occurrence is replaced
// with its own argument, and inserted text is never searched again, so an
// included file cannot include itself.
class VYRA_EXPORT TTemplatePlaceholders
{
public:
    static QString Process(const QString &text, const TTemplateValues &values);
    // A date-time format of the original program ("dd.mm.yyyy hh:nn:ss") in Qt's syntax.
    static QString ToQtDateFormat(const QString &format);
};
