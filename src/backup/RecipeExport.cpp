#include "RecipeExport.h"

#include "recipes/PictureData.h"
#include "recipes/RecipeLines.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QUrl>

namespace recipeexport {

const std::array<const char *, 5> MealTimeNames = {"Morning", "Snack", "Noon", "Night", "Dessert"};

namespace {

QList<qint64> ids(db::Connection &connection, const QString &sql, const QVariant &parameter = {}) {
    db::Statement s(connection, sql);
    if (parameter.isValid())
        s.bind(1, parameter);
    QList<qint64> out;
    while (s.step())
        out << s.value(0).toLongLong();
    return out;
}

/// A text for a JSON-LD string: readers decode markup and entities in these, so a text that holds any is
/// written escaped and reads back as it was.
QString jsonText(const QString &text) {
    return text.contains(u'<') || text.contains(u'&') || text.contains(u'>') ? text.toHtmlEscaped() : text;
}

QString isoDuration(int minutes) {
    QString out = QStringLiteral("PT");
    if (minutes >= 60)
        out += QStringLiteral("%1H").arg(minutes / 60);
    if (minutes % 60 != 0 || minutes < 60)
        out += QStringLiteral("%1M").arg(minutes % 60);
    return out;
}

QString minutesText(int minutes) {
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return minutes % 60 == 0 ? QStringLiteral("%1 h").arg(minutes / 60)
                             : QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

/// The yields to write: the yield as given where it names the servings the book has, else the servings
/// first, then the yield.
QStringList yields(const BookRecipe &r) {
    QStringList out;
    if (r.servings > 0 && recipelines::servingsOf(r.yield) != r.servings)
        out << QStringLiteral("%1 servings").arg(r.servings);
    if (!r.yield.isEmpty())
        out << r.yield;
    return out;
}

/// The categories other programs read: the type, then the meal times.
QStringList categories(const BookRecipe &r) {
    QStringList out;
    if (!r.type.isEmpty())
        out << r.type;
    for (size_t t = 0; t < r.times.size(); ++t) {
        if (r.times[t])
            out << QLatin1String(MealTimeNames[t]);
    }
    return out;
}

QJsonObject nutrition(const QString &text) {
    static const std::pair<const char *, const char *> keys[] = {
        {"Calories", "calories"},      {"Saturated fat", "saturatedFatContent"},
        {"Fat", "fatContent"},         {"Carbohydrate", "carbohydrateContent"},
        {"Sugar", "sugarContent"},     {"Fibre", "fiberContent"},
        {"Protein", "proteinContent"}, {"Sodium", "sodiumContent"}};
    QJsonObject out;
    for (const QString &fact : text.split(u';', Qt::SkipEmptyParts)) {
        const QString f = fact.trimmed();
        for (const auto &[words, key] : keys) {
            const QString w = QLatin1String(words);
            if (f.startsWith(w + u' ')) {
                out.insert(QLatin1String(key), jsonText(f.mid(w.size() + 1)));
                break;
            }
        }
    }
    if (!out.isEmpty())
        out.insert(QStringLiteral("@type"), QStringLiteral("NutritionInformation"));
    return out;
}

bool isWebAddress(const QString &text) {
    const QUrl url(text, QUrl::StrictMode);
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

/// The picture as a file beside the page: its bytes and the file's extension; a picture of a kind browsers
/// do not show is written as PNG.
std::pair<QByteArray, QString> pictureFile(const QByteArray &stored) {
    switch (picture::formatOf(stored)) {
    case picture::Format::None:
        return {};
    case picture::Format::Jpeg:
        return {picture::fileBytes(stored), QStringLiteral("jpg")};
    case picture::Format::Bitmap:
        return {picture::fileBytes(stored), QStringLiteral("bmp")};
    case picture::Format::Icon:
    case picture::Format::Metafile:
        break;
    }
    const QImage image = picture::decode(stored);
    if (image.isNull())
        return {};
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {png, QStringLiteral("png")};
}

/// A file name in `folder` free of files there and of those written in this export.
QString freeFile(const QDir &folder, const QString &stem, const QString &extension, QSet<QString> &taken) {
    QString name = stem + u'.' + extension;
    for (int n = 2; taken.contains(name.toCaseFolded()) || folder.exists(name); ++n)
        name = QStringLiteral("%1-%2.%3").arg(stem).arg(n).arg(extension);
    taken.insert(name.toCaseFolded());
    return name;
}

QString writeFile(const QString &path, const QByteArray &bytes) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return QStringLiteral("%1 could not be written (%2)")
            .arg(QDir::toNativeSeparators(path), file.errorString());
    return {};
}

/// Text broken into lines of at most `width` characters at blanks, each line after the first beginning
/// with `lead`.
QStringList wrapped(const QString &text, int width, const QString &lead = {}) {
    QStringList out;
    QString line;
    for (const QString &word : text.split(u' ', Qt::SkipEmptyParts)) {
        const QString start = out.isEmpty() ? QString() : lead;
        if (!line.isEmpty() && start.size() + line.size() + 1 + word.size() > width) {
            out << start + line;
            line.clear();
        }
        line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
    }
    if (!line.isEmpty() || out.isEmpty())
        out << (out.isEmpty() ? QString() : lead) + line;
    return out;
}

} // namespace

BookRecipe read(db::Connection &connection, qint64 id) {
    BookRecipe r;
    db::Statement meal(
        connection,
        QStringLiteral(
            "SELECT m.Meal_ID, m.Meal_Name, m.Meal_Recipe, m.Meal_Morning, m.Meal_Snack, m.Meal_Noon, "
            "m.Meal_Night, m.Meal_Dessert, t.Type, m.Meal_Picture, m.Meal_Servings, m.Meal_Source, "
            "m.Meal_Author, m.Meal_Description, m.Meal_Yield, m.Meal_Prep_Time, m.Meal_Cook_Time, "
            "m.Meal_Total_Time, m.Meal_Cuisine, m.Meal_Nutrition FROM Meal m LEFT JOIN Meal_Type t "
            "ON t.ID = m.Meal_Type WHERE m.Meal_ID = ?"));
    meal.bind(1, id);
    if (!meal.step())
        return r;
    r.id = meal.value(0).toLongLong();
    r.name = meal.value(1).toString();
    r.method = meal.value(2).toString();
    for (int t = 0; t < 5; ++t)
        r.times[size_t(t)] = meal.value(3 + t).toLongLong() != 0;
    r.type = meal.value(8).toString().simplified();
    r.picture = meal.value(9).toByteArray();
    r.servings = meal.value(10).toInt();
    r.source = meal.value(11).toString();
    r.author = meal.value(12).toString();
    r.description = meal.value(13).toString();
    r.yield = meal.value(14).toString();
    r.prepMinutes = meal.value(15).toInt();
    r.cookMinutes = meal.value(16).toInt();
    r.totalMinutes = meal.value(17).toInt();
    r.cuisine = meal.value(18).toString();
    r.nutrition = meal.value(19).toString();
    db::Statement lines(connection, QStringLiteral("SELECT Line_Text, Line_Heading FROM Recipe_Lines WHERE "
                                                   "Meal_ID = ? ORDER BY Line_Position, Line_ID"));
    lines.bind(1, id);
    while (lines.step()) {
        r.lines << lines.value(0).toString();
        r.headings << (lines.value(1).toLongLong() != 0);
    }
    return r;
}

QList<qint64> allRecipes(db::Connection &connection) {
    return ids(connection, QStringLiteral("SELECT Meal_ID FROM Meal ORDER BY Meal_Name, Meal_ID"));
}

QList<qint64> recipesOfType(db::Connection &connection, qint64 type) {
    return ids(connection,
               QStringLiteral("SELECT Meal_ID FROM Meal WHERE Meal_Type = ? ORDER BY Meal_Name, Meal_ID"),
               type);
}

QList<qint64> recipesNamed(db::Connection &connection, const QStringList &names) {
    QList<qint64> out;
    db::Statement s(connection, QStringLiteral("SELECT Meal_ID FROM Meal WHERE Meal_Name = ?"));
    for (const QString &name : names) {
        s.reset();
        s.bind(1, name);
        while (s.step())
            out << s.value(0).toLongLong();
    }
    return out;
}

QStringList steps(const BookRecipe &recipe) {
    QStringList method = recipe.method.split(u'\n');
    // An import wrote the ingredient lines at the head of the method, then a blank line.
    const QStringList block = recipelines::ingredientBlock(recipe.method);
    if (!block.isEmpty() && block.size() <= method.size()) {
        QStringList written;
        for (qsizetype i = 0; i < recipe.lines.size(); ++i)
            written << recipe.lines.at(i).simplified();
        QStringList head;
        for (const QString &line : block)
            head << line.simplified();
        if (head == written.mid(0, head.size()))
            method = method.mid(block.size());
    }
    QStringList out;
    for (const QString &line : std::as_const(method)) {
        if (!line.trimmed().isEmpty())
            out << line.trimmed();
    }
    // And the yield and times in one line at the end.
    static const QRegularExpression facts(
        QStringLiteral("^(?:Yield: .*|(?:Preparation|Cooking|Total): .*)$"));
    if (!out.isEmpty() && facts.match(out.last()).hasMatch() &&
        (!recipe.yield.isEmpty() || recipe.prepMinutes + recipe.cookMinutes + recipe.totalMinutes > 0))
        out.removeLast();
    return out;
}

QString webPage(const BookRecipe &r, const QString &pictureFileName) {
    const QStringList steps = recipeexport::steps(r);
    QJsonObject o{{QStringLiteral("@context"), QStringLiteral("https://schema.org")},
                  {QStringLiteral("@type"), QStringLiteral("Recipe")},
                  {QStringLiteral("name"), jsonText(r.name)}};
    QJsonArray ingredients;
    for (const QString &line : r.lines)
        ingredients << jsonText(line);
    o.insert(QStringLiteral("recipeIngredient"), ingredients);
    QJsonArray instructions;
    for (const QString &step : steps)
        instructions << QJsonObject{{QStringLiteral("@type"), QStringLiteral("HowToStep")},
                                    {QStringLiteral("text"), jsonText(step)}};
    o.insert(QStringLiteral("recipeInstructions"), instructions);
    if (const QStringList y = yields(r); !y.isEmpty())
        o.insert(QStringLiteral("recipeYield"),
                 y.size() == 1 ? QJsonValue(jsonText(y.first())) : QJsonValue(QJsonArray::fromStringList(y)));
    for (const auto &[key, minutes] :
         {std::pair{"prepTime", r.prepMinutes}, std::pair{"cookTime", r.cookMinutes},
          std::pair{"totalTime", r.totalMinutes}}) {
        if (minutes > 0)
            o.insert(QLatin1String(key), isoDuration(minutes));
    }
    QJsonArray cats;
    for (const QString &c : categories(r))
        cats << jsonText(c);
    if (!cats.isEmpty())
        o.insert(QStringLiteral("recipeCategory"), cats);
    // Read back by this program's import exactly as the book held them; other programs pass them by.
    QJsonArray times;
    for (size_t t = 0; t < r.times.size(); ++t) {
        if (r.times[t])
            times << QLatin1String(MealTimeNames[t]);
    }
    o.insert(QStringLiteral("mealvane:mealTimes"), times);
    o.insert(QStringLiteral("mealvane:recipeType"), jsonText(r.type));
    if (!pictureFileName.isEmpty())
        o.insert(QStringLiteral("image"), pictureFileName);
    if (!r.author.isEmpty())
        o.insert(QStringLiteral("author"), QJsonObject{{QStringLiteral("@type"), QStringLiteral("Person")},
                                                       {QStringLiteral("name"), jsonText(r.author)}});
    if (!r.description.isEmpty())
        o.insert(QStringLiteral("description"), jsonText(r.description));
    if (!r.cuisine.isEmpty())
        o.insert(QStringLiteral("recipeCuisine"), jsonText(r.cuisine));
    if (const QJsonObject n = nutrition(r.nutrition); !n.isEmpty())
        o.insert(QStringLiteral("nutrition"), n);
    if (!r.source.isEmpty())
        o.insert(QStringLiteral("url"), r.source);
    // Nothing in the data may close the script it stands in.
    const QString json = QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Indented))
                             .replace(u'<', QStringLiteral("\\u003c"));

    const auto e = [](const QString &text) { return text.toHtmlEscaped(); };
    QString html;
    html += QStringLiteral("<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n"
                           "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                           "<meta name=\"generator\" content=\"Mealvane\">\n<title>%1</title>\n")
                .arg(e(r.name));
    html += QStringLiteral(
        "<style>\nbody { font-family: sans-serif; max-width: 44em; margin: 2em auto; padding: 0 1em; "
        "line-height: 1.45; color: #222; }\nimg { max-width: 100%; height: auto; border-radius: 4px; }\n"
        ".facts, .source { color: #555; }\nh1 { margin-bottom: 0.2em; }\nli { margin: 0.2em 0; "
        "}\n</style>\n");
    html += QStringLiteral("<script type=\"application/ld+json\">\n") + json + QStringLiteral("</script>\n");
    html += QStringLiteral("</head>\n<body>\n<h1>%1</h1>\n").arg(e(r.name));
    QStringList facts = categories(r);
    if (const QStringList y = yields(r); !y.isEmpty())
        facts << y.join(QStringLiteral(", "));
    for (const auto &[words, minutes] :
         {std::pair{"Preparation", r.prepMinutes}, std::pair{"Cooking", r.cookMinutes},
          std::pair{"Total", r.totalMinutes}}) {
        if (minutes > 0)
            facts << QStringLiteral("%1 %2").arg(QLatin1String(words), minutesText(minutes));
    }
    if (!facts.isEmpty())
        html += QStringLiteral("<p class=\"facts\">%1</p>\n").arg(e(facts.join(QStringLiteral(" · "))));
    if (!r.description.isEmpty())
        html += QStringLiteral("<p class=\"description\">%1</p>\n").arg(e(r.description));
    if (!pictureFileName.isEmpty())
        html += QStringLiteral("<p><img src=\"%1\" alt=\"%2\"></p>\n")
                    .arg(e(QString::fromUtf8(QUrl::toPercentEncoding(pictureFileName))), e(r.name));
    if (!r.lines.isEmpty()) {
        html += QStringLiteral("<h2>Ingredients</h2>\n<ul>\n");
        for (qsizetype i = 0; i < r.lines.size(); ++i) {
            if (r.headings.value(i))
                html += QStringLiteral("</ul>\n<h3>%1</h3>\n<ul>\n").arg(e(r.lines.at(i)));
            else
                html += QStringLiteral("<li>%1</li>\n").arg(e(r.lines.at(i)));
        }
        html += QStringLiteral("</ul>\n");
    }
    if (!steps.isEmpty()) {
        html += QStringLiteral("<h2>Method</h2>\n<ol>\n");
        for (const QString &step : steps)
            html += QStringLiteral("<li>%1</li>\n").arg(e(step));
        html += QStringLiteral("</ol>\n");
    }
    if (!r.nutrition.isEmpty())
        html += QStringLiteral("<p class=\"facts\">Nutrition: %1</p>\n").arg(e(r.nutrition));
    if (!r.author.isEmpty())
        html += QStringLiteral("<p class=\"source\">By %1</p>\n").arg(e(r.author));
    if (!r.source.isEmpty())
        html += isWebAddress(r.source)
                    ? QStringLiteral("<p class=\"source\">Source: <a href=\"%1\">%2</a></p>\n")
                          .arg(e(QUrl(r.source).toString(QUrl::FullyEncoded)), e(r.source))
                    : QStringLiteral("<p class=\"source\">Source: %1</p>\n").arg(e(r.source));
    html += QStringLiteral("</body>\n</html>\n");
    return html;
}

QString mealMaster(const BookRecipe &r) {
    static const QRegularExpression quantity(QStringLiteral("^[0-9./-]+(?: [0-9]+/[0-9]+)?"));
    static const QStringList units = {"x",  "sm", "md", "lg", "cn", "pk", "pn", "dr", "ds", "ct", "bn", "sl",
                                      "ea", "t",  "ts", "T",  "tb", "fl", "c",  "pt", "qt", "ga", "oz", "lb",
                                      "ml", "cb", "cl", "dl", "l",  "dg", "cg", "mg", "g",  "kg"};
    QStringList out;
    out << QStringLiteral("MMMMM----- Recipe via Mealvane") << QString();
    out << QStringLiteral("      Title: ") + r.name.simplified();
    out << QStringLiteral(" Categories: ") + categories(r).join(QStringLiteral(", "));
    if (r.servings > 0)
        out << QStringLiteral("   Servings: %1").arg(r.servings);
    else if (!r.yield.isEmpty())
        out << QStringLiteral("      Yield: ") + r.yield.simplified();
    out << QString();
    for (qsizetype i = 0; i < r.lines.size(); ++i) {
        const QString line = r.lines.at(i).simplified();
        if (r.headings.value(i)) {
            QString heading = line;
            if (heading.endsWith(u':'))
                heading.chop(1);
            out << QStringLiteral("MMMMM-----------------------%1-----------------------")
                       .arg(heading.toUpper());
            continue;
        }
        // The amount and a MealMaster unit in their columns, the rest as the line has it.
        QString qty;
        QString unit;
        QString rest = line;
        if (const QRegularExpressionMatch m = quantity.match(line); m.hasMatch() && m.capturedLength() <= 7 &&
                                                                    line.size() > m.capturedLength() &&
                                                                    line.at(m.capturedLength()) == u' ') {
            qty = m.captured();
            rest = line.mid(m.capturedLength() + 1);
            const QString word = rest.section(u' ', 0, 0);
            if (units.contains(word) && rest.size() > word.size()) {
                unit = word;
                rest = rest.mid(word.size() + 1);
            }
        }
        // The text column ends at the 41st character, where a second column would begin.
        const QStringList pieces = wrapped(rest, 30, QStringLiteral("-"));
        out << QStringLiteral("%1 %2 %3").arg(qty, 7).arg(unit, -2).arg(pieces.first());
        for (qsizetype p = 1; p < pieces.size(); ++p)
            out << QStringLiteral("%1 %2 %3").arg(QString(), 7).arg(QString(), -2).arg(pieces.at(p));
    }
    for (const QString &step : steps(r)) {
        out << QString();
        out << wrapped(step, 76);
    }
    out << QString() << QStringLiteral("MMMMM") << QString();
    return out.join(u'\n');
}

QString fileStem(const QString &name) {
    QString stem;
    for (const QChar c : name.toLower()) {
        if (c.isLetterOrNumber())
            stem += c;
        else if (!stem.isEmpty() && !stem.endsWith(u'-'))
            stem += u'-';
    }
    stem = stem.left(60);
    while (stem.endsWith(u'-'))
        stem.chop(1);
    return stem.isEmpty() ? QStringLiteral("recipe") : stem;
}

Written writeWebPages(db::Connection &connection, const QList<qint64> &ids, const QString &folder,
                      const Progress &progress) {
    Written written;
    written.where = folder;
    QDir dir(folder);
    if (!QDir().mkpath(folder)) {
        written.failure =
            QStringLiteral("the folder %1 could not be made").arg(QDir::toNativeSeparators(folder));
        return written;
    }
    QSet<QString> taken;
    try {
        for (const qint64 id : ids) {
            const BookRecipe recipe = read(connection, id);
            if (recipe.id == 0)
                continue;
            const QString stem = fileStem(recipe.name);
            const QString page = freeFile(dir, stem, QStringLiteral("html"), taken);
            QString pictureName;
            if (const auto [bytes, extension] = pictureFile(recipe.picture); !bytes.isEmpty()) {
                pictureName = freeFile(dir, page.chopped(5), extension, taken);
                written.failure = writeFile(dir.filePath(pictureName), bytes);
            }
            if (written.failure.isEmpty())
                written.failure = writeFile(dir.filePath(page), webPage(recipe, pictureName).toUtf8());
            if (!written.failure.isEmpty())
                return written;
            ++written.recipes;
            if (progress && !progress(written.recipes))
                return written;
        }
    } catch (const db::DbError &error) {
        written.failure = error.message();
    }
    return written;
}

Written writeMealMaster(db::Connection &connection, const QList<qint64> &ids, const QString &folder,
                        const Progress &progress) {
    Written written;
    if (!QDir().mkpath(folder)) {
        written.failure =
            QStringLiteral("the folder %1 could not be made").arg(QDir::toNativeSeparators(folder));
        return written;
    }
    QSet<QString> taken;
    const QDir dir(folder);
    written.where =
        dir.filePath(freeFile(dir, QStringLiteral("Mealvane Recipes"), QStringLiteral("mmf"), taken));
    QSaveFile file(written.where);
    if (!file.open(QIODevice::WriteOnly)) {
        written.failure = QStringLiteral("%1 could not be written (%2)")
                              .arg(QDir::toNativeSeparators(written.where), file.errorString());
        return written;
    }
    try {
        for (const qint64 id : ids) {
            const BookRecipe recipe = read(connection, id);
            if (recipe.id == 0)
                continue;
            const QByteArray text = mealMaster(recipe).toUtf8() + '\n';
            if (file.write(text) != text.size())
                break;
            ++written.recipes;
            if (progress && !progress(written.recipes)) {
                file.cancelWriting();
                written.recipes = 0;
                return written;
            }
        }
    } catch (const db::DbError &error) {
        written.failure = error.message();
        file.cancelWriting();
        return written;
    }
    if (!file.commit()) {
        written.failure = QStringLiteral("%1 could not be written (%2)")
                              .arg(QDir::toNativeSeparators(written.where), file.errorString());
        written.recipes = 0;
    }
    return written;
}

} // namespace recipeexport
