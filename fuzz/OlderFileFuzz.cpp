// Older data files of any content: told apart and copied for the import, or refused, without a crash.
#include "data/OlderDataFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

namespace {

QTemporaryDir *folder = nullptr;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    static QCoreApplication app(*argc, *argv);
    static QTemporaryDir dir;
    folder = &dir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QString source = folder->filePath(QStringLiteral("older.mdb"));
    const QString copy = folder->filePath(QStringLiteral("copy.mdb"));
    {
        QFile file(source);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    (void)olddata::kindOf(source);
    (void)olddata::convert(source, copy);
    return 0;
}
