#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

/// The language Mealvane speaks: the desktop's unless the user chose another, from the next start.
namespace language {

/// A language the program is translated into, by its code ("de") and its own name ("Deutsch").
struct Choice {
    const char *code;
    const char *name;
};
/// "System" first (an empty code), then English and the translations, each named in itself.
QList<Choice> choices();

/// The code chosen in the settings; empty for the desktop's.
QString chosen();
void choose(const QString &code);

/// The locale the program formats with for a choice: the desktop's for the empty code.
QLocale localeFor(const QString &code);

/// Where the program's translations lie: $MEALVANE_TRANSLATIONS_DIR, else "translations" beside the
/// program.
QString translationsFolder();

/// Makes the chosen language the program's: dates and numbers in its locale, the program's texts and the
/// toolkit's own dialogs translated where a translation is found. Returns the locale taken.
QLocale install(const QString &code);
/// Takes back what `install` put in: the translations go, and the locale is `locale` again.
void uninstall(const QLocale &locale);

} // namespace language
