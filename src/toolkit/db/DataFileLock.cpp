#include "DataFileLock.h"

#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace db {

DataFileLock::DataFileLock(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    // flock() locks are separate from the record locks the engine takes on the same file, so holding one
    // never gets in the way of the engine's own locking.
    m_fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0)
        return; // a missing or unreadable file is reported when the connection opens it
    // A lock held for a moment (a tool looking whether the file is in use, a program just closing) is
    // waited for, up to a second, before the file counts as in use.
    int tries = 0;
    while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno;
        if (error == EWOULDBLOCK && ++tries < 40) {
            ::usleep(25 * 1000);
            continue;
        }
        ::close(m_fd);
        m_fd = -1;
        if (error == EWOULDBLOCK)
            throw DataFileInUse(inUseMessage(path));
        return;
    }
}

DataFileLock::~DataFileLock() {
    if (m_fd >= 0)
        ::close(m_fd);
}

QString DataFileLock::inUseMessage(const QString &path) {
    return QStringLiteral("Mealvane is already open with the recipe book '%1'.\n\nUse the Mealvane window "
                          "that is open, or close it and start Mealvane again.")
        .arg(QFileInfo(path).absoluteFilePath());
}

} // namespace db
