#include "php/TPHPSource.h"
#include "projects/TTalvexStudioDocument.h"
#include "utils/VYRAExceptions.h"

#include <gtest/gtest.h>

namespace {

std::unique_ptr<TTalvexStudioDocument> newDocument(const QString &name = QStringLiteral("/tmp/index.php"))
{
    return std::make_unique<TTalvexStudioDocument>(name, QStringLiteral("1.0"), nullptr, nullptr, nullptr, false);
}

} // namespace

TEST(StudioDocumentTest, ANewDocumentHasItsOwnEmptyModel)
{
    auto first = newDocument();
    auto second = newDocument();
    ASSERT_NE(first->PHPSource(), nullptr);
    EXPECT_NE(first->PHPSource(), second->PHPSource());
    EXPECT_EQ(first->PHPSource()->GetClassCount(), 0);
    EXPECT_FALSE(first->SharesPHPSource());
}

TEST(StudioDocumentTest, ACopyKeepsTheSharedModelAliveAfterTheOriginalIsFreed)
{
    auto original = newDocument();
    original->SetUncText(QStringLiteral("<?php class Kunde { function name() {} } ?>"));
    original->PHPSource()->SetSourceText(original->UncryptedText());
    ASSERT_EQ(original->PHPSource()->GetClassCount(), 1);

    auto copy = std::make_unique<TTalvexStudioDocument>(original.get());
    EXPECT_TRUE(copy->SharesPHPSource());
    EXPECT_EQ(copy->PHPSource(), original->PHPSource());
    EXPECT_EQ(copy->UncryptedText(), original->UncryptedText());
    EXPECT_EQ(copy->GetFileName(), original->GetFileName());

    const std::weak_ptr<TPHPSource> model = original->SharedPHPSource();
    original.reset();
    ASSERT_FALSE(model.expired());
    EXPECT_EQ(copy->PHPSource()->GetClassCount(), 1);
    EXPECT_EQ(copy->PHPSource()->GetClasses(0)->Name, QStringLiteral("Kunde"));
    copy.reset();
    EXPECT_TRUE(model.expired());
}

TEST(StudioDocumentTest, FreeingACopyLeavesTheOriginalsModelIntact)
{
    auto original = newDocument();
    original->PHPSource()->SetSourceText(QStringLiteral("<?php interface Zahlbar {} ?>"));
    auto copy = std::make_unique<TTalvexStudioDocument>(original.get());
    copy.reset();
    EXPECT_EQ(original->PHPSource()->GetInterfaceCount(), 1);
}

TEST(StudioDocumentTest, ACopyOfACoreDocumentGetsANewEmptyModel)
{
    TVYRADocument plain(QStringLiteral("/tmp/seite.html"), QStringLiteral("1.0"), nullptr, nullptr, nullptr, false);
    plain.SetUncText(QStringLiteral("<?php class A {} ?>"));
    TTalvexStudioDocument copy(&plain);
    EXPECT_FALSE(copy.SharesPHPSource());
    ASSERT_NE(copy.PHPSource(), nullptr);
    EXPECT_EQ(copy.PHPSource()->GetClassCount(), 0);
    EXPECT_EQ(copy.UncryptedText(), plain.UncryptedText());
}

TEST(StudioDocumentTest, CopyingNothingIsRefused)
{
    EXPECT_THROW(TTalvexStudioDocument(static_cast<const TVYRADocument *>(nullptr)), EVYRAInvalidOperation);
}

TEST(StudioDocumentTest, TheFactoryMakesStudioDocuments)
{
    const auto make = TTalvexStudioDocument::factory();
    std::unique_ptr<TVYRADocument> document =
        make(QStringLiteral("/tmp/a.php"), QStringLiteral("1.0"), nullptr, nullptr, nullptr, false);
    auto *studio = qobject_cast<TTalvexStudioDocument *>(document.get());
    ASSERT_NE(studio, nullptr);
    EXPECT_NE(studio->PHPSource(), nullptr);
    EXPECT_EQ(studio->GetFileName(), QStringLiteral("/tmp/a.php"));
}
