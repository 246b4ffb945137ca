#pragma once

#include <QString>
#include <stdexcept>

namespace db {

/// An error reported by the database engine or the dataset layer; carries the engine's own message text.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message) {}
    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace db
