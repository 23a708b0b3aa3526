#include "PictureFiles.h"

#include "aquarium/PictureGuard.h"
#include "aquarium/PictureLoading.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace fw::test {
namespace {

const QSize Screen(1920, 1080);

class PictureGuard : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    QString file(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

    std::optional<DecodingCost> costOf(const char *name, PictureKind kind) const
    {
        QFile picture(file(name));
        if (!picture.open(QIODevice::ReadOnly))
            return std::nullopt;
        return decodingCost(kind, picture, Screen);
    }

    QTemporaryDir dir;
};

TEST_F(PictureGuard, AGifIsJudgedByItsLogicalScreenNotItsFrame)
{
    // 16 x 16 pixels on an 11000 x 11000 screen: a few hundred bytes that
    // would make the decoder allocate about 480 MB.
    ASSERT_TRUE(writeGif(file("bomb.gif"), 16, 16, QSize(11000, 11000)));
    const std::optional<DecodingCost> bomb = costOf("bomb.gif", PictureKind::Gif);
    ASSERT_TRUE(bomb.has_value());
    EXPECT_EQ(bomb->size, QSize(16, 16));
    EXPECT_GT(bomb->bytes, MaxDecodingBytes);
    EXPECT_TRUE(loadPicture(file("bomb.gif"), Screen).isNull());

    ASSERT_TRUE(writeGif(file("fine.gif"), 800, 600));
    const std::optional<DecodingCost> fine = costOf("fine.gif", PictureKind::Gif);
    ASSERT_TRUE(fine.has_value());
    EXPECT_EQ(fine->bytes, 3 * 800 * 600 * 4); // canvas, frame copy, kept part
    EXPECT_EQ(loadPicture(file("fine.gif"), Screen).size, QSize(800, 600));
}

TEST_F(PictureGuard, APictureStoredInSeveralScansCountsItsCoefficients)
{
    ASSERT_TRUE(writeJpegClaimingSize(file("huge.jpg"), QSize(9000, 7000), false));
    ASSERT_TRUE(writeJpegClaimingSize(file("huge-progressive.jpg"), QSize(9000, 7000), true));
    const std::optional<DecodingCost> baseline = costOf("huge.jpg", PictureKind::Jpeg);
    const std::optional<DecodingCost> progressive =
        costOf("huge-progressive.jpg", PictureKind::Jpeg);
    ASSERT_TRUE(baseline.has_value());
    ASSERT_TRUE(progressive.has_value());
    // One scan: decoded row by row, only the screen's part is kept.
    EXPECT_EQ(baseline->size, QSize(9000, 7000));
    EXPECT_EQ(baseline->bytes, 1920 * 1080 * 4);
    EXPECT_GT(progressive->bytes, MaxDecodingBytes);
    EXPECT_TRUE(loadPicture(file("huge-progressive.jpg"), Screen).isNull());

    QImageWriter writer(file("small-progressive.jpg"), "JPEG");
    writer.setProgressiveScanWrite(true);
    ASSERT_TRUE(writer.write(quadrantPicture(640, 480)));
    EXPECT_EQ(loadPicture(file("small-progressive.jpg"), Screen).size, QSize(640, 480));
}

TEST_F(PictureGuard, OnlyBitmapsJpegsAndGifsAreShownWhateverTheirNames)
{
    ASSERT_TRUE(quadrantPicture(640, 480).save(file("png.bmp"), "PNG"));
    EXPECT_TRUE(loadPicture(file("png.bmp"), Screen).isNull());
    ASSERT_TRUE(writeBmp(file("bitmap.jpg"), quadrantPicture(640, 480)));
    EXPECT_EQ(loadPicture(file("bitmap.jpg"), Screen).size, QSize(640, 480));
    ASSERT_TRUE(writeGif(file("gif.txt"), 640, 480));
    EXPECT_EQ(loadPicture(file("gif.txt"), Screen).size, QSize(640, 480));

    EXPECT_EQ(pictureKindOf("bmp"), PictureKind::Bmp);
    EXPECT_EQ(pictureKindOf("jpeg"), PictureKind::Jpeg);
    EXPECT_EQ(pictureKindOf("gif"), PictureKind::Gif);
    EXPECT_FALSE(pictureKindOf("png").has_value());
    EXPECT_FALSE(pictureKindOf("svg").has_value());
}

TEST_F(PictureGuard, ABitmapIsDecodedWholeAndBrokenHeadersAreRefused)
{
    ASSERT_TRUE(writeBmp(file("wide.bmp"), quadrantPicture(2000, 500)));
    const std::optional<DecodingCost> wide = costOf("wide.bmp", PictureKind::Bmp);
    ASSERT_TRUE(wide.has_value());
    EXPECT_EQ(wide->bytes, 2000 * 500 * 4 + 1920 * 500 * 4);

    // A header that claims 5000 x -4000 (stored top-down).
    QByteArray header = QByteArray("BM") + QByteArray(12, '\0');
    const auto put32 = [&header](qint32 v) {
        for (int i = 0; i < 4; ++i)
            header += char((quint32(v) >> (8 * i)) & 0xff);
    };
    put32(40);
    put32(5000);
    put32(-4000);
    QBuffer claimed(&header);
    claimed.open(QIODevice::ReadOnly);
    const std::optional<DecodingCost> big = decodingCost(PictureKind::Bmp, claimed, Screen);
    ASSERT_TRUE(big.has_value());
    EXPECT_EQ(big->size, QSize(5000, 4000));
    EXPECT_GT(big->bytes, MaxDecodingBytes);

    for (const QByteArray &broken : {QByteArray(), QByteArray("BM"), QByteArray("GIF89a\x10"),
                                     QByteArray("\xff\xd8\xff\xc0\x00\x01", 6)}) {
        for (PictureKind kind : {PictureKind::Bmp, PictureKind::Jpeg, PictureKind::Gif}) {
            QByteArray bytes = broken;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            EXPECT_FALSE(decodingCost(kind, buffer, Screen).has_value());
        }
    }
}

TEST_F(PictureGuard, ABitmapStoredTopDownIsShownRightSideUpAtEveryDepth)
{
    const int w = 640;
    const int h = 480;
    for (int bits : {1, 4, 8, 16, 24, 32}) {
        SCOPED_TRACE(bits);
        const QString path = file("top-down.bmp");
        ASSERT_TRUE(writeTopDownBmp(path, w, h, bits));
        const std::optional<DecodingCost> cost = costOf("top-down.bmp", PictureKind::Bmp);
        ASSERT_TRUE(cost.has_value());
        EXPECT_EQ(cost->size, QSize(w, h));
        EXPECT_LE(cost->bytes, MaxDecodingBytes);

        const LoadedPicture picture = loadPicture(path, Screen);
        ASSERT_FALSE(picture.isNull());
        EXPECT_EQ(picture.size, QSize(w, h));
        // At 16 bits a channel keeps its top five bits.
        const QRgb kept = bits == 16 ? 0xfff8f8f8u : 0xffffffffu;
        const auto at = [&](int x, int y) { return picture.image.pixel(x, y) | 0xff000000u; };
        const int top = 0;
        const int bottom = h - 1;
        if (bits == 1) {
            EXPECT_EQ(at(0, top), TopDownColours[0] & kept);
            EXPECT_EQ(at(w - 1, top), TopDownColours[0] & kept);
            EXPECT_EQ(at(0, bottom), TopDownColours[2] & kept);
            continue;
        }
        EXPECT_EQ(at(0, top), TopDownColours[0] & kept);
        EXPECT_EQ(at(w - 1, top), TopDownColours[1] & kept);
        EXPECT_EQ(at(0, bottom), TopDownColours[2] & kept);
        EXPECT_EQ(at(w - 1, bottom), TopDownColours[3] & kept);
        // Only the top-left part a screen shows is kept, the right way up.
        const LoadedPicture part = loadPicture(path, QSize(400, 300));
        ASSERT_FALSE(part.isNull());
        EXPECT_EQ(part.image.size(), QSize(400, 300));
        EXPECT_EQ(part.image.pixel(0, 0) | 0xff000000u, TopDownColours[0] & kept);
        EXPECT_EQ(part.image.pixel(399, 299) | 0xff000000u, TopDownColours[3] & kept);
    }
}

} // namespace
} // namespace fw::test
