#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

/// A recipe's picture as the recipe book stores it: the bytes of the picture's own file format.
namespace picture {

/// What the stored bytes are, told by their first two bytes.
enum class Format { None, Bitmap, Jpeg, Metafile, Icon };
Format formatOf(const QByteArray &stored);

/// The bytes of a file of the picture's own format: the stored bytes, a bitmap without its graphic header.
QByteArray fileBytes(const QByteArray &stored);

/// The image the stored bytes show; a null image when there is none or it cannot be read.
QImage decode(const QByteArray &stored);

/// Decodes JPEG data with libjpeg; a null image when the data is damaged.
QImage decodeJpeg(const QByteArray &data);

/// The bytes to store for a picture file, chosen by the file's extension (.jpg, .jpeg, .bmp, .ico) and
/// checked to be readable. On failure the bytes are empty and `error` says why.
QByteArray readFile(const QString &path, QString &error);

/// The file-type list of the picture file box: every readable kind together first, then each kind.
QStringList fileFilters();

} // namespace picture
