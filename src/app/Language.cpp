#include "Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace language {

namespace {

constexpr const char *Setting = "Language";

/// The translators `install` put in, so that another install or `uninstall` takes them out.
QList<QTranslator *> &installed() {
    static QList<QTranslator *> translators;
    return translators;
}

} // namespace

QList<Choice> choices() {
    return {{"", "System"},    {"en", "English"},  {"de", "Deutsch"},   {"fr", "Français"},
            {"es", "Español"}, {"it", "Italiano"}, {"nl", "Nederlands"}};
}

QString chosen() {
    const QString code = QSettings().value(QLatin1String(Setting)).toString();
    for (const Choice &choice : choices())
        if (code == QLatin1String(choice.code))
            return code;
    return {};
}

void choose(const QString &code) {
    QSettings settings;
    if (code.isEmpty())
        settings.remove(QLatin1String(Setting));
    else
        settings.setValue(QLatin1String(Setting), code);
}

QLocale localeFor(const QString &code) {
    if (code.isEmpty())
        return QLocale::system();
    // The language's own country, unless the desktop's country speaks it too ("de" in Austria stays
    // Austrian).
    const QLocale system = QLocale::system();
    const QLocale language(code);
    if (system.language() == language.language())
        return system;
    return language;
}

QString translationsFolder() {
    const QString folder = qEnvironmentVariable("MEALVANE_TRANSLATIONS_DIR");
    return folder.isEmpty()
               ? QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("translations"))
               : folder;
}

void uninstall(const QLocale &locale) {
    for (QTranslator *translator : installed()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
    installed().clear();
    QLocale::setDefault(locale);
}

QLocale install(const QString &code) {
    uninstall(QLocale());
    const QLocale locale = localeFor(code);
    QLocale::setDefault(locale);
    // English is the program's own; only the other languages are looked up.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return locale;
    auto *own = new QTranslator(QCoreApplication::instance());
    if (own->load(locale, QStringLiteral("mealvane"), QStringLiteral("_"), translationsFolder())) {
        QCoreApplication::installTranslator(own);
        installed() << own;
    } else {
        delete own;
    }
    auto *toolkit = new QTranslator(QCoreApplication::instance());
    if (toolkit->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(toolkit);
        installed() << toolkit;
    } else {
        delete toolkit;
    }
    return locale;
}

} // namespace language
