#pragma once

#include "startup/TDataFolders.h"

#include <QString>
#include <functional>
#include <memory>

class TVYRACore;

// Builds the program's core object in the order the start-up needs: the
// project recogniser before the core exists, the studio classes, the product
// caption, then the data files of the registries with the plain highlighter
// named "Kein". Shows no window; progress goes to the status callback (the
// splash) and a damaged data file comes back as a message.
class TProgramCore
{
public:
    using StatusCallback = std::function<void(const QString &)>;

    static const QString &ProjectRecognizer();
    static const QString &DefaultHighlighterName();

    explicit TProgramCore(StatusCallback status);

    // Creates the core; raises EVYRAException when its folders cannot be made.
    std::unique_ptr<TVYRACore> Create(const TDataFolders &folders);
    // The message of a damaged data file met while loading the registries, else empty.
    QString DataFileError() const { return m_dataFileError; }

private:
    void loadData(TVYRACore &core);

    StatusCallback m_status;
    QString m_dataFileError;
};
