#pragma once

#include <QString>

class TIHighlighters;
class TPrompter;
class TVYRAExtensionGroup;
class TVYRAExtensions;
class TVYRAFileExtension;

// The rules of the dialog for user-defined file types: new groups and
// extensions, what an extension may look like, and storing the user's
// groups in "customfiletypes.xml". Refusals are told through the prompter;
// nothing is changed when a rule refuses.
class TFileTypeEditor
{
public:
    TFileTypeEditor(TVYRAExtensions &extensions, const QString &customFileName, TPrompter &prompter);

    // "Neue Dateierweiterungsgruppe" with the plain-text highlighter.
    TVYRAExtensionGroup *NewGroup();
    // Only groups of the user can go.
    bool RemoveGroup(TVYRAExtensionGroup *group);

    // Asks for the extension and adds it to group; nullptr when cancelled or refused.
    TVYRAFileExtension *AskNewExtension(TVYRAExtensionGroup &group);
    // Adds text as "*."+text after the checks; description may be empty.
    TVYRAFileExtension *AddExtension(TVYRAExtensionGroup &group, const QString &text, const QString &description = {});
    bool RemoveExtension(TVYRAExtensionGroup &group, int index);

    // Stores name and binary flag in the group and writes the user's groups.
    bool SaveGroup(TVYRAExtensionGroup *group, const QString &name, bool isBinary);
    // Writes the user's groups; false (and told) when the file cannot be written.
    bool SaveCustomTypes();

    // Letters A-Z, a-z and digits only; "*."+text must be new.
    static bool IsWellFormed(const QString &text);

private:
    TVYRAExtensions &m_extensions;
    QString m_fileName;
    TPrompter &m_prompter;
};
