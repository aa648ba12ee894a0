#pragma once

#include <QDialog>

// Asks whether a file of an older format is to be brought into the current
// one: "Aktualisieren" (accepted) or "Abbrechen" (the file is not opened).
class TUpgradeFileDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TUpgradeFileDialog(const QString &fileName, QWidget *parent = nullptr);

    // Shows the question modally; true when the file is to be upgraded.
    static bool Ask(const QString &fileName, QWidget *parent = nullptr);
};
