#include "editor/TLineState.h"
#include "editor/TSynLineOutput.h"
#include "facade/TEditorChoice.h"
#include "filetypes/TVYRAExtensions.h"
#include "highlighter/TSynMultiSynPCRE.h"
#include "highlighters/StandardHighlighters.h"
#include "highlighters/TIHighlighter.h"
#include "highlighters/TIHighlighters.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace TestSupport;

// Every line of a real code base - WordPress's PHP, JavaScript and CSS - goes
// through the highlighter the program picks for its extension. The runs of
// each line must lie inside it, in order and without overlap, each with an
// attribute, and the state carried to the next line must stay usable.
TEST(HighlightRealCode, WordPressFilesGiveSoundRunsOnEveryLine)
{
    TIHighlighters registry(TSynMultiSynPCRE::factory());
    TVYRAExtensions extensions(QString(), &registry);
    AddDefaultHighlighter(registry, QStringLiteral("None"));
    const QString shipped = sourceDir() + QStringLiteral("/data/shipped/");
    InitialiseRegistries(registry, extensions, shipped + QStringLiteral("Highlighters/"), shipped,
                         QStringLiteral("/nonexistent/"));

    TVYRAEditorEnvironment environment;
    environment.highlighters = &registry;
    environment.extensions = &extensions;
    environment.userDataDir = QStringLiteral("/nonexistent/");
    QDirIterator files(QStringLiteral("/usr/share/wordpress"), {"*.php", "*.js", "*.css"}, QDir::Files,
                       QDirIterator::Subdirectories);
    int fileCount = 0;
    long long lineCount = 0;
    long long tokenCount = 0;
    TSynLineOutput out;
    while (files.hasNext() && fileCount < 600) {
        const QString path = files.next();
        const std::optional<TEditorChoice> choice = ChooseEditorForFile(path, environment);
        ASSERT_TRUE(choice.has_value()) << path.toStdString();
        const TSynCustomHighlighter *highlighter = choice->highlighter->EditorHighlighter();
        if (path.endsWith(QStringLiteral(".php"))) {
            ASSERT_TRUE(choice->highlighter->IsMultiHighlighter()) << path.toStdString();
        }
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(u'\n');
        TLineState state;
        for (const QString &line : lines) {
            out.clear();
            highlighter->highlightLine(line, state, out);
            int end = 0;
            for (const TSynToken &token : out.tokens()) {
                ASSERT_GE(token.start, end) << path.toStdString() << ": " << line.toStdString();
                ASSERT_GT(token.length, 0) << path.toStdString();
                ASSERT_LE(token.start + token.length, line.size()) << path.toStdString() << ": " << line.toStdString();
                ASSERT_NE(token.attribute, nullptr) << path.toStdString();
                end = token.start + token.length;
                ++tokenCount;
            }
            ++lineCount;
        }
        ++fileCount;
    }
    EXPECT_GT(fileCount, 100) << "the wordpress package provides the code base";
    EXPECT_GT(lineCount, 50000);
    EXPECT_GT(tokenCount, lineCount);
}
