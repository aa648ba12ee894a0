#include "StudioWindowFixture.h"
#include "TestSupport.h"
#include "commands/TActionRegistry.h"
#include "container/TVYRADocumentContainer.h"
#include "documents/TScriptedFileDialogs.h"
#include "documents/TVYRADocument.h"
#include "editing/TCharacterTable.h"
#include "editing/TEditingFeature.h"
#include "editor/TCodeEditor.h"
#include "framework/TVYRACore.h"
#include "generators/TColorDialog.h"
#include "generators/TFontDialog.h"
#include "generators/TImageDialog.h"
#include "generators/TLinkDialog.h"
#include "generators/TMetaTagDialog.h"
#include "generators/TStyleSheetDialog.h"
#include "generators/TTableGeneratorDialog.h"
#include "mainwindow/TMainForm.h"
#include "settings/TTalvexStudioSettings.h"
#include "settings/TVYRADefaultEditorSettings.h"
#include "snippets/TSnippet.h"
#include "snippets/TSnippetGroup.h"
#include "snippets/TSnippets.h"
#include "startup/TProgramCore.h"
#include "studiowindow/TStudioFeatures.h"
#include "ui/TScriptedPrompter.h"

#include <Qsci/qsciscintilla.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>
#include <functional>
#include <iostream>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Fills in the first modal dialog of type T that comes up, then lets the
// given step close it; a dialog still open afterwards is cancelled.
template <typename T>
class TDialogDriver : public QObject
{
public:
    explicit TDialogDriver(std::function<void(T &)> step) : m_step(std::move(step))
    {
        m_timer.setInterval(10);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            auto *dialog = qobject_cast<T *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            if (++shown == 1)
                m_step(*dialog);
            else
                dialog->reject();
        });
        m_timer.start();
    }
    int shown = 0;

private:
    std::function<void(T &)> m_step;
    QTimer m_timer;
};

template <typename T>
T *field(QWidget &dialog, const char *name)
{
    T *found = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_TRUE(found) << name;
    return found;
}

void setText(QWidget &dialog, const char *name, const QString &text)
{
    if (auto *edit = field<QLineEdit>(dialog, name))
        edit->setText(text);
}

void clickOk(QWidget &dialog)
{
    if (auto *ok = field<QPushButton>(dialog, "btnOk"))
        QTest::mouseClick(ok, Qt::LeftButton);
}

class EditingEndToEndTest : public StudioWindowFixture
{
protected:
    void SetUp() override
    {
        StudioWindowFixture::SetUp();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    void TearDown() override
    {
        // Nothing is left to ask about when the window goes.
        for (int i = 0; core && i < container().GetDocumentCount(); ++i)
            container().GetDocument(i)->SetModified(false);
        StudioWindowFixture::TearDown();
    }

    TVYRADocumentContainer &container() const { return *core->Container(); }
    TCodeEditor &code() const { return *container().GetSynEdit(container().GetActiveDocumentIndex()); }
    QString text() const { return code().text(); }

    static void settle()
    {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    // A new document holding the text; saving asks for name (in the temporary folder).
    void open(const QString &name, const QByteArray &bytes)
    {
        m_path = root.filePath(name);
        choose(QStringLiteral("FileNew"));
        ASSERT_TRUE(window->ActiveDocument());
        code().setText(QString::fromUtf8(bytes));
        code().setCaret(1, 1);
        code().setFocus();
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
        settle();
    }
    void choose(const QString &name)
    {
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
        // After a modal dialog the window may not have taken in the change yet.
        window->UpdateNow();
        QAction *command = window->Registry().Action(name);
        ASSERT_TRUE(command) << name.toStdString();
        ASSERT_TRUE(command->isEnabled()) << name.toStdString();
        command->trigger();
        settle();
    }
    void press(Qt::Key key, Qt::KeyboardModifiers modifiers)
    {
        QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        settle();
    }
    void type(const QString &typed)
    {
        for (const QChar c : typed)
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_unknown, QString(c), Qt::NoModifier);
        settle();
    }
    void undo()
    {
        choose(QStringLiteral("EditUndo"));
    }
    QByteArray saved()
    {
        dialogs.answerSave(m_path);
        choose(QStringLiteral("FileSave"));
        return TestSupport::readFile(m_path);
    }

    QString m_path;
};

} // namespace

TEST_F(EditingEndToEndTest, TagAndLineCommandsChangeACrLfFileAsSaved)
{
    open(QStringLiteral("seite.html"), QByteArrayLiteral("eins\r\nzwei\r\ndrei"));
    // Bold without selection: the caret between the tags.
    choose(QStringLiteral("FormatBold"));
    type(QStringLiteral("x"));
    EXPECT_EQ(text(), QStringLiteral("<b>x</b>eins\r\nzwei\r\ndrei"));
    // With a selected word: the word enclosed.
    code().setSelection(8, 4);
    choose(QStringLiteral("FormatItalics"));
    EXPECT_EQ(text(), QStringLiteral("<b>x</b><i>eins</i>\r\nzwei\r\ndrei"));

    code().setCaret(2, 3);
    press(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(text(), QStringLiteral("<b>x</b><i>eins</i>\r\nzwei\r\nzwei\r\ndrei"));
    press(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    press(Qt::Key_Down, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(text(), QStringLiteral("<b>x</b><i>eins</i>\r\nzwei\r\ndrei\r\nzwei"));
    EXPECT_EQ(code().caretLine(), 4);
    // On the last line moving down is not offered (the window's update is
    // taken at once: under load its timer may not have fired yet).
    window->UpdateNow();
    EXPECT_FALSE(window->Registry().Action(QStringLiteral("EditLineDown"))->isEnabled());
    press(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(), QStringLiteral("<b>x</b><i>eins</i>\r\nzwei\r\ndrei"));
    EXPECT_TRUE(window->ActiveDocument()->GetModified());

    // The disc list at column 5 keeps its lines in that column, with the file's line breaks.
    code().setWordWrap(false);
    code().setCaret(3, 5);
    choose(QStringLiteral("FormatListDefault"));
    EXPECT_EQ(saved().toStdString(), std::string("<b>x</b><i>eins</i>\r\nzwei\r\ndrei<ul type=\"disc\">\r\n    <li></li>\r\n    </ul>"));
    EXPECT_FALSE(window->ActiveDocument()->GetModified());
}

TEST_F(EditingEndToEndTest, PhpCommentToggleKeepsIndentationOverTheSelectedLines)
{
    open(QStringLiteral("code.php"), QByteArrayLiteral("<?php\n    $a = 1;\n    // $b = 2;\n"));
    code().setSelection(6, 20);
    choose(QStringLiteral("FormatTogglePHPComment"));
    EXPECT_EQ(text(), QStringLiteral("<?php\n//    $a = 1;\n     $b = 2;\n"));
}

TEST_F(EditingEndToEndTest, TypedOpeningCharactersCloseAndTabExpandsSnippets)
{
    open(QStringLiteral("a.php"), QByteArrayLiteral("abc\n"));
    core->Snippets()->RootGroup()->AddGroup(QStringLiteral("Test"))->AddSnippet(
        std::make_unique<TSnippet>(QStringLiteral("Echo"), QStringLiteral("echo \"%cursor%\";"), QStringLiteral("ec")));
    code().setCaret(1, 4);
    type(QStringLiteral("("));
    type(QStringLiteral("1"));
    EXPECT_EQ(text(), QStringLiteral("abc(1)\n"));
    // Over a selection the pair takes its place.
    code().setSelection(0, 3);
    type(QStringLiteral("["));
    EXPECT_EQ(text(), QStringLiteral("[](1)\n"));
    EXPECT_EQ(code().caretOffset(), 1);

    // Past the end of the line the gap is filled first.
    code().setCaret(2, 1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    type(QStringLiteral("ec"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    type(QStringLiteral("x"));
    EXPECT_EQ(text(), QStringLiteral("[](1)\n echo \"x\";"));
    // A word that is no short text gets its tab (the caret still inside the snippet).
    type(QStringLiteral(" zz"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    settle();
    EXPECT_EQ(text(), QStringLiteral("[](1)\n echo \"x zz\t\";"));
}

TEST_F(EditingEndToEndTest, EachGeneratorInsertsItsOutputAndUndoTakesItOutInOneStep)
{
    open(QStringLiteral("g.html"), QByteArrayLiteral("<body>\n</body>\n"));
    const QString before = text();
    auto check = [&](const QString &command, const QString &expected, auto driver) {
        code().setCaret(2, 1);
        choose(command);
        EXPECT_EQ(driver.shown, 1) << command.toStdString();
        EXPECT_TRUE(text().contains(expected)) << command.toStdString() << ": " << text().toStdString();
        undo();
        EXPECT_EQ(text(), before) << command.toStdString();
    };
    check(QStringLiteral("InsertTable"),
          QStringLiteral("<table cellpadding=\"0\" cellspacing=\"0\">\n  <tr>\n    <td></td>\n    <td></td>\n"),
          TDialogDriver<TTableGeneratorDialog>([](TTableGeneratorDialog &d) {
              setText(d, "edtRows", QStringLiteral("2"));
              setText(d, "edtColumns", QStringLiteral("2"));
              clickOk(d);
          }));
    check(QStringLiteral("FormatInsertMetaTags"),
          QStringLiteral("charset=utf-8\" />\n<meta name=\"author\" content=\"Anna\" />"),
          TDialogDriver<TMetaTagDialog>([](TMetaTagDialog &d) {
              setText(d, "edtAuthor", QStringLiteral("Anna"));
              clickOk(d);
          }));
    check(QStringLiteral("FormatInsertLink"), QStringLiteral("<a href=\"http://example.org\"></a>"),
          TDialogDriver<TLinkDialog>([](TLinkDialog &d) {
              field<QRadioButton>(d, "rbExternal")->setChecked(true);
              setText(d, "edtAddress", QStringLiteral("example.org"));
              clickOk(d);
          }));
    check(QStringLiteral("FormatInsertImage"), QStringLiteral("<img src=\"b.png\" alt=\"\" border=\"0\" hspace=\"5\"  />"),
          TDialogDriver<TImageDialog>([](TImageDialog &d) {
              setText(d, "edtFileName", QStringLiteral("b.png"));
              setText(d, "edtBorder", QStringLiteral("0"));
              field<QSpinBox>(d, "seHSpace")->setValue(5);
              clickOk(d);
          }));
    check(QStringLiteral("FormatFont"), QStringLiteral("<span style=\"font-family: 'Comic Sans', serif;\"></span>"),
          TDialogDriver<TFontDialog>([](TFontDialog &d) {
              d.AddFont(QStringLiteral("Comic Sans"));
              d.AddFont(QStringLiteral("serif"));
              clickOk(d);
          }));
    check(QStringLiteral("FormatInsertExternalCss"),
          QStringLiteral("<link rel=\"stylesheet\" type=\"text/css\" href=\"s.css\" />"),
          TDialogDriver<TStyleSheetDialog>([](TStyleSheetDialog &d) {
              setText(d, "edtFileName", QStringLiteral("s.css"));
              clickOk(d);
          }));
    // A cancelled dialog changes nothing.
    TDialogDriver<TStyleSheetDialog> cancel([](TStyleSheetDialog &d) { d.reject(); });
    choose(QStringLiteral("FormatInsertExternalCss"));
    EXPECT_EQ(text(), before);
}

TEST_F(EditingEndToEndTest, GeneratorsOpenWithTheElementAtTheCaretAndReplaceOnlyIt)
{
    open(QStringLiteral("t.html"),
         QByteArrayLiteral("<p>vorher</p>\n<table summary=\"alt\" cellpadding=\"0\" cellspacing=\"0\">\n"
                           "  <tr><td>Inhalt</td><td>2</td></tr>\n</table>\n<a href=\"#x\">Link <b>fett</b></a>\n"));
    code().setCaret(3, 10);
    QString rows;
    TDialogDriver<TTableGeneratorDialog> table([&rows](TTableGeneratorDialog &d) {
        rows = field<QLineEdit>(d, "edtRows")->text() + QLatin1Char('x') + field<QLineEdit>(d, "edtColumns")->text();
        EXPECT_TRUE(field<QLineEdit>(d, "edtRows")->isReadOnly());
        setText(d, "edtSummary", QStringLiteral("neu \"x\""));
        field<QComboBox>(d, "cbAlign")->setCurrentIndex(2);
        clickOk(d);
    });
    choose(QStringLiteral("InsertTable"));
    EXPECT_EQ(rows, QStringLiteral("1x2"));
    EXPECT_EQ(text(), QStringLiteral("<p>vorher</p>\n<table align=\"center\" summary=\"neu &quot;x&quot;\" cellpadding=\"0\" "
                                     "cellspacing=\"0\">\n  <tr><td>Inhalt</td><td>2</td></tr>\n</table>\n"
                                     "<a href=\"#x\">Link <b>fett</b></a>\n"));

    code().setCaret(5, 15);
    TDialogDriver<TLinkDialog> link([](TLinkDialog &d) {
        EXPECT_EQ(field<QLineEdit>(d, "edtAnchor")->text(), QStringLiteral("x"));
        setText(d, "edtAnchor", QStringLiteral("oben"));
        clickOk(d);
    });
    choose(QStringLiteral("FormatInsertLink"));
    EXPECT_TRUE(text().endsWith(QStringLiteral("</table>\n<a href=\"#oben\">Link <b>fett</b></a>\n")));
}

TEST_F(EditingEndToEndTest, ColourCommandReplacesTheWordWithItsHashAndKeepsItWhenCancelled)
{
    open(QStringLiteral("c.css"), QByteArrayLiteral("p { color: #fff; }\n"));
    code().setCaret(1, 14);
    QString shown;
    TDialogDriver<TColorDialog> pick([&shown](TColorDialog &d) {
        shown = field<QLineEdit>(d, "edtHtmlColor")->text();
        d.SetColor(QColor(0x12, 0x34, 0x56));
        clickOk(d);
    });
    choose(QStringLiteral("FormatSelectColor"));
    EXPECT_EQ(shown, QStringLiteral("white"));
    EXPECT_EQ(text(), QStringLiteral("p { color: #123456; }\n"));

    TDialogDriver<TColorDialog> cancel([](TColorDialog &d) { d.reject(); });
    code().setCaret(1, 14);
    choose(QStringLiteral("FormatSelectColor"));
    EXPECT_EQ(text(), QStringLiteral("p { color: #123456; }\n"));
}

TEST_F(EditingEndToEndTest, ACellOfTheCharacterTableInsertsItsEntity)
{
    open(QStringLiteral("zeichen.html"), QByteArrayLiteral("Preis: "));
    code().setCaret(1, 8);
    TCharacterTable *table = features->Editing().CharacterTable();
    ASSERT_TRUE(table);
    ASSERT_GT(table->count(), 1000);
    QListWidgetItem *euro = nullptr;
    for (int i = 0; i < table->count() && !euro; ++i)
        if (table->item(i)->text() == QStringLiteral("€"))
            euro = table->item(i);
    ASSERT_TRUE(euro);
    EXPECT_EQ(euro->toolTip(), QStringLiteral("&euro;"));
    QTest::qWait(TMainForm::UpdateDelayMilliseconds + 10);
    window->UpdateNow();
    table->scrollToItem(euro);
    const QRect cell = table->visualItemRect(euro);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, cell.center());
    settle();
    EXPECT_EQ(text(), QStringLiteral("Preis: &euro;"));
    // The ampersand is shown once in its cell, though its caption doubles it for menus.
    bool ampersand = false;
    for (int i = 0; i < table->count(); ++i)
        ampersand = ampersand || table->item(i)->text() == QStringLiteral("&");
    EXPECT_TRUE(ampersand);
}
