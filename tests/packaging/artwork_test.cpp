#include "shell/artwork.h"

#include <QImage>
#include <QPixmap>
#include <QStringList>
#include <gtest/gtest.h>

namespace {

const QStringList kKeys = {
    "lockerbook", "new",    "open",    "save",   "print",    "ontop",        "maskpasswords",
    "add",        "remove", "account", "sortup", "sortdown", "about-banner", "about-image",
};

// Counts the pixels a person would see: anything not fully transparent.
int visiblePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) > 0) {
                ++count;
            }
        }
    }
    return count;
}

TEST(Artwork, EveryKeyDrawsSomethingAt32Pixels) {
    for (const QString& key : kKeys) {
        const QIcon icon = lb::artwork::icon(key);
        ASSERT_FALSE(icon.isNull()) << key.toStdString();
        const QImage image = icon.pixmap(32, 32).toImage();
        ASSERT_FALSE(image.isNull()) << key.toStdString();
        EXPECT_GT(visiblePixels(image), 32) << key.toStdString();
    }
}

TEST(Artwork, SvgEngineRendersAtTheAskedSize) {
    // Without the SVG icon engine plugin Qt would load the file once as a bitmap
    // and never hand out more than its default size, blurring high-dpi screens.
    for (const QString& key : {QStringLiteral("lockerbook"), QStringLiteral("save")}) {
        const QPixmap pixmap = lb::artwork::icon(key).pixmap(256, 256);
        EXPECT_EQ(pixmap.size(), QSize(256, 256)) << key.toStdString();
    }
}

TEST(Artwork, BannerKeepsItsShape) {
    const QPixmap banner = lb::artwork::icon("about-banner").pixmap(429, 187);
    EXPECT_EQ(banner.size(), QSize(429, 187));
    // A white panel: its top left corner, where the picture goes, is opaque white.
    EXPECT_EQ(banner.toImage().pixel(5, 5), qRgb(255, 255, 255));
}

TEST(Artwork, EveryPictureIsItsOwn) {
    QList<QImage> seen;
    for (const QString& key : kKeys) {
        const QImage image = lb::artwork::icon(key).pixmap(32, 32).toImage();
        for (const QImage& other : seen) {
            EXPECT_NE(image, other) << key.toStdString() << " duplicates another picture";
        }
        seen.append(image);
    }
}

TEST(Artwork, UnknownKeysGiveANullIcon) {
    EXPECT_TRUE(lb::artwork::icon("").isNull());
    EXPECT_TRUE(lb::artwork::icon("no-such-picture").isNull());
    EXPECT_TRUE(lb::artwork::icon("../artwork/new").isNull());
}

} // namespace
