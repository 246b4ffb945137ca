#include "recipes/PictureData.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <vector>

using namespace picture;

namespace {

QByteArray encoded(const QImage &image, const char *format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage sample(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    return image;
}

QString written(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes) {
    QFile file(dir.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

} // namespace

TEST(PictureData, TheFirstTwoBytesTellTheFormat) {
    EXPECT_EQ(formatOf(QByteArray("BM\x01\x02", 4)), Format::Bitmap);
    EXPECT_EQ(formatOf(QByteArray("\xFF\xD8\xFF", 3)), Format::Jpeg);
    EXPECT_EQ(formatOf(QByteArray("\xD7\xCD\xC6\x9A", 4)), Format::Metafile);
    EXPECT_EQ(formatOf(QByteArray("\x00\x00\x01\x00", 4)), Format::Icon);
    EXPECT_EQ(formatOf(QByteArray("\x01\x00\x00\x01", 4)), Format::Bitmap);
    EXPECT_EQ(formatOf(QByteArray("GIF89a")), Format::None);
    EXPECT_EQ(formatOf(QByteArray("\xFF\xD8", 2)), Format::None) << "two bytes are no picture";
    EXPECT_EQ(formatOf(QByteArray()), Format::None);
}

TEST(PictureData, JpegAndBitmapDataShowAndDamagedDataDoesNot) {
    const QByteArray jpeg = encoded(sample(64, 48), "JPG");
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8"));
    const QImage shown = decode(jpeg);
    EXPECT_EQ(shown.size(), QSize(64, 48));
    EXPECT_NEAR(QColor(shown.pixel(10, 10)).red(), 200, 8);
    // Cut-off data is refused without reading past its end.
    EXPECT_TRUE(decode(jpeg.left(jpeg.size() / 2)).isNull());
    EXPECT_TRUE(decode(jpeg.left(20)).isNull());
    EXPECT_TRUE(decode(QByteArray("\xFF\xD8garbage that is no JPEG at all", 33)).isNull());

    const QByteArray bmp = encoded(sample(10, 5), "BMP");
    EXPECT_EQ(decode(bmp).size(), QSize(10, 5));
    // A bitmap behind a graphic header of eight bytes.
    QByteArray headed("\x01\x00\x00\x01", 4);
    const quint32 length = quint32(bmp.size());
    headed.append(reinterpret_cast<const char *>(&length), 4);
    headed.append(bmp);
    EXPECT_EQ(decode(headed).size(), QSize(10, 5));
    EXPECT_EQ(fileBytes(headed), bmp);
    EXPECT_EQ(fileBytes(jpeg), jpeg);
}

TEST(PictureData, FilesAreReadByTheirExtensionAndChecked) {
    QTemporaryDir dir;
    QString error;
    const QByteArray jpeg = encoded(sample(20, 20), "JPG");
    EXPECT_EQ(readFile(written(dir, QStringLiteral("dish.JPEG"), jpeg), error), jpeg);
    EXPECT_EQ(readFile(written(dir, QStringLiteral("dish.bmp"), encoded(sample(4, 4), "BMP")), error).left(2),
              QByteArray("BM"));

    EXPECT_TRUE(readFile(written(dir, QStringLiteral("dish.gif"), jpeg), error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("cannot read pictures"))) << qPrintable(error);
    error.clear();
    EXPECT_TRUE(readFile(written(dir, QStringLiteral("notes.jpg"), "just some text"), error).isEmpty());
    EXPECT_TRUE(error.contains(QStringLiteral("damaged"))) << qPrintable(error);
    error.clear();
    EXPECT_TRUE(readFile(dir.filePath(QStringLiteral("missing.jpg")), error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

namespace {

/// A JPEG of that size with an EXIF block noting the camera's orientation (1 to 8).
QByteArray withOrientation(const QByteArray &jpeg, quint16 orientation) {
    // TIFF header (little-endian), one IFD entry: Orientation (0x0112), SHORT, count 1.
    QByteArray tiff("II*\0\x08\0\0\0", 8);
    tiff += QByteArray("\x01\0", 2);
    tiff += QByteArray("\x12\x01\x03\0\x01\0\0\0", 8);
    tiff += char(orientation & 0xff);
    tiff += char(orientation >> 8);
    tiff += QByteArray(2, '\0');
    tiff += QByteArray(4, '\0');
    const QByteArray payload = QByteArray("Exif\0\0", 6) + tiff;
    QByteArray segment("\xFF\xE1", 2);
    const int length = int(payload.size()) + 2;
    segment += char(length >> 8);
    segment += char(length & 0xff);
    segment += payload;
    return jpeg.left(2) + segment + jpeg.mid(2);
}

} // namespace

TEST(PictureData, PhotographsAreDecodedOnlyAsLargeAsTheyAreShown) {
    const QByteArray photo = encoded(sample(1600, 1200), "JPG");
    EXPECT_EQ(pictureSize(photo), QSize(1600, 1200));
    const QImage box = decode(photo, QSize(200, 150));
    EXPECT_EQ(box.size(), QSize(200, 150)) << "an eighth covers the box";
    const QImage larger = decode(photo, QSize(500, 300));
    EXPECT_EQ(larger.size(), QSize(800, 600)) << "the smallest scale that still covers it";
    EXPECT_EQ(decode(photo).size(), QSize(1600, 1200));
}

TEST(PictureData, DamagedAndHostileJpegsAreRefused) {
    const QByteArray photo = encoded(sample(640, 480), "JPG");
    EXPECT_TRUE(decode(photo).width() == 640);
    EXPECT_TRUE(decode(photo.left(photo.size() / 2)).isNull()) << "a file cut in half";
    // A few hundred bytes claiming 10000 x 10000 pixels: the header's size bytes rewritten.
    QByteArray claim = encoded(sample(8, 8), "JPG");
    const qsizetype frame = claim.indexOf(QByteArray("\xFF\xC0", 2));
    ASSERT_GT(frame, 0);
    claim[frame + 5] = char(10000 >> 8);
    claim[frame + 6] = char(10000 & 0xff);
    claim[frame + 7] = char(10000 >> 8);
    claim[frame + 8] = char(10000 & 0xff);
    EXPECT_FALSE(pictureSize(claim).isValid());
    EXPECT_TRUE(decode(claim).isNull());
    QTemporaryDir dir;
    QString error;
    EXPECT_TRUE(
        readFile(written(dir, QStringLiteral("half.jpg"), photo.left(photo.size() / 2)), error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(PictureData, TheCamerasOrientationIsHonouredAndTheBytesKept) {
    QImage wide = sample(64, 32);
    wide.setPixelColor(0, 0, Qt::white); // a mark in the top left corner as stored
    const QByteArray stored = withOrientation(encoded(wide, "JPG"), 6);
    EXPECT_EQ(pictureSize(stored), QSize(32, 64)) << "turned a quarter clockwise";
    const QImage shown = decode(stored);
    ASSERT_EQ(shown.size(), QSize(32, 64));
    EXPECT_GT(qGray(shown.pixel(31, 0)), 180) << "the stored top left corner is now top right";
    EXPECT_EQ(fileBytes(stored), stored);
    for (quint16 o = 1; o <= 8; ++o) {
        const QSize size = decode(withOrientation(encoded(wide, "JPG"), o)).size();
        EXPECT_EQ(size, o >= 5 ? QSize(32, 64) : QSize(64, 32)) << o;
    }
}

TEST(PictureData, APhotoIsKeptUprightAtTwoThousandPixels) {
    // Stored lying on its side (the camera noted "turn a quarter clockwise"): red on the left, blue on the
    // right, which upright is red above blue.
    QImage lying(4000, 3000, QImage::Format_RGB32);
    lying.fill(Qt::blue);
    for (int y = 0; y < 3000; ++y)
        for (int x = 0; x < 2000; ++x)
            lying.setPixel(x, y, qRgb(255, 0, 0));
    const QByteArray photo = withOrientation(encoded(lying, "JPG"), 6);
    ASSERT_EQ(pictureSize(photo), QSize(3000, 4000));
    const QByteArray kept = reduced(photo);
    ASSERT_EQ(formatOf(kept), Format::Jpeg);
    EXPECT_EQ(pictureSize(kept), QSize(1500, 2000));
    EXPECT_LT(kept.size(), photo.size());
    const QImage upright = decode(kept);
    EXPECT_GT(qRed(upright.pixel(750, 200)), 200) << "red above";
    EXPECT_GT(qBlue(upright.pixel(750, 1800)), 200) << "blue below";
    EXPECT_EQ(pictureSize(reduced(encoded(sample(640, 480), "JPG"))), QSize(640, 480))
        << "a small one keeps its size";
    EXPECT_TRUE(reduced(QByteArrayLiteral("no picture")).isEmpty());
}

namespace {

/// A JPEG in four inks as a print shop's program writes it (Adobe's inverted CMYK), stored as CMYK or as
/// YCCK: every pixel full magenta and yellow, which shows red.
QByteArray inkJpeg(J_COLOR_SPACE stored) {
    jpeg_compress_struct info{};
    jpeg_error_mgr error{};
    info.err = jpeg_std_error(&error);
    jpeg_create_compress(&info);
    unsigned char *out = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &out, &size);
    info.image_width = 64;
    info.image_height = 48;
    info.input_components = 4;
    info.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&info);
    jpeg_set_colorspace(&info, stored);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(64 * 4);
    for (int x = 0; x < 64; ++x) {
        // Inverted: 255 is no ink, 0 full ink.
        row[size_t(x) * 4 + 0] = 255;
        row[size_t(x) * 4 + 1] = 0;
        row[size_t(x) * 4 + 2] = 0;
        row[size_t(x) * 4 + 3] = 255;
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW line = row.data();
        jpeg_write_scanlines(&info, &line, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char *>(out), qsizetype(size));
    free(out);
    return bytes;
}

} // namespace

TEST(PictureData, CmykAndYcckJpegsShowInTheirColours) {
    for (const J_COLOR_SPACE stored : {JCS_CMYK, JCS_YCCK}) {
        const QByteArray ink = inkJpeg(stored);
        const QImage image = decode(ink);
        ASSERT_EQ(image.size(), QSize(64, 48)) << stored;
        const QColor seen = image.pixelColor(32, 24);
        EXPECT_GT(seen.red(), 220) << stored;
        EXPECT_LT(seen.green(), 40) << stored;
        EXPECT_LT(seen.blue(), 40) << stored;
        EXPECT_TRUE(readable(ink));
        EXPECT_EQ(decode(ink, QSize(8, 6)).size(), QSize(8, 6)) << "scaled as any other";
    }
    const QByteArray photo = encoded(sample(640, 480), "JPG");
    EXPECT_TRUE(readable(photo));
    EXPECT_FALSE(readable(photo.left(photo.size() / 2))) << "cut off at half";
    EXPECT_TRUE(readable(photo + QByteArray(16, '\0'))) << "zeros after the end marker";
}
