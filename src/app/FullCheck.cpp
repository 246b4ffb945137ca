#include "FullCheck.h"

#include "data/DataFile.h"

#include <QDate>
#include <QFileInfo>
#include <QSettings>
#include <QThread>
#include <sqlite3.h>

FullCheck::FullCheck(const QString &path, std::function<void(const QString &)> damaged, QObject *parent)
    : QObject(parent) {
    m_thread = QThread::create([this, path, damaged = std::move(damaged)] {
        bool interrupted = false;
        const QString problem = datafile::fullCheck(
            path, [this](void *handle) { m_handle.store(handle); }, &interrupted);
        m_passed.store(problem.isEmpty() && !interrupted);
        if (!problem.isEmpty())
            QMetaObject::invokeMethod(
                this, [damaged, problem] { damaged(problem); }, Qt::QueuedConnection);
    });
    m_thread->setPriority(QThread::LowPriority);
    m_thread->start();
}

FullCheck::~FullCheck() {
    if (void *handle = m_handle.load())
        sqlite3_interrupt(static_cast<sqlite3 *>(handle));
    m_thread->wait();
    delete m_thread;
}

bool FullCheck::running() const {
    return m_thread->isRunning();
}

namespace {

QString key(const QString &path) {
    return QStringLiteral("FullCheck/") + QFileInfo(path).absoluteFilePath().toUtf8().toHex();
}

} // namespace

bool fullCheckDue(const QString &path, const QDate &today) {
    return QSettings(QStringLiteral("mealvane"), QStringLiteral("mealvane")).value(key(path)).toDate() !=
           today;
}

void noteFullCheckPassed(const QString &path, const QDate &today) {
    QSettings(QStringLiteral("mealvane"), QStringLiteral("mealvane")).setValue(key(path), today);
}
