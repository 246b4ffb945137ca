#pragma once

#include <QString>

namespace db {
class Connection;
}

/// The household's choices kept in its recipe book, so that every computer opening the book plans alike.
namespace booksettings {

/// The stored value of a setting, or `fallback` when the book has none (or cannot be read).
QString value(db::Connection &connection, const QString &name, const QString &fallback = {});
/// Stores a setting's value in place of the one it had.
void setValue(db::Connection &connection, const QString &name, const QString &value);

/// The settings the program keeps.
inline constexpr const char *People = "People";
inline constexpr const char *Units = "Units";
/// "1" when shopping lists come in the order of the way through the shop rather than by name.
inline constexpr const char *ShopOrder = "ShopOrder";

} // namespace booksettings
