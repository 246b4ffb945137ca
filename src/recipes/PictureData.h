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

/// The image the stored bytes show, upright as the camera noted it; a null image when there is none or it
/// cannot be read. With `fitting`, a JPEG is decoded only as large as needed to cover that size (libjpeg's
/// scaled decoding), which is much faster and smaller for a camera photo shown in a small box.
QImage decode(const QByteArray &stored, const QSize &fitting = QSize());

/// Decodes JPEG data with libjpeg; a null image when the data is damaged, ends early, or claims a size its
/// data cannot hold.
QImage decodeJpeg(const QByteArray &data, const QSize &fitting = QSize());

/// The size of the picture, upright, read from its header alone where it can be; invalid when there is
/// none.
QSize pictureSize(const QByteArray &stored);

/// The bytes to store for a picture file, chosen by the file's extension (.jpg, .jpeg, .bmp, .ico) and
/// checked to be readable. On failure the bytes are empty and `error` says why.
QByteArray readFile(const QString &path, QString &error);

/// Whether the stored picture can be shown: its header read, and a JPEG that does not end where a whole
/// one ends decoded to see (a file cut short shows nothing).
bool readable(const QByteArray &stored);

/// The longest side a photo is offered to be kept at: a printed picture is 40 x 30 mm, the recipe page's box
/// smaller.
constexpr int KeptLongSide = 2000;

/// The picture as a JPEG of good quality (90), upright as the camera noted it, its long side at most
/// `longSide` pixels; empty when the bytes are no picture.
QByteArray reduced(const QByteArray &stored, int longSide = KeptLongSide);

/// The file-type list of the picture file box: every readable kind together first, then each kind.
QStringList fileFilters();

} // namespace picture
