#include "recipes/PictureData.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
