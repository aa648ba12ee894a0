#pragma once

#include <QDialog>

// The about box: product name, version line, description and the versions
// of the libraries the program is built with.
class TAboutDialog : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutDialog(QWidget *parent = nullptr);
};
