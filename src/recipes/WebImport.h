#pragma once

#include "RecipeFileImport.h"

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <functional>

class TDataModule1;

/// Recipes straight from their web addresses: each page fetched over HTTP or HTTPS (redirects followed,
/// 30 seconds at most, 20 MB at most, no cookies kept, the desktop's proxy honoured), read as a saved page
/// is read, and its picture fetched too.
namespace webimport {

/// What a fetch gave: the bytes, or why there are none, in words that name the address.
struct Fetched {
    QByteArray bytes;
    QString contentType;
    QString failure;
};

/// Limits of one fetch.
constexpr qint64 MostPageBytes = 20 * 1024 * 1024;
constexpr int SecondsToWait = 30;

/// Fetches one address; `cancelled` is asked while it waits (true ends the fetch, with no failure told).
Fetched fetch(const QUrl &address, const std::function<bool()> &cancelled, qint64 most = MostPageBytes,
              int seconds = SecondsToWait);

/// Imports the recipes of every address (one a line; blank lines left out) into the book, each whole or not
/// at all, as the import from files does; an address that gives none is named in `counts.unreadable` with
/// the reason. `step` runs while waiting; when `cancelled` answers true the import stops and what the
/// address being fetched would have brought is not written.
recipefiles::ImportCounts importAddresses(TDataModule1 &data, const QStringList &addresses,
                                          const std::function<void()> &step,
                                          const std::function<bool()> &cancelled, QString *failure = nullptr,
                                          int seconds = SecondsToWait);

} // namespace webimport
