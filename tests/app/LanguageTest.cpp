#include "app/Language.h"
#include "support/ProgramTest.h"

#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

/// One message of a translation file as a translator left it.
struct Message {
    QString context, source;
    QStringList forms;
    bool unfinished = false;
    bool numerus = false;
};

QList<Message> messages(const QString &path) {
    QList<Message> read;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return read;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement())
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = Message{context, {}, {}, false, false};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.unfinished = xml.attributes().value(QLatin1String("type")) == QLatin1String("unfinished");
            QString text;
            QStringList forms;
            while (!xml.atEnd() && !(xml.isEndElement() && xml.name() == QLatin1String("translation"))) {
                xml.readNext();
                if (xml.isCharacters())
                    text += xml.text();
                else if (xml.isStartElement() && xml.name() == QLatin1String("numerusform"))
                    forms << xml.readElementText();
            }
            message.numerus = !forms.isEmpty();
            message.forms = message.numerus ? forms : QStringList{text};
            read << message;
        }
    }
    return read;
}

QSet<QString> placeholders(const QString &text) {
    QSet<QString> found;
    static const QRegularExpression marker(QStringLiteral("%[1-9n]"));
    for (const auto &m : marker.globalMatch(text))
        found.insert(m.captured());
    return found;
}

/// A program started on a starter book of its own.
struct Started {
    TestDataFile book{TestDataFile::Contents::Starter};
    FakeDialogs dialogs;
    FakeShell shell;
    FixedClock clock{QDateTime(QDate(2026, 12, 12), QTime(9, 0))};
    Mealvane program{AppServices{dialogs, shell, clock}, StartupOptions{0, 0, book.path()}};
};

} // namespace

// Every text of the program is translated in every language, with the same placeholders and a key for
// every key the English has, and the built translation gives back what the translator wrote.
TEST(Translations, EveryTextIsTranslatedInEveryLanguage) {
    const QString sources = QStringLiteral(MEALVANE_FIXTURES "/../../translations");
    for (const char *code : {"de", "fr", "es", "it", "nl"}) {
        SCOPED_TRACE(code);
        const QList<Message> all =
            messages(QDir(sources).filePath(QStringLiteral("mealvane_%1.ts").arg(QLatin1String(code))));
        ASSERT_GT(all.size(), 300);
        QTranslator built;
        ASSERT_TRUE(built.load(QStringLiteral("mealvane_%1").arg(QLatin1String(code)),
                               language::translationsFolder()));
        for (const Message &m : all) {
            SCOPED_TRACE(m.source.toStdString());
            EXPECT_FALSE(m.unfinished);
            for (const QString &form : m.forms) {
                EXPECT_FALSE(form.trimmed().isEmpty());
                EXPECT_EQ(placeholders(form), placeholders(m.source));
                if (m.source.contains(QRegularExpression(QStringLiteral("&[^ &]")))) {
                    EXPECT_TRUE(form.contains(QRegularExpression(QStringLiteral("&[^ &]"))))
                        << form.toStdString();
                }
            }
            if (!m.numerus) {
                EXPECT_EQ(built.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                          m.forms.first());
            }
        }
    }
}

// The language chosen in Edit > Language... is the one the next start speaks; the English texts stay
// the program's own where no language is chosen.
TEST(Translations, TheLanguageChosenSpeaksFromTheNextStart) {
    const QLocale before;
    const auto restore = qScopeGuard([&before] { language::uninstall(before); });
    {
        Started english;
        TForm1 &w = english.program.mainWindow();
        EXPECT_EQ(w.menuBar()->actions().first()->text(), QStringLiteral("&File"));
        w.showModal = [](QDialog &box) {
            auto *choice = box.findChild<QComboBox *>(QStringLiteral("LanguageChoice"));
            choice->setCurrentIndex(choice->findData(QStringLiteral("de")));
            box.accept();
        };
        w.findChild<QAction *>(QStringLiteral("ActionLanguage"))->trigger();
        EXPECT_EQ(w.menuBar()->actions().first()->text(), QStringLiteral("&File"))
            << "not before the next start";
    }
    ASSERT_EQ(language::chosen(), QStringLiteral("de"));
    const QLocale german = language::install(language::chosen());
    EXPECT_EQ(german.language(), QLocale::German);
    EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1,5"));
    EXPECT_EQ(QLocale().toString(QDate(2026, 12, 12), QLocale::ShortFormat), QStringLiteral("12.12.26"));
    Started next;
    TForm1 &w = next.program.mainWindow();
    QStringList menus;
    for (const QAction *menu : w.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, (QStringList{"&Datei", "&Bearbeiten", "&Aktionen", "Be&richte", "&Hilfe"}));
    EXPECT_EQ(w.findChild<QAction *>(QStringLiteral("ActionUndo"))->text(), QStringLiteral("&Rückgängig"));
    // The captions translate, the names of fields and tables do not: the recipe page still shows the type
    // and the groups, and the daily page its types.
    w.JvXPBar4Items0Click();
    EXPECT_FALSE(w.DBLookupComboBox3->currentText().isEmpty());
    ASSERT_GT(w.DBGrid2->model()->rowCount(), 0);
    EXPECT_FALSE(w.DBGrid2->model()->index(0, 1).data().toString().isEmpty());
    EXPECT_EQ(w.DBGrid2->model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Gruppe"));
    w.JvXPBar5Click();
    EXPECT_GT(w.DBLookupComboBox4->count(), 0);
    language::choose(QString());
    EXPECT_TRUE(language::chosen().isEmpty());
}
