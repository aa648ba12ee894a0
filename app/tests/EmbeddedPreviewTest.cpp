#include "preview/TEmbeddedPreview.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

bool webEngineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}

} // namespace

// The web engine is loaded with the first page shown, not with the program,
// and then renders the page.
TEST(EmbeddedPreview, LoadsTheEngineOnTheFirstPageOnly)
{
    ASSERT_FALSE(webEngineMapped()) << "the program itself must not link the web engine";
    TEmbeddedPreview preview;
    preview.resize(400, 300);
    preview.show();
    EXPECT_FALSE(webEngineMapped()) << "a preview that has shown nothing needs no engine";

    QSignalSpy loaded(&preview, &TEmbeddedPreview::loaded);
    preview.ShowHtml(QStringLiteral("<html><body><p>Hallo Vorschau</p></body></html>"), QUrl());
    ASSERT_TRUE(preview.Available()) << preview.ModuleError().toStdString();
    EXPECT_TRUE(webEngineMapped());
    ASSERT_TRUE(loaded.count() > 0 || loaded.wait(60000));
    EXPECT_TRUE(loaded.at(0).at(0).toBool());

    // The same page again is not loaded anew but still reported as shown.
    loaded.clear();
    preview.ShowHtml(QStringLiteral("<html><body><p>Hallo Vorschau</p></body></html>"), QUrl());
    ASSERT_EQ(loaded.count(), 1);
    EXPECT_TRUE(loaded.at(0).at(0).toBool());
}
