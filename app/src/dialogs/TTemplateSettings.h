#pragma once

#include <QDialog>

class QLineEdit;
class TVYRATemplate;

// "Vorlageneinstellungen": the name the template carries in the "Neu" menu;
// OK stores it in the template (an empty name means the standard caption).
class TTemplateSettings : public QDialog
{
    Q_OBJECT
public:
    TTemplateSettings(TVYRATemplate &target, QWidget *parent = nullptr);

    QLineEdit *NameEdit() const { return m_name; }
    void accept() override;

private:
    TVYRATemplate &m_template;
    QLineEdit *const m_name;
};
