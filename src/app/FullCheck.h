#pragma once

#include <QObject>
#include <QString>
#include <atomic>
#include <functional>

class QThread;

/// The engine's full check of the data file, run on a thread of its own while the window stays usable;
/// `damaged` is called on the window's thread with what is wrong when the file fails it. Stopped when the
/// object goes (the program closing does not wait for a check of a large book).
class FullCheck : public QObject {
public:
    FullCheck(const QString &path, std::function<void(const QString &problem)> damaged,
              QObject *parent = nullptr);
    ~FullCheck() override;

    /// Whether the check is still running.
    bool running() const;
    /// Whether the check ran to its end and the file passed it.
    bool passed() const { return m_passed.load(); }

private:
    QThread *m_thread = nullptr;
    std::atomic<void *> m_handle{nullptr};
    std::atomic<bool> m_passed{false};
};

/// Whether the book at `path` is due for its daily full check (none passed today), and the note that it
/// passed one today.
bool fullCheckDue(const QString &path, const QDate &today);
void noteFullCheckPassed(const QString &path, const QDate &today);
