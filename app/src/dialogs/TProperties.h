#pragma once

#include "dialogs/TPropertiesModel.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QProgressBar;
class TVYRACore;

// The document properties: the file section (name, folder, type, size, text
// statistics, icon, attributes, encryption and password) and the encryption
// section (the ciphers with the details of the chosen one), by mode. It
// changes nothing.
class TProperties : public QDialog
{
    Q_OBJECT
public:
    TProperties(const TPropertiesModel &model, TPropertiesModel::TMode mode, const QString &filePath,
                QWidget *parent = nullptr);

    // Shows the properties of a document of the core's container.
    static void Execute(TVYRACore &core, TVYRADocument &document, TPropertiesModel::TMode mode, QWidget *parent);

    QListWidget *CipherList() const { return m_ciphers; }
    void ShowCipher(int index);

private:
    QWidget *fileSection(const QString &filePath);
    QWidget *encryptionSection();

    const TPropertiesModel &m_model;
    QListWidget *m_ciphers = nullptr;
    QLabel *m_description = nullptr;
    QLabel *m_developers = nullptr;
    QLabel *m_security = nullptr;
    QLabel *m_speed = nullptr;
    QProgressBar *m_securityBar = nullptr;
    QProgressBar *m_speedBar = nullptr;
};
