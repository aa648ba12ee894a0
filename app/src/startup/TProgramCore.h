#pragma once

#include "startup/TDataFolders.h"

#include <QString>
#include <functional>
#include <memory>

class TVYRACore;
class TVYRACodeCompletionService;

// Builds the program's core object in the order the start-up needs: the
// project recogniser before the core exists, the studio classes, the product
// caption, then the data files of the registries with the plain highlighter
// named "Kein", and the completion catalogues. Shows no window; progress goes to the status callback (the
// splash) and a damaged data file comes back as a message.
class TProgramCore
{
public:
    using StatusCallback = std::function<void(const QString &)>;

    static const QString &ProjectRecognizer();
    static const QString &DefaultHighlighterName();

    explicit TProgramCore(StatusCallback status);
    ~TProgramCore();

    // Creates the core; raises EVYRAException when its folders cannot be made.
    std::unique_ptr<TVYRACore> Create(const TDataFolders &folders);
    // The message of a damaged data file met while loading the registries, else empty.
    QString DataFileError() const { return m_dataFileError; }
    // The completion catalogues of the program (after Create).
    TVYRACodeCompletionService *CompletionService() const { return m_completion.get(); }
    // Whether completion is switched on in the settings of core.
    static bool CompletionEnabled(const TVYRACore &core);

private:
    void loadData(TVYRACore &core);
    void loadCompletion(const TVYRACore &core);
    void reportDamaged(const QString &text);

    StatusCallback m_status;
    QString m_dataFileError;
    std::unique_ptr<TVYRACodeCompletionService> m_completion;
};
