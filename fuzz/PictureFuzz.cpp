// Stored picture bytes of any kind: recognised, unwrapped and decoded without a crash, a leak or a read
// outside the data.
#include "recipes/PictureData.h"

#include <QGuiApplication>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    // Icons are read through an image plugin, which wants an application object.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray stored(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)picture::formatOf(stored);
    (void)picture::fileBytes(stored);
    const QImage image = picture::decode(stored);
    (void)image.isNull();
    (void)picture::decodeJpeg(stored);
    return 0;
}
