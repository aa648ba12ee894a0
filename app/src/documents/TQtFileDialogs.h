#pragma once

#include "documents/TFileDialogs.h"

#include <QPointer>
#include <QWidget>

// The file dialogs on QFileDialog (Qt's own dialog, the same on every desktop).
class TQtFileDialogs : public TFileDialogs
{
public:
    explicit TQtFileDialogs(QWidget *parent = nullptr) : m_parent(parent) {}

    QStringList OpenFiles(const TOpenFilesRequest &request) override;
    std::optional<QString> SaveFile(const TSaveFileRequest &request) override;

private:
    QPointer<QWidget> m_parent;
};
