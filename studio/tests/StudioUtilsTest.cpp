#include "utils/TColorSpace.h"
#include "utils/TStudioUtils.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct THsv {
    int h, s, v;
};

THsv hsv(int r, int g, int b)
{
    THsv out{};
    TColorSpace::RGBtoHSV(r, g, b, out.h, out.s, out.v);
    return out;
}

} // namespace

TEST(ColorSpace, RgbToHsvFollowsTheSectorsAndRounds)
{
    const struct {
        int r, g, b;
        THsv expected;
    } cases[] = {
        {255, 0, 0, {0, 255, 255}},    {0, 0, 0, {0, 0, 0}},          {128, 128, 128, {0, 0, 128}},
        {0, 255, 0, {120, 255, 255}},  {0, 0, 255, {240, 255, 255}},  {255, 0, 255, {300, 255, 255}},
        {255, 0, 1, {0, 255, 255}},    // -0.24 degrees rounds to 0
        {10, 20, 30, {210, 170, 30}},  {200, 150, 100, {30, 128, 200}}, {1, 2, 3, {210, 170, 3}},
    };
    for (const auto &c : cases) {
        const THsv got = hsv(c.r, c.g, c.b);
        EXPECT_EQ(got.s, c.expected.s) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(got.v, c.expected.v) << c.r << "," << c.g << "," << c.b;
        EXPECT_EQ(got.h, c.expected.h) << c.r << "," << c.g << "," << c.b;
    }
    EXPECT_EQ(hsv(255, 0, 128).h, 330) << "a negative hue gets 360 added";
}

TEST(ColorSpace, HsvToRgbIsGreyWithoutSaturationAndInvertsRgbToHsv)
{
    EXPECT_EQ(TColorSpace::HSVtoRGB(200, 0, 77), QColor(77, 77, 77));
    EXPECT_EQ(TColorSpace::HSVtoRGB(0, 255, 255), QColor(255, 0, 0));
    EXPECT_EQ(TColorSpace::HSVtoRGB(120, 255, 255), QColor(0, 255, 0));
    EXPECT_EQ(TColorSpace::HSVtoRGB(240, 255, 128), QColor(0, 0, 128));
    EXPECT_EQ(TColorSpace::HSVtoRGB(360, 255, 255), QColor(255, 0, 0)) << "360 degrees is red again";
    // Every colour of a coarse grid comes back within the rounding of the hue.
    for (int r = 0; r < 256; r += 51)
        for (int g = 0; g < 256; g += 51)
            for (int b = 0; b < 256; b += 51) {
                const THsv c = hsv(r, g, b);
                const QColor back = TColorSpace::HSVtoRGB(c.h, c.s, c.v);
                EXPECT_NEAR(back.red(), r, 3) << r << "," << g << "," << b;
                EXPECT_NEAR(back.green(), g, 3) << r << "," << g << "," << b;
                EXPECT_NEAR(back.blue(), b, 3) << r << "," << g << "," << b;
            }
}

TEST(StudioUtils, BaseTagFollowsTheHeadTagOrGoesFirst)
{
    EXPECT_EQ(TStudioUtils::InsertBaseTag("<p>x</p>", "http://localhost/a/"),
              "<base href=\"http://localhost/a/\">\r\n<p>x</p>");
    EXPECT_EQ(TStudioUtils::InsertBaseTag("<html><head><title>t</title></head>", "file:///srv/"),
              "<html><head>\r\n<base href=\"file:///srv/\">\r\n<title>t</title></head>");
    EXPECT_EQ(TStudioUtils::InsertBaseTag("<head lang=\"de\"><meta x=\">\"></head>", "b/"),
              "<head lang=\"de\">\r\n<base href=\"b/\">\r\n<meta x=\">\"></head>")
        << "the shortest head tag is taken";
}

TEST(StudioUtils, TempFilesSystemNameAndBrowsers)
{
    const QString first = TStudioUtils::CreateTempFile();
    const QString second = TStudioUtils::CreateTempFile();
    ASSERT_FALSE(first.isEmpty());
    EXPECT_NE(first, second);
    EXPECT_TRUE(QFileInfo(first).fileName().startsWith("tmp"));
    EXPECT_EQ(QFileInfo(first).size(), 0);
    EXPECT_TRUE(QFile::remove(first));
    EXPECT_TRUE(QFile::remove(second));

    EXPECT_TRUE(TStudioUtils::GetWinVersion().contains(QSysInfo::kernelVersion()));

    QTemporaryDir bin;
    for (const char *program : {"firefox", "chromium"}) {
        QFile file(bin.filePath(program));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
        file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
    }
    QStringList found;
    TStudioUtils::FindBrowsers(
        [&found](const QString &name, const QString &path, const QString &parameters) {
            found << name + "|" + QFileInfo(path).fileName() + "|" + parameters;
        },
        {bin.path()});
    EXPECT_EQ(found, (QStringList{"Mozilla Firefox|firefox|-url \"%filename%\"", "Chromium|chromium|\"%filename%\""}));
}
