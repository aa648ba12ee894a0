#include "TUpdaterInstance.h"

#include "TUpdateNames.h"
#include "startup/TSingleInstance.h"

#include <QDir>
#include <QFile>

TUpdaterInstance::TUpdaterInstance(QString folder)
    : m_folder(std::move(folder))
{
}

TUpdaterInstance::~TUpdaterInstance() = default;

QString TUpdaterInstance::DefaultFolder()
{
    return TSingleInstance::defaultFolder();
}

bool TUpdaterInstance::Acquire()
{
    QDir().mkpath(m_folder);
    QFile::setPermissions(m_folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    m_lock = std::make_unique<QLockFile>(m_folder + QLatin1Char('/') + TUpdateNames::Assistant()
                                         + QStringLiteral(".lock"));
    // A lock whose process has gone is taken over; a living holder never is.
    m_lock->setStaleLockTime(0);
    return m_lock->tryLock(0);
}

bool TUpdaterInstance::EditorRunning() const
{
    QLockFile editor(m_folder + QLatin1Char('/') + TUpdateNames::Editor() + QStringLiteral(".lock"));
    editor.setStaleLockTime(0);
    if (!editor.tryLock(0))
        return editor.error() == QLockFile::LockFailedError;
    editor.unlock();
    return false;
}
