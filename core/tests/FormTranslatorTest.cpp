#include "languages/TFormTranslator.h"
#include "languages/TIniFile.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

template <class T>
T *named(T *object, const char *name)
{
    object->setObjectName(QString::fromLatin1(name));
    return object;
}

// A small form with one of each kind of component a window of ours uses.
struct TSampleForm {
    QWidget form;
    QGroupBox *group = named(new QGroupBox(QStringLiteral("Optionen"), &form), "gbOptionen");
    QLabel *label = named(new QLabel(QStringLiteral("Name:"), group), "lbName");
    QLineEdit *edit = named(new QLineEdit(QStringLiteral("Eingabe des Benutzers"), group), "edName");
    QPushButton *button = named(new QPushButton(QStringLiteral("Schließen"), &form), "btnSchliessen");
    QPushButton *unnamed = new QPushButton(QStringLiteral("Ohne Namen"), &form);
    QMenu *menu = named(new QMenu(QStringLiteral("Datei"), &form), "mnuDatei");
    QAction *action = named(new QAction(QStringLiteral("Öffnen"), menu), "actOeffnen");
    QTabWidget *tabs = named(new QTabWidget(&form), "tabs");
    QWidget *page = named(new QWidget, "tsAllgemein");
    QDialog *dialog = named(new QDialog(&form), "dlgEigenes");
    QLabel *dialogLabel = named(new QLabel(QStringLiteral("im Dialog"), dialog), "lbName2");

    TSampleForm()
    {
        form.setObjectName(QStringLiteral("frmProbe"));
        form.setWindowTitle(QStringLiteral("Probe"));
        label->setBuddy(edit);
        tabs->addTab(page, QStringLiteral("Allgemein"));
        menu->addAction(action);
        auto *layout = new QVBoxLayout(group);
        layout->setObjectName(QStringLiteral("lyOptionen"));
        layout->addWidget(label);
        layout->addWidget(edit);
    }
};

} // namespace

TEST(FormTranslator, TranslatesEveryKindOfComponentByObjectName)
{
    TSampleForm sample;
    const TIniFile ini = TIniFile::FromBytes("[FRMPROBE]\n"
                                             "caption=Sample\n"
                                             "gbOptionen=Options\n"
                                             "EDNAME=Your name:\n"
                                             "btnSchliessen=&Close\n"
                                             "mnuDatei=&File\n"
                                             "actOeffnen=&Open%n%file\n"
                                             "tsAllgemein=General\n"
                                             "lbName2=not in this form\n"
                                             "lyOptionen=a layout has no caption\n"
                                             "leer=\n"
                                             "[frmProbe_hints]\n"
                                             "btnSchliessen=Closes the%n%window\n"
                                             "edName=Type a name\n"
                                             "actOeffnen=Opens a file\n");
    TFormTranslator::Translate(ini, &sample.form);
    EXPECT_EQ(sample.form.windowTitle(), QStringLiteral("Sample"));
    EXPECT_EQ(sample.group->title(), QStringLiteral("Options"));
    // The edit keeps what the user typed; its caption is its label's.
    EXPECT_EQ(sample.edit->text(), QStringLiteral("Eingabe des Benutzers"));
    EXPECT_EQ(sample.label->text(), QStringLiteral("Your name:"));
    EXPECT_EQ(sample.edit->toolTip(), QStringLiteral("Type a name"));
    EXPECT_EQ(sample.edit->placeholderText(), QStringLiteral("Type a name"));
    EXPECT_EQ(sample.button->text(), QStringLiteral("&Close"));
    EXPECT_EQ(sample.button->toolTip(), QStringLiteral("Closes the\nwindow"));
    EXPECT_EQ(sample.menu->title(), QStringLiteral("&File"));
    EXPECT_EQ(sample.action->text(), QStringLiteral("&Open\nfile"));
    EXPECT_EQ(sample.action->toolTip(), QStringLiteral("Opens a file"));
    EXPECT_EQ(sample.tabs->tabText(0), QStringLiteral("General"));
    EXPECT_EQ(sample.unnamed->text(), QStringLiteral("Ohne Namen"));
    // A dialog below the form is a form of its own.
    EXPECT_EQ(sample.dialogLabel->text(), QStringLiteral("im Dialog"));
}

TEST(FormTranslator, UnknownKeysAndAnUnnamedFormLeaveTheBuiltTexts)
{
    TSampleForm sample;
    TFormTranslator::Translate(TIniFile::FromBytes("[andere]\nbtnSchliessen=X\n[frmProbe]\nlbName=\n"), &sample.form);
    EXPECT_EQ(sample.form.windowTitle(), QStringLiteral("Probe"));
    EXPECT_EQ(sample.button->text(), QStringLiteral("Schließen"));
    EXPECT_EQ(sample.label->text(), QStringLiteral("Name:"));

    sample.form.setObjectName(QString());
    TFormTranslator::Translate(TIniFile::FromBytes("[]\nCaption=X\n"), &sample.form);
    EXPECT_EQ(sample.form.windowTitle(), QStringLiteral("Probe"));
    TFormTranslator::Translate(TIniFile(), nullptr);
}

TEST(FormTranslator, TemplateHoldsWhatTranslatingReadsBack)
{
    TSampleForm sample;
    sample.button->setToolTip(QStringLiteral("Schließt das\nFenster"));
    sample.label->setText(QStringLiteral("Zwei\r\nZeilen"));
    // A caption equal to its own name or "-" is no text to translate.
    named(new QPushButton(QStringLiteral("btnGleich"), &sample.form), "btnGleich");
    named(new QAction(QStringLiteral("-"), sample.menu), "actTrenner");
    TIniFile ini;
    TFormTranslator::WriteTemplate(&sample.form, ini);
    EXPECT_EQ(ini.ReadString(QStringLiteral("frmProbe"), QStringLiteral("Caption")), QStringLiteral("Probe"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("frmProbe"), QStringLiteral("edName")), QStringLiteral("Zwei%n%Zeilen"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("frmProbe_Hints"), QStringLiteral("btnSchliessen")),
              QStringLiteral("Schließt das%n%Fenster"));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("frmProbe"), QStringLiteral("btnGleich")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("frmProbe"), QStringLiteral("actTrenner")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("frmProbe"), QStringLiteral("lbName2")));
    EXPECT_TRUE(ini.ValueExists(QStringLiteral("frmProbe"), QStringLiteral("tsAllgemein")));

    TSampleForm fresh;
    TFormTranslator::Translate(ini, &fresh.form);
    EXPECT_EQ(fresh.label->text(), QStringLiteral("Zwei\nZeilen"));
    EXPECT_EQ(fresh.button->toolTip(), QStringLiteral("Schließt das\nFenster"));
    EXPECT_EQ(fresh.action->text(), QStringLiteral("Öffnen"));
}
