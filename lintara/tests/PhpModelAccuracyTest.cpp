// The PHP model against PHP's own tokenizer over real code: WordPress as a
// whole and samples of MediaWiki and phpMyAdmin (Debian's packages). The
// benchmark driver reports the figures over all files.

#include "PhpReferenceComparison.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

#include <QFileInfo>

namespace {

void expectAccurate(const QString &root, int every)
{
    if (!QFileInfo(QStringLiteral("/usr/bin/php")).isExecutable() || !QFileInfo(root).isDir())
        GTEST_SKIP() << qPrintable(root) << " or php-cli is not installed";
    const QStringList files = PhpReference::PhpFilesUnder(root, every);
    ASSERT_GT(files.size(), 20);
    QStringList diffs;
    const auto figures = PhpReference::Compare(
        files, TestSupport::sourceDir() + QStringLiteral("/lintara/tests/data/reference_outline.php"), &diffs);
    int total = 0;
    for (auto it = figures.cbegin(); it != figures.cend(); ++it) {
        const PhpReference::TKindFigures &f = it.value();
        std::printf("%-10s files=%lld reference=%d ours=%d recall=%.3f%% precision=%.3f%%\n", qPrintable(it.key()),
                    qlonglong(files.size()), f.Reference, f.Ours, f.Recall(), f.Precision());
        EXPECT_GE(f.Recall(), 99.0) << qPrintable(it.key()) << "\n" << qPrintable(diffs.join(u'\n'));
        EXPECT_GE(f.Precision(), 99.0) << qPrintable(it.key()) << "\n" << qPrintable(diffs.join(u'\n'));
        total += f.Reference;
    }
    EXPECT_GT(total, 100);
}

} // namespace

TEST(PhpModelAccuracy, WordPress)
{
    expectAccurate(QStringLiteral("/usr/share/wordpress"), 1);
}

TEST(PhpModelAccuracy, MediaWikiSample)
{
    expectAccurate(QStringLiteral("/usr/share/mediawiki"), 15);
}

TEST(PhpModelAccuracy, PhpMyAdminSample)
{
    expectAccurate(QStringLiteral("/usr/share/phpmyadmin"), 3);
}
