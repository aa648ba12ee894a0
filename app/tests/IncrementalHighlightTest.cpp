#include "editor/TCodeEditor.h"
#include "facade/TEditorChoice.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighter/TSynMultiSynPCRE.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "TestSupport.h"

#include <Qsci/qsciscintilla.h>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

using namespace TestSupport;

namespace {

// The shipped HTML/PHP/CSS/JavaScript multi-highlighter, as the program
// registers it.
class IncrementalHighlightTest : public ::testing::TestWithParam<unsigned>
{
protected:
    void SetUp() override
    {
        AddDefaultHighlighter(registry, QStringLiteral("None"));
        const QString shipped = sourceDir() + QStringLiteral("/data/shipped/");
        InitialiseRegistries(registry, extensions, shipped + QStringLiteral("Highlighters/"), shipped,
                             QStringLiteral("/nonexistent/"));
        const TIHighlighter *entry = registry.FindHighlighter(QStringLiteral("multi_htmlphpcssjavascript"));
        ASSERT_NE(entry, nullptr);
        multi = entry->EditorHighlighter();
    }

    // Style and fold level of every byte and line, after styling the whole text.
    static QByteArray styles(TCodeEditor &editor)
    {
        editor.styleAll();
        auto *sci = editor.findChild<QsciScintilla *>();
        const long length = sci->SendScintilla(QsciScintillaBase::SCI_GETLENGTH);
        QByteArray result;
        result.reserve(length);
        for (long pos = 0; pos < length; ++pos)
            result.append(char(sci->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos))));
        const long lines = sci->SendScintilla(QsciScintillaBase::SCI_GETLINECOUNT);
        for (long line = 0; line < lines; ++line) {
            const long level = sci->SendScintilla(QsciScintillaBase::SCI_GETFOLDLEVEL, static_cast<unsigned long>(line));
            result.append(reinterpret_cast<const char *>(&level), sizeof level);
        }
        return result;
    }

    TIHighlighters registry{TSynMultiSynPCRE::factory()};
    TVYRAExtensions extensions{QString(), &registry};
    TSynCustomHighlighter *multi = nullptr;
};

// Whatever the user types and deletes, the styles an editor ends with are
// those of the same text styled from scratch: line states carried from line
// to line must never go stale.
TEST_P(IncrementalHighlightTest, RandomEditsEndWithTheStylesOfAFreshEditor)
{
    QFile source(QStringLiteral("/usr/share/wordpress/wp-login.php"));
    ASSERT_TRUE(source.open(QIODevice::ReadOnly)) << "the wordpress package provides the sample";
    const QString text = QString::fromUtf8(source.readAll());
    const QStringList pieces = {QStringLiteral("<?php "), QStringLiteral("?>"), QStringLiteral("/*"),
                                QStringLiteral("*/"),     QStringLiteral("\""), QStringLiteral("'"),
                                QStringLiteral("<script>"), QStringLiteral("</script>"), QStringLiteral("\n"),
                                QStringLiteral("<<<EOT\n"), QStringLiteral("EOT;\n"), QStringLiteral("`"),
                                QStringLiteral("${"),     QStringLiteral("}"),  QStringLiteral("<!--"),
                                QStringLiteral("-->"),    QStringLiteral("<style>"), QStringLiteral("ä€😀"),
                                QStringLiteral("\r\n"),   QStringLiteral("// ")};

    TCodeEditor edited;
    edited.setText(text);
    edited.setHighlighter(multi);
    edited.styleAll();
    std::mt19937 random(GetParam());
    for (int step = 0; step < 150; ++step) {
        const int length = edited.textLength();
        int at = std::uniform_int_distribution<int>(0, length)(random);
        const QString current = edited.text();
        if (at > 0 && at < length && current.at(at).isLowSurrogate())
            --at;
        if (random() % 3 == 0 && at < length) {
            int count = std::min(int(random() % 12) + 1, length - at);
            if (at + count < length && current.at(at + count).isLowSurrogate())
                ++count;
            edited.setSelection(at, count);
            edited.replaceSelection(QString());
        } else {
            edited.setCaretOffset(at);
            edited.replaceSelection(pieces.at(int(random() % pieces.size())));
        }
        if (step % 5 == 0)
            edited.styleAll(); // as painting would, now and then
    }

    TCodeEditor fresh;
    fresh.setText(edited.text());
    fresh.setHighlighter(multi);
    EXPECT_TRUE(styles(edited) == styles(fresh));
}

INSTANTIATE_TEST_SUITE_P(Seeds, IncrementalHighlightTest, ::testing::Values(1u, 2u, 3u));

} // namespace

// Long lines (minified templates) are laid out from Scintilla's width cache
// only while every character differs in style from its neighbours: the
// multi-highlighter's attributes must leave room for their look-alike twins.
TEST_F(IncrementalHighlightTest, LongLinesGiveNeighbouringCharactersDifferentStyles)
{
    QString line;
    while (line.size() < 6000)
        line += QStringLiteral("<p class=\"a\"><?php echo $x . 'y'; /* c */ ?></p><script>let s = `t`;</script>");
    TCodeEditor editor;
    editor.setText(line);
    editor.setHighlighter(multi);
    editor.styleAll();
    auto *sci = editor.findChild<QsciScintilla *>();
    for (long pos = 1; pos < long(line.size()); ++pos) {
        ASSERT_NE(sci->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos)),
                  sci->SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, static_cast<unsigned long>(pos - 1)))
            << pos;
    }
}
