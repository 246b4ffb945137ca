#include "PictureData.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <jpeglib.h>
#include <vector>

namespace picture {

Format formatOf(const QByteArray &stored) {
    if (stored.size() <= 2)
        return Format::None;
    const auto word = qFromLittleEndian<quint16>(stored.constData());
    switch (word) {
    case 0x4D42:
        return Format::Bitmap;
    case 0xD8FF:
        return Format::Jpeg;
    case 0xCDD7:
        return Format::Metafile;
    case 0x0000:
        return Format::Icon;
    case 0x0001:
        return Format::Bitmap;
    default:
        return Format::None;
    }
}

namespace {

/// Where a bitmap starts: after a graphic header of eight bytes (word 1, word 0x0100, the length of the rest)
/// when the data has one.
QByteArray bitmapBytes(const QByteArray &stored) {
    if (stored.size() >= 8 && qFromLittleEndian<quint16>(stored.constData()) == 0x0001 &&
        qFromLittleEndian<quint16>(stored.constData() + 2) == 0x0100 &&
        qFromLittleEndian<quint32>(stored.constData() + 4) == quint32(stored.size() - 8))
        return stored.mid(8);
    return stored;
}

constexpr std::uint64_t MaximumPixels = 100'000'000;

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void jpegFailed(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError *>(info->err)->jump, 1);
}

void jpegWarning(j_common_ptr, int) {}

/// Decodes into `pixels` (RGB, three bytes a pixel). Kept free of objects with destructors, since a failure
/// jumps out of libjpeg straight back here.
bool decodeRgb(const unsigned char *data, unsigned long size, std::vector<unsigned char> &pixels, int &width,
               int &height) {
    jpeg_decompress_struct info{};
    JpegError error{};
    info.err = jpeg_std_error(&error.manager);
    error.manager.error_exit = jpegFailed;
    error.manager.emit_message = jpegWarning;
    if (setjmp(error.jump) != 0) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    // A damaged header may claim a picture far larger than any recipe photograph.
    if (std::uint64_t(info.image_width) * info.image_height > MaximumPixels) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    width = int(info.output_width);
    height = int(info.output_height);
    pixels.resize(size_t(width) * size_t(height) * 3);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.data() + size_t(info.output_scanline) * size_t(width) * 3;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QByteArray fileBytes(const QByteArray &stored) {
    return formatOf(stored) == Format::Bitmap ? bitmapBytes(stored) : stored;
}

QImage decodeJpeg(const QByteArray &data) {
    std::vector<unsigned char> pixels;
    int width = 0;
    int height = 0;
    if (!decodeRgb(reinterpret_cast<const unsigned char *>(data.constData()),
                   static_cast<unsigned long>(data.size()), pixels, width, height) ||
        width <= 0 || height <= 0)
        return {};
    QImage image(width, height, QImage::Format_RGB888);
    for (int y = 0; y < height; ++y)
        std::copy_n(pixels.data() + size_t(y) * size_t(width) * 3, size_t(width) * 3, image.scanLine(y));
    return image;
}

QImage decode(const QByteArray &stored) {
    switch (formatOf(stored)) {
    case Format::Jpeg:
        return decodeJpeg(stored);
    case Format::Bitmap:
        return QImage::fromData(bitmapBytes(stored), "BMP");
    case Format::Icon:
        return QImage::fromData(stored, "ICO");
    case Format::Metafile:
    case Format::None:
        return {};
    }
    return {};
}

QByteArray readFile(const QString &path, QString &error) {
    const QString extension = QFileInfo(path).suffix().toLower();
    if (extension != QLatin1String("jpg") && extension != QLatin1String("jpeg") &&
        extension != QLatin1String("bmp") && extension != QLatin1String("ico")) {
        error = QStringLiteral(
                    "Mealvane cannot read pictures of the kind \"%1\". Choose a JPEG, bitmap or icon file.")
                    .arg(QFileInfo(path).fileName());
        return {};
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error =
            QStringLiteral("Could not read \"%1\": %2").arg(QFileInfo(path).fileName(), file.errorString());
        return {};
    }
    const QByteArray bytes = file.readAll();
    const Format expected = extension == QLatin1String("bmp")   ? Format::Bitmap
                            : extension == QLatin1String("ico") ? Format::Icon
                                                                : Format::Jpeg;
    if (formatOf(bytes) != expected || decode(bytes).isNull()) {
        error = QStringLiteral("\"%1\" is not a picture Mealvane can read, or it is damaged.")
                    .arg(QFileInfo(path).fileName());
        return {};
    }
    return bytes;
}

QStringList fileFilters() {
    return {QStringLiteral("All (*.jpg *.jpeg *.bmp *.ico)"),
            QStringLiteral("JPEG Image File (*.jpg *.jpeg)"), QStringLiteral("Bitmaps (*.bmp)"),
            QStringLiteral("Icons (*.ico)")};
}

} // namespace picture
