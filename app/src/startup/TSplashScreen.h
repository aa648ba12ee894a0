#pragma once

#include <QWidget>

class QLabel;

// The start-up window: logo, version line and a progress label. The user
// cannot close it; the program does with Finish().
class TSplashScreen : public QWidget
{
    Q_OBJECT

public:
    explicit TSplashScreen(QWidget *parent = nullptr);

    void SetStatus(const QString &text);
    QString Status() const;
    // Stores whether closing is allowed and closes the window when it is.
    void Finish(bool allowClose);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QLabel *const m_status;
    bool m_allowClose = false;
};
