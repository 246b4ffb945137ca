#include "PictureData.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTransform>
#include <QtEndian>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <libexif/exif-data.h>
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
/// The most pixels a picture is decoded to: 48 MB of colour, so that loading any picture stays under 64 MB.
constexpr std::uint64_t MaximumDecodedPixels = 16'000'000;
/// A JPEG compresses a plain picture a few hundred times at most; data claiming far more pixels than that is
/// a header with nothing behind it.
constexpr std::uint64_t MaximumPixelsPerByte = 2000;

struct JpegError {
    jpeg_error_mgr manager;
    std::jmp_buf jump;
    bool damaged;
};

void jpegFailed(j_common_ptr info) {
    std::longjmp(reinterpret_cast<JpegError *>(info->err)->jump, 1);
}

/// Warnings tell of damaged data (the file ends early, a marker is missing); a picture with any of them is
/// refused rather than shown with a grey part. Stray bytes between markers are harmless.
void jpegWarning(j_common_ptr info, int level) {
    if (level < 0 && info->err->msg_code != JWRN_EXTRANEOUS_DATA)
        reinterpret_cast<JpegError *>(info->err)->damaged = true;
}

/// The orientation a camera noted in the picture's EXIF data: 1 (as stored) to 8.
int exifOrientation(const QByteArray &data) {
    ExifData *exif = exif_data_new_from_data(reinterpret_cast<const unsigned char *>(data.constData()),
                                             unsigned(data.size()));
    if (exif == nullptr)
        return 1;
    int orientation = 1;
    if (ExifEntry *entry = exif_data_get_entry(exif, EXIF_TAG_ORIENTATION);
        entry != nullptr && entry->format == EXIF_FORMAT_SHORT && entry->size >= 2)
        orientation = exif_get_short(entry->data, exif_data_get_byte_order(exif));
    exif_data_unref(exif);
    return orientation >= 1 && orientation <= 8 ? orientation : 1;
}

bool turnsSideways(int orientation) {
    return orientation >= 5;
}

/// The picture as the camera saw it upright; the stored bytes stay as they are.
QImage upright(QImage image, int orientation) {
    switch (orientation) {
    case 2:
        return image.mirrored(true, false);
    case 3:
        return image.transformed(QTransform().rotate(180));
    case 4:
        return image.mirrored(false, true);
    case 5:
        return image.transformed(QTransform().rotate(90)).mirrored(true, false);
    case 6:
        return image.transformed(QTransform().rotate(90));
    case 7:
        return image.transformed(QTransform().rotate(270)).mirrored(true, false);
    case 8:
        return image.transformed(QTransform().rotate(270));
    default:
        return image;
    }
}

/// Turns CMYK pixels, four bytes each as libjpeg gives them, into RGB. Adobe's programs store the four
/// inks inverted (0 is full ink), as most CMYK JPEGs are written.
void cmykToRgb(QImage &image, bool inverted) {
    QImage rgb(image.size(), QImage::Format_RGB888);
    for (int y = 0; y < image.height(); ++y) {
        const uchar *in = image.constScanLine(y);
        uchar *out = rgb.scanLine(y);
        for (int x = 0; x < image.width(); ++x, in += 4, out += 3) {
            const int c = inverted ? in[0] : 255 - in[0];
            const int m = inverted ? in[1] : 255 - in[1];
            const int yellow = inverted ? in[2] : 255 - in[2];
            const int k = inverted ? in[3] : 255 - in[3];
            out[0] = uchar(c * k / 255);
            out[1] = uchar(m * k / 255);
            out[2] = uchar(yellow * k / 255);
        }
    }
    image = std::move(rgb);
}

/// Decodes into `image` at the smallest of libjpeg's scales (1/8 to 1) that still covers `fitting` (or at
/// full size without one), never beyond MaximumDecodedPixels. Kept free of objects with destructors that
/// live across libjpeg's calls, since a failure jumps out of libjpeg straight back here. With `onlySize`,
/// reads no more than the header.
bool decodeJpegInto(const unsigned char *data, unsigned long size, QSize fitting, bool onlySize,
                    QImage &image, QSize &stored) {
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
    const std::uint64_t pixels = std::uint64_t(info.image_width) * info.image_height;
    if (pixels > MaximumPixels || pixels > std::uint64_t(size) * MaximumPixelsPerByte) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    stored = QSize(int(info.image_width), int(info.image_height));
    if (onlySize) {
        jpeg_destroy_decompress(&info);
        return true;
    }
    unsigned denominator = 1;
    for (const unsigned d : {8U, 4U, 2U}) {
        const unsigned width = (info.image_width + d - 1) / d;
        const unsigned height = (info.image_height + d - 1) / d;
        if (fitting.isValid() && width >= unsigned(fitting.width()) && height >= unsigned(fitting.height())) {
            denominator = d;
            break;
        }
    }
    while (denominator < 8 && pixels / (std::uint64_t(denominator) * denominator) > MaximumDecodedPixels)
        denominator *= 2;
    info.scale_num = 1;
    info.scale_denom = denominator;
    if (denominator > 1) {
        // A picture shown smaller than it was taken loses nothing visible to the faster arithmetic.
        info.dct_method = JDCT_IFAST;
        info.do_fancy_upsampling = FALSE;
    }
    // A print shop's CMYK (or YCCK) picture comes out as CMYK, four bytes a pixel, turned into RGB below.
    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    const bool inverted = info.saw_Adobe_marker != 0;
    info.out_color_space = cmyk ? JCS_CMYK : JCS_RGB;
    jpeg_start_decompress(&info);
    image = QImage(int(info.output_width), int(info.output_height),
                   cmyk ? QImage::Format_RGBA8888 : QImage::Format_RGB888);
    if (image.isNull()) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    if (cmyk)
        cmykToRgb(image, inverted);
    return !error.damaged;
}

} // namespace

QByteArray fileBytes(const QByteArray &stored) {
    return formatOf(stored) == Format::Bitmap ? bitmapBytes(stored) : stored;
}

QImage decodeJpeg(const QByteArray &data, const QSize &fitting) {
    const int orientation = exifOrientation(data);
    const QSize want = fitting.isValid() && turnsSideways(orientation) ? fitting.transposed() : fitting;
    QImage image;
    QSize stored;
    if (!decodeJpegInto(reinterpret_cast<const unsigned char *>(data.constData()),
                        static_cast<unsigned long>(data.size()), want, false, image, stored) ||
        image.isNull())
        return {};
    return upright(std::move(image), orientation);
}

QSize pictureSize(const QByteArray &stored) {
    if (formatOf(stored) != Format::Jpeg) {
        const QImage image = decode(stored);
        return image.size();
    }
    QImage none;
    QSize size;
    if (!decodeJpegInto(reinterpret_cast<const unsigned char *>(stored.constData()),
                        static_cast<unsigned long>(stored.size()), QSize(), true, none, size))
        return {};
    return turnsSideways(exifOrientation(stored)) ? size.transposed() : size;
}

QImage decode(const QByteArray &stored, const QSize &fitting) {
    switch (formatOf(stored)) {
    case Format::Jpeg:
        return decodeJpeg(stored, fitting);
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
    // Checked whole but decoded small: every byte is read, and little memory is taken.
    if (formatOf(bytes) != expected || decode(bytes, QSize(1, 1)).isNull()) {
        error = QStringLiteral("\"%1\" is not a picture Mealvane can read, or it is damaged.")
                    .arg(QFileInfo(path).fileName());
        return {};
    }
    return bytes;
}

QByteArray reduced(const QByteArray &stored, int longSide) {
    const QSize full = pictureSize(stored);
    if (!full.isValid())
        return {};
    const QSize target = full.width() > longSide || full.height() > longSide
                             ? full.scaled(longSide, longSide, Qt::KeepAspectRatio)
                             : full;
    // Decoded no larger than needed, then brought to the size exactly.
    QImage image = decode(stored, target);
    if (image.isNull())
        return {};
    if (image.width() > target.width() || image.height() > target.height())
        image = image.scaled(target, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    if (!image.convertToFormat(QImage::Format_RGB32).save(&buffer, "JPEG", 90))
        return {};
    return jpeg;
}

bool readable(const QByteArray &stored) {
    if (!pictureSize(stored).isValid())
        return false;
    if (formatOf(stored) != Format::Jpeg)
        return true;
    // A JPEG that ends in its end marker is taken as whole; one that does not is decoded, small, to see.
    qsizetype end = stored.size();
    while (end > 0 && stored.at(end - 1) == '\0')
        --end;
    if (end >= 2 && uchar(stored.at(end - 2)) == 0xFF && uchar(stored.at(end - 1)) == 0xD9)
        return true;
    return !decodeJpeg(stored, QSize(1, 1)).isNull();
}

QStringList fileFilters() {
    return {QStringLiteral("All (*.jpg *.jpeg *.bmp *.ico)"),
            QStringLiteral("JPEG Image File (*.jpg *.jpeg)"), QStringLiteral("Bitmaps (*.bmp)"),
            QStringLiteral("Icons (*.ico)")};
}

} // namespace picture
