#include "panels/TPictureHandler.h"
#include "panels/TPictureViewer.h"
#include "TestContainerHost.h"
#include "ui/TScriptedPrompter.h"

#include <QImage>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace TestSupport;

namespace {

class PictureHandlerTest : public ::testing::Test
{
protected:
    QString picture(const QString &name)
    {
        QImage image(64, 32, QImage::Format_RGB32);
        image.fill(Qt::blue);
        const QString file = host.root.filePath(name);
        EXPECT_TRUE(image.save(file));
        return file;
    }

    TestContainerHost host;
    TScriptedPrompter prompter;
    TPrompterScope scope{prompter};
    QStringList shown;
    int refreshes = 0;
};

} // namespace

TEST_F(PictureHandlerTest, TheContainerHandsPicturesToTheViewerInsteadOfOpeningThemAsDocuments)
{
    const QString jpg = picture(QStringLiteral("photo.JPG"));
    const QString png = picture(QStringLiteral("chart.png"));
    {
        TPictureHandler handler(host.container->FileTypeHandlers(), [] { return nullptr; }, [this] { ++refreshes; },
                                [this](const QString &file) { shown << file; });
        EXPECT_GE(host.container->FileTypeHandlers().FindHandler(QStringLiteral("*.jpg;*.bmp"), &handler), 0);
        host.container->OpenDocument(jpg);
        host.container->OpenDocument(png);
        EXPECT_EQ(host.container->GetDocumentCount(), 0);
        EXPECT_EQ(shown, (QStringList{jpg, png}));
    }
    // Without the handler the same file would become a document.
    EXPECT_EQ(host.container->FileTypeHandlers().Count(), 0);
    host.container->OpenDocument(jpg);
    EXPECT_EQ(host.container->GetDocumentCount(), 1);
}

TEST_F(PictureHandlerTest, AnExistingPictureJoinsTheSelectedGroupAndTheListsAreRefreshed)
{
    const QString jpg = picture(QStringLiteral("photo.jpg"));
    TVYRAProjectGroupItems *group = host.container->GetDefaultGroup();
    ASSERT_TRUE(group);
    TVYRAProjectGroupItems *selected = nullptr;
    TPictureHandler handler(host.container->FileTypeHandlers(), [&] { return selected; }, [this] { ++refreshes; },
                            [this](const QString &file) { shown << file; });

    host.container->OpenDocument(jpg);
    EXPECT_EQ(group->FindFile(jpg), nullptr);
    EXPECT_EQ(refreshes, 1);

    selected = group;
    host.container->OpenDocument(jpg);
    EXPECT_NE(group->FindFile(jpg), nullptr);
    EXPECT_EQ(refreshes, 2);

    // A missing picture joins nothing; the viewer is still asked and reports it.
    const QString missing = host.root.filePath(QStringLiteral("missing.bmp"));
    host.container->OpenDocument(missing);
    EXPECT_EQ(group->FindFile(missing), nullptr);
    EXPECT_EQ(refreshes, 2);
    EXPECT_EQ(shown.last(), missing);
    EXPECT_EQ(host.container->GetDocumentCount(), 0);
}

TEST_F(PictureHandlerTest, TheSingleViewerShowsARealPictureAndNamesAnUnreadableOne)
{
    const QString jpg = picture(QStringLiteral("photo.jpg"));
    TPictureViewer *viewer = TPictureViewer::Acquire();
    EXPECT_EQ(TPictureViewer::Acquire(), viewer);
    QSignalSpy loaded(viewer, &TPictureViewer::pictureLoaded);
    viewer->OpenPicture(jpg);
    EXPECT_TRUE(viewer->windowTitle().contains(QStringLiteral("photo.jpg")));
    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_TRUE(loaded.takeFirst().at(0).toBool());
    EXPECT_EQ(viewer->Picture().size(), QSize(64, 32));
    EXPECT_EQ(viewer->FileName(), jpg);
    EXPECT_TRUE(viewer->FitToWindow());
    viewer->ZoomBy(2.0);
    EXPECT_FALSE(viewer->FitToWindow());
    EXPECT_TRUE(prompter.prompts().isEmpty());

    const QString broken = host.root.filePath(QStringLiteral("broken.jpg"));
    writeFile(broken, "no picture at all");
    viewer->OpenPicture(broken);
    ASSERT_TRUE(loaded.wait(5000));
    EXPECT_FALSE(loaded.takeFirst().at(0).toBool());
    ASSERT_EQ(prompter.prompts().size(), 1);
    EXPECT_TRUE(prompter.prompts().first().text.contains(broken));
    // The picture shown before stays.
    EXPECT_EQ(viewer->FileName(), jpg);
    EXPECT_TRUE(viewer->windowTitle().contains(QStringLiteral("photo.jpg")));

    // Through the handler's default the same single viewer is used.
    TPictureHandler handler(host.container->FileTypeHandlers(), {}, {});
    handler.Handle(jpg);
    EXPECT_EQ(TPictureViewer::Acquire(), viewer);
    ASSERT_TRUE(loaded.wait(5000));
    viewer->close();
    EXPECT_TRUE(QTest::qWaitFor([] {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return !TPictureViewer::Exists();
    }));
}
