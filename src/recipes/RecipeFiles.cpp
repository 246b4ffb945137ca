#include "RecipeFiles.h"

#include "IngredientLine.h"

#include "toolkit/model/PlainName.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QUrl>
#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <gumbo.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace recipefiles {

namespace {

/// The upper half of the old DOS code page, in which MealMaster files were written.
constexpr char16_t Cp437[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF, 0x00EE,
    0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9, 0x00FF, 0x00D6,
    0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA, 0x00F1, 0x00D1, 0x00AA,
    0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB, 0x2591, 0x2592, 0x2593, 0x2502,
    0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557, 0x255D, 0x255C, 0x255B, 0x2510, 0x2514,
    0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F, 0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550,
    0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C,
    0x2588, 0x2584, 0x258C, 0x2590, 0x2580, 0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4,
    0x03A6, 0x0398, 0x03A9, 0x03B4, 0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320,
    0x2321, 0x00F7, 0x2248, 0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0};

/// The two-letter units of MealMaster's unit column.
const QStringList MealMasterUnits = {"x",  "sm", "md", "lg", "cn", "pk", "pn", "dr", "ds", "ct", "bn", "sl",
                                     "ea", "t",  "ts", "T",  "tb", "fl", "c",  "pt", "qt", "ga", "oz", "lb",
                                     "ml", "cb", "cl", "dl", "l",  "dg", "cg", "mg", "g",  "kg"};

bool isHeader(const QString &line) {
    const QString t = line.trimmed();
    return (t.startsWith(QLatin1String("MMMMM")) || t.startsWith(QLatin1String("-----"))) &&
           (t.contains(QLatin1String("Meal-Master"), Qt::CaseInsensitive) ||
            t.contains(QLatin1String("Recipe via"), Qt::CaseInsensitive));
}

/// A line of MMMMM or dashes with a word inside: a sub-heading of the ingredients ("TOPPING"); empty when
/// the line is none.
QString subHeading(const QString &line) {
    static const QRegularExpression heading(QStringLiteral("^(?:MMMMM)?-{3,}\\s*([^-].*?)\\s*-*$"));
    const QRegularExpressionMatch m = heading.match(line.trimmed());
    return m.hasMatch() ? m.captured(1).trimmed() : QString();
}

/// The ingredient in a MealMaster column (quantity in 7 characters, a blank, the unit in 2, a blank, the
/// text): "qty unit text" with single blanks, or nothing when the piece is not shaped like one.
std::optional<QString> columnIngredient(const QString &piece, bool *continuation) {
    static const QRegularExpression quantity(QStringLiteral("^[ 0-9./-]*$"));
    if (piece.size() < 12 || piece.at(7) != u' ' || piece.at(10) != u' ')
        return std::nullopt;
    const QString qty = piece.left(7);
    const QString unit = piece.mid(8, 2).trimmed();
    const QString text = piece.mid(11).trimmed();
    if (text.isEmpty() || !quantity.match(qty).hasMatch() ||
        (!unit.isEmpty() && !MealMasterUnits.contains(unit)))
        return std::nullopt;
    *continuation = qty.trimmed().isEmpty() && unit.isEmpty() && text.startsWith(u'-');
    return QStringList{qty.trimmed(), unit, text}.join(u' ').simplified();
}

bool isTerminator(const QString &line, bool dashes) {
    const QString t = line.trimmed();
    return dashes ? t == QLatin1String("-----") : t == QLatin1String("MMMMM");
}

} // namespace

QString decodeText(const QByteArray &bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    text.clear();
    text.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        text += b < 0x80 ? QChar(b) : QChar(Cp437[b - 0x80]);
    }
    return text;
}

Kind kindOf(const QByteArray &bytes) {
    // Judged by what follows the blank lines some pages begin with.
    qsizetype start = 0;
    while (start < bytes.size() && std::isspace(static_cast<unsigned char>(bytes.at(start))))
        ++start;
    const QString head = decodeText(bytes.mid(start, 8192));
    const QString small = head.toLower();
    for (const char *mark : {"<!doctype html", "<html", "<head", "<body", "<script"}) {
        if (small.contains(QLatin1String(mark)))
            return Kind::WebPage;
    }
    for (const QString &line : head.split(u'\n')) {
        if (isHeader(line))
            return Kind::MealMaster;
    }
    return Kind::Unknown;
}

namespace {

/// Reads MealMaster recipes a line at a time: header fields, then the ingredients (one or two columns,
/// with sub-headings), then the steps; each recipe is handed on when its end line or the next header comes.
class MealMasterReader {
public:
    explicit MealMasterReader(const std::function<bool(Recipe &&)> &take)
        : m_take(take) {}

    /// False once the recipes' taker wants no more.
    bool wanted() const { return m_wanted; }

    void line(const QString &line) {
        if (m_inRecipe && isTerminator(line, m_dashes)) {
            end();
            return;
        }
        if (isHeader(line)) {
            end();
            m_inRecipe = true;
            m_dashes = line.trimmed().startsWith(u'-');
            return;
        }
        if (m_inRecipe)
            body(line);
    }

    void end() {
        if (!m_inRecipe)
            return;
        flushColumns();
        flushParagraph();
        for (QString &step : m_recipe.steps)
            step = step.simplified();
        if (!m_recipe.title.isEmpty() && m_wanted)
            m_wanted = m_take(std::move(m_recipe));
        m_recipe = Recipe();
        m_inRecipe = false;
        m_inIngredients = true;
        m_lastLeft = -1;
        m_characters = 0;
    }

private:
    void body(const QString &line) {
        static const QRegularExpression field(
            QStringLiteral("^\\s*(Title|Categories|Yield|Servings)\\s*:\\s*(.*)$"),
            QRegularExpression::CaseInsensitiveOption);
        const QRegularExpressionMatch m = field.match(line);
        if (m.hasMatch() && m_recipe.ingredientLines.isEmpty() && m_left.isEmpty() &&
            m_recipe.steps.isEmpty()) {
            const QString name = m.captured(1).toLower();
            const QString value = m.captured(2).simplified().left(MostMethodCharacters);
            if (name == QLatin1String("title"))
                m_recipe.title = value;
            else if (name == QLatin1String("categories"))
                for (const QString &category : value.split(u',', Qt::SkipEmptyParts))
                    m_recipe.categories << category.trimmed();
            else
                m_recipe.yield = value;
            return;
        }
        if (line.trimmed().isEmpty()) {
            flushParagraph();
            return;
        }
        if (m_inIngredients) {
            const QString heading = subHeading(line);
            if (!heading.isEmpty()) {
                flushColumns();
                addIngredient(m_recipe.ingredientLines, heading);
                return;
            }
            bool continuation = false;
            if (const std::optional<QString> first = columnIngredient(line.left(41), &continuation)) {
                if (continuation && m_lastLeft >= 0)
                    m_left[m_lastLeft] += u' ' + first->mid(1).trimmed();
                else if (addIngredient(m_left, *first))
                    m_lastLeft = m_left.size() - 1;
                bool secondContinues = false;
                if (const std::optional<QString> second = columnIngredient(line.mid(41), &secondContinues)) {
                    if (secondContinues && !m_right.isEmpty())
                        m_right.last() += u' ' + second->mid(1).trimmed();
                    else
                        addIngredient(m_right, *second);
                    m_lastLeft = -1;
                }
                return;
            }
            // The first line of another shape ends the ingredients.
            flushColumns();
            m_inIngredients = false;
        }
        m_characters += line.size();
        if (m_characters > MostMethodCharacters) {
            m_recipe.cutShort = true;
            return;
        }
        m_paragraph += (m_paragraph.isEmpty() ? QString() : QStringLiteral(" ")) + line.simplified();
    }

    /// Keeps one more ingredient line unless the recipe already has more than a recipe may hold.
    bool addIngredient(QStringList &lines, const QString &text) {
        if (m_recipe.ingredientLines.size() + m_left.size() + m_right.size() > MostIngredientLines) {
            m_recipe.cutShort = true;
            return false;
        }
        lines << text;
        return true;
    }

    void flushColumns() {
        m_recipe.ingredientLines << m_left << m_right;
        m_left.clear();
        m_right.clear();
        m_lastLeft = -1;
    }

    void flushParagraph() {
        if (!m_paragraph.isEmpty())
            m_recipe.steps << m_paragraph;
        m_paragraph.clear();
    }

    const std::function<bool(Recipe &&)> &m_take;
    bool m_wanted = true;
    bool m_inRecipe = false;
    bool m_dashes = false;
    bool m_inIngredients = true;
    Recipe m_recipe;
    QStringList m_left, m_right;
    qsizetype m_lastLeft = -1;
    QString m_paragraph;
    qsizetype m_characters = 0;
};

} // namespace

QList<Recipe> readMealMaster(const QByteArray &bytes) {
    QString text = decodeText(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(u'\r', u'\n');
    QList<Recipe> recipes;
    const std::function<bool(Recipe &&)> take = [&recipes](Recipe &&recipe) {
        recipes << std::move(recipe);
        return true;
    };
    MealMasterReader reader(take);
    for (const QStringView line : QStringView(text).split(u'\n'))
        reader.line(line.toString());
    reader.end();
    return recipes;
}

void readMealMaster(QIODevice &file, const std::function<bool(Recipe &&)> &take) {
    MealMasterReader reader(take);
    // A line longer than any recipe's is read in pieces; each is a line of its own.
    constexpr qint64 LongestLine = 64 * 1024;
    while (!file.atEnd() && reader.wanted()) {
        QByteArray bytes = file.readLine(LongestLine);
        if (bytes.isEmpty())
            break;
        while (bytes.endsWith('\n') || bytes.endsWith('\r'))
            bytes.chop(1);
        // An old Mac line end inside the piece ends a line too.
        for (const QByteArray &piece : bytes.split('\r'))
            reader.line(decodeText(piece));
    }
    reader.end();
}

QString ingredientName(const QString &line) {
    return ingredientline::read(line).food;
}

QString nameKey(const QString &name) {
    // "Self-raising flour" and "self raising flour" are one food.
    QStringList words =
        QString(name).replace(u'-', u' ').toCaseFolded().simplified().split(u' ', Qt::SkipEmptyParts);
    for (QString &w : words) {
        if (w.size() > 4 && w.endsWith(QLatin1String("ies")))
            w = w.chopped(3) + u'y';
        else if (w.size() > 3 && (w.endsWith(QLatin1String("oes")) || w.endsWith(QLatin1String("ches")) ||
                                  w.endsWith(QLatin1String("shes")) || w.endsWith(QLatin1String("sses")) ||
                                  w.endsWith(QLatin1String("xes")) || w.endsWith(QLatin1String("zes"))))
            w.chop(2);
        else if (w.size() > 2 && w.endsWith(u's') && !w.endsWith(QLatin1String("ss")) &&
                 !w.endsWith(QLatin1String("us")) && !w.endsWith(QLatin1String("is")))
            w.chop(1);
    }
    return words.join(u' ');
}

QString bookName(const QString &title, int width, bool *cut) {
    const QString simple = plainName(title).simplified();
    const QList<uint> points = simple.toUcs4();
    if (cut != nullptr)
        *cut = points.size() > width;
    if (points.size() <= width)
        return simple;
    qsizetype end = width;
    // At a word boundary where there is one.
    for (qsizetype k = width; k > width / 2; --k) {
        if (points.at(k) == u' ') {
            end = k;
            break;
        }
    }
    return QString::fromUcs4(reinterpret_cast<const char32_t *>(points.constData()), end).trimmed();
}

QString methodText(const Recipe &recipe, bool titleCut) {
    QStringList lines;
    if (titleCut)
        lines << recipe.title.simplified() << QString();
    lines << recipe.ingredientLines;
    if (!recipe.steps.isEmpty()) {
        lines << QString();
        lines << recipe.steps;
    }
    QStringList facts;
    if (!recipe.yield.isEmpty())
        facts << QStringLiteral("Yield: ") + recipe.yield;
    if (!recipe.times.isEmpty())
        facts << recipe.times;
    if (!facts.isEmpty())
        lines << QString() << facts.join(QStringLiteral("; "));
    return lines.join(u'\n').trimmed();
}

namespace {

/// The words of each kind of dish, singular (a plural in "s" or "es" is known too), as phrases of whole
/// words.
const std::vector<std::pair<DishKind, QStringList>> &kindWords() {
    static const std::vector<std::pair<DishKind, QStringList>> words{
        {DishKind::Breakfast,
         QStringLiteral("breakfast|brunch|porridge|granola|oatmeal|muesli|frühstück|petit-déjeuner|petit "
                        "déjeuner|colazione|desayuno|café da manhã|pequeno-almoço|ontbijt|morgenmad|frukost|"
                        "snídaně")
             .split(u'|')},
        {DishKind::Dessert,
         QStringLiteral("dessert|cake|pie|tart|cookie|biscuit|muffin|cupcake|doughnut|donut|brownie|ice "
                        "cream|pudding|cheesecake|pastry|crumble|mousse|sorbet|fudge|candy|sweet|baking|bake|"
                        "nachtisch|nachspeise|kuchen|torte|keks|kekse|plätzchen|gebäck|gâteau|gateau|tarte|"
                        "dolce|dolci|torta|biscotti|postre|postres|pastel|tarta|galleta|galletas|sobremesa|"
                        "bolo|biscoito|nagerecht|toetje|taart|koekje|koekjes|kage|kake|kaka|småkager|dezert|"
                        "moučník|koláč|dort|sušenky")
             .split(u'|')},
        {DishKind::Drink,
         QStringLiteral("drink|beverage|smoothie|cocktail|mocktail|juice|lemonade|sangria|punch|shake|"
                        "milkshake|tea|coffee|getränk|getränke|boisson|bevanda|bevande|bebida|drankje|drikke|"
                        "dryck|drycker|nápoj|nápoje")
             .split(u'|')},
        {DishKind::Appetizer,
         QStringLiteral("appetizer|appetiser|starter|snack|dip|finger food|vorspeise|apéritif|aperitif|"
                        "amuse-bouche|antipasto|antipasti|aperitivo|entrante|tapa|tapas|petisco|petiscos|"
                        "voorgerecht|hapje|hapjes|forret|förrätt|forrett|předkrm")
             .split(u'|')},
        {DishKind::Side,
         QStringLiteral("side|side dish|beilage|accompagnement|contorno|contorni|guarnición|acompanhamento|"
                        "bijgerecht|tilbehør|tillbehör|příloha")
             .split(u'|')},
        {DishKind::Soup,
         QStringLiteral("soup|stew|suppe|suppen|eintopf|soupe|potage|zuppa|minestra|sopa|soep|soppa|polévka")
             .split(u'|')},
        {DishKind::Salad,
         QStringLiteral("salad|salat|salate|salade|insalata|ensalada|salada|sallad|salát").split(u'|')},
        {DishKind::Main,
         QStringLiteral("main|main course|main dish|mains|entree|entrée|hauptgericht|hauptspeise|plat "
                        "principal|secondo|secondi|primo|primi|piatto unico|plato principal|segundo plato|"
                        "prato principal|hoofdgerecht|hovedret|huvudrätt|hovedrett|hlavní chod|hlavní jídlo")
             .split(u'|')},
        {DishKind::Lunch,
         QStringLiteral("lunch|mittagessen|déjeuner|pranzo|almuerzo|almoço|frokost|oběd").split(u'|')},
        {DishKind::Dinner,
         QStringLiteral("dinner|supper|abendessen|dîner|diner|cena|jantar|avondeten|aftensmad|middag|večeře")
             .split(u'|')},
    };
    return words;
}

/// The words of a text, lower case, one blank between them.
QString wordsOf(const QString &text) {
    static const QRegularExpression notWord(QStringLiteral("[^\\p{L}\\p{N}'-]+"),
                                            QRegularExpression::UseUnicodePropertiesOption);
    return text.toLower().split(notWord, Qt::SkipEmptyParts).join(u' ');
}

/// Whether the phrase stands in the words as whole words, singular or with a plural ending.
bool holds(const QString &words, const QString &phrase) {
    for (const QString &form : {phrase, phrase + u's', phrase + QStringLiteral("es")}) {
        for (qsizetype at = words.indexOf(form); at >= 0; at = words.indexOf(form, at + 1)) {
            const qsizetype end = at + form.size();
            if ((at == 0 || words.at(at - 1) == u' ') && (end == words.size() || words.at(end) == u' '))
                return true;
        }
    }
    return false;
}

QList<DishKind> kindsIn(const QStringList &texts) {
    QList<DishKind> kinds;
    for (const QString &text : texts) {
        const QString words = wordsOf(text);
        for (const auto &[kind, phrases] : kindWords()) {
            if (kinds.contains(kind))
                continue;
            for (const QString &phrase : phrases) {
                if (holds(words, phrase)) {
                    kinds << kind;
                    break;
                }
            }
        }
    }
    return kinds;
}

} // namespace

QList<DishKind> dishKinds(const QString &words) {
    return kindsIn({words});
}

QList<DishKind> dishKinds(const Recipe &recipe) {
    const QList<DishKind> told = kindsIn(recipe.categories + QStringList{recipe.title});
    return told.isEmpty() ? kindsIn(recipe.keywords) : told;
}

std::array<bool, 5> mealTimes(const Recipe &recipe) {
    std::array<bool, 5> times{};
    const QList<DishKind> kinds = dishKinds(recipe);
    // A lunch or a dinner named says when a main, a soup or a salad is eaten.
    const bool mealNamed = kinds.contains(DishKind::Lunch) || kinds.contains(DishKind::Dinner);
    for (const DishKind kind : kinds) {
        switch (kind) {
        case DishKind::Breakfast:
            times[0] = true;
            break;
        case DishKind::Drink:
        case DishKind::Appetizer:
        case DishKind::Side:
            times[1] = true;
            break;
        case DishKind::Lunch:
            times[2] = true;
            break;
        case DishKind::Dinner:
            times[3] = true;
            break;
        case DishKind::Soup:
        case DishKind::Salad:
        case DishKind::Main:
            if (!mealNamed)
                times[2] = times[3] = true;
            break;
        case DishKind::Dessert:
            times[4] = true;
            break;
        }
    }
    if (std::none_of(times.begin(), times.end(), [](bool t) { return t; }))
        times = {false, false, true, true, false};
    return times;
}

QString refusal(const Recipe &recipe) {
    if (recipe.ingredientLines.isEmpty() && recipe.steps.isEmpty())
        return QStringLiteral("no ingredients or steps on the page");
    if (recipe.cutShort || recipe.ingredientLines.size() > MostIngredientLines)
        return QStringLiteral("it has more than %1 ingredient lines").arg(MostIngredientLines);
    if (methodText(recipe, false).size() > MostMethodCharacters)
        return QStringLiteral("its method is longer than %L1 characters").arg(MostMethodCharacters);
    return {};
}

std::unique_ptr<QFile> openRegularFile(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    struct stat before {};
    if (::stat(name.constData(), &before) != 0 || !S_ISREG(before.st_mode))
        return nullptr;
    // Not blocking: should a pipe have taken the file's place meanwhile, opening it does not wait.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return nullptr;
    struct stat opened {};
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return nullptr;
    }
    auto file = std::make_unique<QFile>();
    if (!file->open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return nullptr;
    }
    return file;
}

} // namespace recipefiles

// Saved web pages.
namespace recipefiles {

namespace {

/// The JSON of a script element, without the CDATA marks or the comment some pages wrap it in.
QByteArray scriptJson(QByteArray text) {
    text = text.trimmed();
    for (const char *mark : {"//<![CDATA[", "/*<![CDATA[*/", "<![CDATA[", "<!--"}) {
        if (text.startsWith(mark)) {
            text.remove(0, qsizetype(std::strlen(mark)));
            text = text.trimmed();
        }
    }
    for (const char *mark : {"//]]>", "/*]]>*/", "]]>", "-->"}) {
        if (text.endsWith(mark)) {
            text.chop(qsizetype(std::strlen(mark)));
            text = text.trimmed();
        }
    }
    return text;
}

/// The entities of a text decoded once by the HTML parser, which knows every named one.
QString decodedEntities(const QString &text) {
    if (!text.contains(u'&'))
        return text;
    const QByteArray fragment =
        QStringLiteral("<p>%1</p>").arg(QString(text).replace(u'<', QStringLiteral("&lt;"))).toUtf8();
    GumboOptions options = kGumboDefaultOptions;
    options.max_errors = 0;
    GumboOutput *output = gumbo_parse_with_options(&options, fragment.constData(), size_t(fragment.size()));
    QString decoded;
    // html > body > p > text
    std::vector<const GumboNode *> open{output->root};
    while (!open.empty()) {
        const GumboNode *node = open.back();
        open.pop_back();
        if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE) {
            decoded += QString::fromUtf8(node->v.text.text);
        } else if (node->type == GUMBO_NODE_ELEMENT) {
            const GumboVector &children = node->v.element.children;
            for (unsigned i = children.length; i > 0; --i)
                open.push_back(static_cast<const GumboNode *>(children.data[i - 1]));
        }
    }
    gumbo_destroy_output(&options, output);
    return decoded;
}

/// Text with markup removed and entities decoded, its blanks collapsed.
QString plainText(QString html) {
    static const QRegularExpression breaks(QStringLiteral("<\\s*(br|/p|/li|/div|/h[1-6])[^>]*>"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression tags(QStringLiteral("<[^>]*>"));
    html.replace(breaks, QStringLiteral("\n"));
    html.remove(tags);
    QString out = decodedEntities(html);
    // A page that encoded its text twice ("saut&amp;#233;") is decoded once more; what then reads as a
    // sign of markup ("&lt;") is kept as its writer meant.
    static const QRegularExpression again(
        QStringLiteral("&(?!(?:lt|gt|amp);)(#x[0-9a-fA-F]+|#[0-9]+|[a-zA-Z]+[0-9]*);"));
    if (again.match(out).hasMatch())
        out = decodedEntities(out.replace(QStringLiteral("&lt;"), QStringLiteral("&amp;lt;"))
                                  .replace(QStringLiteral("&gt;"), QStringLiteral("&amp;gt;")));
    return out;
}

QStringList lines(const QString &html) {
    QStringList out;
    for (const QString &line : plainText(html).split(u'\n')) {
        const QString simple = line.simplified();
        if (!simple.isEmpty())
            out << simple;
    }
    return out;
}

QStringList strings(const QJsonValue &value) {
    QStringList out;
    if (value.isArray()) {
        for (const QJsonValue &v : value.toArray())
            out << strings(v);
    } else if (value.isString()) {
        out << value.toString();
    } else if (value.isDouble()) {
        out << QString::number(value.toDouble());
    } else if (value.isObject()) {
        const QJsonObject o = value.toObject();
        out << strings(o.contains(QLatin1String("text")) ? o.value(QLatin1String("text"))
                                                         : o.value(QLatin1String("name")));
    }
    return out;
}

bool hasType(const QJsonObject &o, const char *type) {
    for (const QString &t : strings(o.value(QLatin1String("@type")))) {
        if (t == QLatin1String(type) || t.endsWith(u'/' + QLatin1String(type)))
            return true;
    }
    return false;
}

/// Steps of recipeInstructions: texts, HowToStep and HowToSection (its name, then its steps), in order.
void addSteps(const QJsonValue &value, QStringList &steps) {
    if (value.isArray()) {
        for (const QJsonValue &v : value.toArray())
            addSteps(v, steps);
    } else if (value.isString()) {
        steps << lines(value.toString());
    } else if (value.isObject()) {
        const QJsonObject o = value.toObject();
        if (hasType(o, "HowToSection") || o.contains(QLatin1String("itemListElement"))) {
            if (o.contains(QLatin1String("name")))
                steps << lines(o.value(QLatin1String("name")).toString());
            addSteps(o.value(QLatin1String("itemListElement")), steps);
        } else {
            addSteps(o.contains(QLatin1String("text")) ? o.value(QLatin1String("text"))
                                                       : o.value(QLatin1String("name")),
                     steps);
        }
    }
}

/// The picture a page names: a data: address, or a file saved beside the page. Only a regular file inside
/// the page's own folder is read (its "_files" folder lies inside it), after every link on the way is
/// resolved: a page cannot make the import read the user's other files.
QByteArray pictureAt(const QString &address, const QString &pageFile) {
    if (address.startsWith(QLatin1String("data:"))) {
        const qsizetype comma = address.indexOf(u',');
        if (comma < 0 || !address.left(comma).contains(QLatin1String(";base64")))
            return {};
        return QByteArray::fromBase64(address.mid(comma + 1).toLatin1());
    }
    const QUrl url(address);
    const QString name = QFileInfo(url.path()).fileName();
    if (name.isEmpty() || pageFile.isEmpty())
        return {};
    const QFileInfo page(pageFile);
    const QString folder = page.dir().canonicalPath();
    if (folder.isEmpty())
        return {};
    const QDir dir(folder);
    // An address without a scheme or a leading slash is relative to the page.
    const QString local =
        url.scheme().isEmpty() && !url.path().startsWith(u'/') ? dir.filePath(url.path()) : QString();
    for (const QString &candidate :
         {local, dir.filePath(page.completeBaseName() + QStringLiteral("_files/") + name),
          dir.filePath(name)}) {
        if (candidate.isEmpty())
            continue;
        const QString resolved = QFileInfo(candidate).canonicalFilePath();
        if (resolved.isEmpty() || !resolved.startsWith(folder + u'/'))
            continue;
        const std::unique_ptr<QFile> file = openRegularFile(resolved);
        if (file && file->size() <= MostPictureBytes)
            return file->read(MostPictureBytes);
    }
    return {};
}

/// A group's name as a heading of the ingredient lines: it ends in a colon, as a heading written among the
/// lines does.
QString groupHeading(const QString &name) {
    const QString heading = plainText(name).simplified();
    if (heading.isEmpty() || heading.endsWith(u':'))
        return heading;
    return heading + u':';
}

/// The texts of recipeIngredient in order: strings, and sections (their name as a heading, then their
/// items), however deep a page nests them.
void addIngredientTexts(const QJsonValue &value, QStringList &texts) {
    if (value.isArray()) {
        for (const QJsonValue &v : value.toArray())
            addIngredientTexts(v, texts);
    } else if (value.isObject() && (hasType(value.toObject(), "HowToSection") ||
                                    value.toObject().contains(QLatin1String("itemListElement")))) {
        const QJsonObject o = value.toObject();
        const QString heading = groupHeading(strings(o.value(QLatin1String("name"))).join(u' '));
        if (!heading.isEmpty())
            texts << heading;
        addIngredientTexts(o.value(QLatin1String("itemListElement")), texts);
    } else {
        texts << strings(value);
    }
}

/// A heading that names the list itself ("Ingredients", "Zutaten:") rather than a group of it.
bool namesTheList(const QString &heading) {
    static const QRegularExpression list(
        QStringLiteral(
            "^(?:ingredients?|zutaten|ingr[ée]dients?|ingredienti|ingredientes|ingredi[ëe]nten|"
            "ingredienser|ingredienserne|ingredience|suroviny|what you need|you will need)\\s*:?$"),
        QRegularExpression::CaseInsensitiveOption);
    return list.match(heading.simplified()).hasMatch();
}

Recipe fromJson(const QJsonObject &o, const QString &pageFile) {
    Recipe r;
    r.title = plainText(o.value(QLatin1String("name")).toString()).simplified();
    const QJsonValue ingredients = o.contains(QLatin1String("recipeIngredient"))
                                       ? o.value(QLatin1String("recipeIngredient"))
                                       : o.value(QLatin1String("ingredients"));
    QStringList texts;
    addIngredientTexts(ingredients, texts);
    // One string may hold every line, one to a line.
    for (const QString &text : std::as_const(texts)) {
        for (const QString &line : plainText(text).split(QRegularExpression(QStringLiteral("[\\r\\n]+")))) {
            if (!line.simplified().isEmpty())
                r.ingredientLines << line.simplified();
        }
    }
    addSteps(o.value(QLatin1String("recipeInstructions")), r.steps);
    for (const char *key : {"recipeCategory", "keywords", "recipeCuisine"}) {
        for (const QString &word : strings(o.value(QLatin1String(key))))
            for (const QString &part : word.split(u',', Qt::SkipEmptyParts))
                (std::strcmp(key, "recipeCategory") == 0 ? r.categories : r.keywords)
                    << plainText(part).simplified();
    }
    QStringList yields = strings(o.value(QLatin1String("recipeYield")));
    yields.removeDuplicates();
    r.yield = plainText(yields.join(QStringLiteral(", "))).simplified();
    QStringList times;
    for (const auto &[key, words] : {std::pair{"prepTime", "Preparation"}, std::pair{"cookTime", "Cooking"},
                                     std::pair{"totalTime", "Total"}}) {
        const QString d = durationText(o.value(QLatin1String(key)).toString());
        if (!d.isEmpty())
            times << QStringLiteral("%1: %2").arg(QLatin1String(words), d);
    }
    r.times = times.join(QStringLiteral(", "));
    r.prepMinutes = durationMinutes(o.value(QLatin1String("prepTime")).toString());
    r.cookMinutes = durationMinutes(o.value(QLatin1String("cookTime")).toString());
    r.totalMinutes = durationMinutes(o.value(QLatin1String("totalTime")).toString());
    r.description = plainText(o.value(QLatin1String("description")).toString()).simplified();
    r.cuisine =
        plainText(strings(o.value(QLatin1String("recipeCuisine"))).join(QStringLiteral(", "))).simplified();
    QJsonValue author = o.value(QLatin1String("author"));
    if (author.isArray())
        author = author.toArray().isEmpty() ? QJsonValue() : author.toArray().first();
    r.author = plainText(author.isObject() ? author.toObject().value(QLatin1String("name")).toString()
                                           : author.toString())
                   .simplified();
    r.source = o.value(QLatin1String("url")).toString().trimmed();
    // A page of this program's own export tells the meal times and type as the book held them.
    if (const QJsonValue ownTimes = o.value(QLatin1String("mealvane:mealTimes")); ownTimes.isArray()) {
        static const char *const names[] = {"morning", "snack", "noon", "night", "dessert"};
        std::array<bool, 5> told{};
        for (const QString &time : strings(ownTimes))
            for (size_t t = 0; t < told.size(); ++t)
                told[t] =
                    told[t] || time.trimmed().compare(QLatin1String(names[t]), Qt::CaseInsensitive) == 0;
        r.bookTimes = told;
    }
    if (const QJsonValue type = o.value(QLatin1String("mealvane:recipeType")); type.isString())
        r.bookType = plainText(type.toString()).simplified();
    // The nutrition as "Calories 420 kcal; Fat 12 g", in the order schema.org lists it.
    const QJsonObject nutrition = o.value(QLatin1String("nutrition")).toObject();
    QStringList facts;
    for (const auto &[key, words] :
         {std::pair{"calories", "Calories"}, std::pair{"fatContent", "Fat"},
          std::pair{"saturatedFatContent", "Saturated fat"}, std::pair{"carbohydrateContent", "Carbohydrate"},
          std::pair{"sugarContent", "Sugar"}, std::pair{"fiberContent", "Fibre"},
          std::pair{"proteinContent", "Protein"}, std::pair{"sodiumContent", "Sodium"}}) {
        const QString value =
            plainText(nutrition.value(QLatin1String(key)).toVariant().toString()).simplified();
        if (!value.isEmpty())
            facts << QStringLiteral("%1 %2").arg(QLatin1String(words), value);
    }
    r.nutrition = facts.join(QStringLiteral("; "));
    // Of a list of pictures, the largest its sizes say, else the first.
    QJsonValue image = o.value(QLatin1String("image"));
    if (image.isArray()) {
        const QJsonArray all = image.toArray();
        image = all.isEmpty() ? QJsonValue() : all.first();
        double largest = 0;
        for (const QJsonValue &candidate : all) {
            const QJsonObject c = candidate.toObject();
            const double area = c.value(QLatin1String("width")).toVariant().toDouble() *
                                c.value(QLatin1String("height")).toVariant().toDouble();
            if (area > largest) {
                largest = area;
                image = candidate;
            }
        }
    }
    if (image.isObject())
        image = image.toObject().value(QLatin1String("url"));
    if (image.isString()) {
        r.pictureAddress = image.toString().trimmed();
        r.picture = pictureAt(r.pictureAddress, pageFile);
    }
    return r;
}

void findJsonRecipes(const QJsonValue &value, const QString &pageFile, QList<Recipe> &out) {
    if (value.isArray()) {
        for (const QJsonValue &v : value.toArray())
            findJsonRecipes(v, pageFile, out);
        return;
    }
    if (!value.isObject())
        return;
    const QJsonObject o = value.toObject();
    if (hasType(o, "Recipe")) {
        out << fromJson(o, pageFile);
        return;
    }
    for (auto it = o.begin(); it != o.end(); ++it)
        findJsonRecipes(it.value(), pageFile, out);
}

/// The most of a page handed to the HTML parser, and the deepest nesting of elements it is handed.
constexpr qsizetype MostParsedBytes = 4 * 1024 * 1024;
constexpr int DeepestNesting = 512;

/// How deep the elements of a page (given in lower case) nest, counted the way a parser opens and closes them
/// (an end tag closes the latest element of its name, raw text is skipped, elements whose end tag may be left
/// out and void elements open nothing); counting stops past `enough`. A page nested absurdly deep is not
/// parsed: the parser's work grows with the square of the depth.
int nestingDepth(const QByteArray &html, int enough) {
    static const QSet<QByteArray> opensNothing = {
        "area",   "base",  "br",       "col",      "embed",  "hr",  "img", "input",
        "link",   "meta",  "param",    "source",   "track",  "wbr", "p",   "li",
        "dt",     "dd",    "option",   "optgroup", "tr",     "td",  "th",  "thead",
        "tbody",  "tfoot", "colgroup", "caption",  "rb",     "rt",  "rp",  "!doctype",
        "keygen", "image", "frame",    "basefont", "bgsound"};
    static const QSet<QByteArray> rawText = {"script", "style",   "textarea", "title",    "xmp",
                                             "iframe", "noembed", "noframes", "plaintext"};
    std::vector<QByteArray> open;
    size_t deepest = 0;
    int foreign = 0;
    const qsizetype n = html.size();
    qsizetype i = 0;
    const auto nameChar = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == ':' || c == '!';
    };
    while ((i = html.indexOf('<', i)) >= 0 && i + 1 < n) {
        if (html.mid(i, 4) == "<!--") {
            i = html.indexOf("-->", i + 4);
            if (i < 0)
                break;
            i += 3;
            continue;
        }
        const bool closing = html.at(i + 1) == '/';
        const qsizetype s = i + 1 + (closing ? 1 : 0);
        qsizetype e = s;
        while (e < n && nameChar(html.at(e)))
            ++e;
        if (e == s || !std::isalpha(static_cast<unsigned char>(html.at(s)))) {
            ++i;
            continue;
        }
        const QByteArray name = html.mid(s, e - s).toLower();
        const qsizetype end = html.indexOf('>', e);
        if (end < 0)
            break;
        i = end + 1;
        if (closing) {
            for (size_t k = open.size(); k > 0; --k) {
                if (open[k - 1] == name) {
                    for (size_t f = k - 1; f < open.size(); ++f)
                        foreign -= (open[f] == "svg" || open[f] == "math") ? 1 : 0;
                    open.resize(k - 1);
                    break;
                }
            }
            continue;
        }
        if (rawText.contains(name)) {
            i = html.indexOf("</" + name, i);
            if (i < 0)
                break;
            continue;
        }
        // Self-closing counts only in drawings and formulas; in HTML "<div/>" opens a div.
        if (opensNothing.contains(name) || (foreign > 0 && html.at(end - 1) == '/'))
            continue;
        foreign += (name == "svg" || name == "math") ? 1 : 0;
        open.push_back(name);
        deepest = std::max(deepest, open.size());
        if (int(deepest) > enough)
            break;
    }
    return int(deepest);
}

QString attribute(const GumboNode *node, const char *name) {
    const GumboAttribute *a = gumbo_get_attribute(&node->v.element.attributes, name);
    return a != nullptr ? QString::fromUtf8(a->value) : QString();
}

bool endsLine(GumboTag tag) {
    return tag == GUMBO_TAG_P || tag == GUMBO_TAG_LI || tag == GUMBO_TAG_DIV || tag == GUMBO_TAG_H1 ||
           tag == GUMBO_TAG_H2 || tag == GUMBO_TAG_H3 || tag == GUMBO_TAG_TR;
}

const GumboVector &childrenOf(const GumboNode *node) {
    return node->type == GUMBO_NODE_DOCUMENT ? node->v.document.children : node->v.element.children;
}

/// Every text under a node, block elements ending a line. The tree is walked without recursion, however
/// deep a page nests its elements.
void textOf(const GumboNode *top, QString &out) {
    // Each node with the index of its next child; a block's line ends when its last child is done.
    std::vector<std::pair<const GumboNode *, unsigned>> stack{{top, 0}};
    while (!stack.empty()) {
        auto &[node, next] = stack.back();
        if (next == 0) {
            if (node->type == GUMBO_NODE_TEXT || node->type == GUMBO_NODE_WHITESPACE ||
                node->type == GUMBO_NODE_CDATA) {
                out += QString::fromUtf8(node->v.text.text);
                stack.pop_back();
                continue;
            }
            const GumboTag tag = node->v.element.tag;
            if (node->type != GUMBO_NODE_ELEMENT || tag == GUMBO_TAG_SCRIPT || tag == GUMBO_TAG_STYLE) {
                stack.pop_back();
                continue;
            }
            if (tag == GUMBO_TAG_BR)
                out += u'\n';
        }
        const GumboVector &children = node->v.element.children;
        if (next < children.length) {
            const auto *child = static_cast<const GumboNode *>(children.data[next++]);
            stack.emplace_back(child, 0);
            continue;
        }
        if (endsLine(node->v.element.tag))
            out += u'\n';
        stack.pop_back();
    }
}

/// Visits the elements under `top` in document order; an element for which `visit` answers false is not
/// looked into.
void forEachElement(const GumboNode *top, const std::function<bool(const GumboNode *)> &visit) {
    std::vector<const GumboNode *> stack{top};
    while (!stack.empty()) {
        const GumboNode *node = stack.back();
        stack.pop_back();
        if (node->type != GUMBO_NODE_ELEMENT && node->type != GUMBO_NODE_DOCUMENT)
            continue;
        if (node->type == GUMBO_NODE_ELEMENT && !visit(node))
            continue;
        const GumboVector &children = childrenOf(node);
        for (unsigned i = children.length; i > 0; --i)
            stack.push_back(static_cast<const GumboNode *>(children.data[i - 1]));
    }
}

/// A microdata Recipe: the itemprops under it that belong to it (not to an item nested inside).
Recipe fromMicrodata(const GumboNode *scope, const QString &pageFile) {
    Recipe r;
    // A heading met since the last ingredient: the name of the group the next ingredients belong to.
    QString group;
    // Every element under the recipe in document order, but for those inside an item nested in it.
    forEachElement(scope, [&](const GumboNode *child) {
        if (child == scope)
            return true;
        const QStringList props = attribute(child, "itemprop").split(u' ', Qt::SkipEmptyParts);
        const bool nested = gumbo_get_attribute(&child->v.element.attributes, "itemscope") != nullptr;
        const GumboTag tag = child->v.element.tag;
        if (props.isEmpty() && !nested && tag >= GUMBO_TAG_H2 && tag <= GUMBO_TAG_H6) {
            QString text;
            textOf(child, text);
            group = namesTheList(text) ? QString() : groupHeading(text);
            return false;
        }
        if (!props.isEmpty()) {
            QString text;
            textOf(child, text);
            const QString content = attribute(child, "content");
            const QString value = (content.isEmpty() ? text : content);
            for (const QString &prop : props) {
                if (prop == QLatin1String("name") && r.title.isEmpty() && !nested)
                    r.title = plainText(value).simplified();
                else if (prop == QLatin1String("recipeIngredient") || prop == QLatin1String("ingredients")) {
                    if (!group.isEmpty())
                        r.ingredientLines << std::exchange(group, QString());
                    r.ingredientLines << plainText(value).simplified();
                } else if (prop == QLatin1String("recipeInstructions"))
                    r.steps << lines(text);
                else if (prop == QLatin1String("recipeYield"))
                    r.yield = plainText(value).simplified();
                else if (prop == QLatin1String("recipeCategory") || prop == QLatin1String("keywords") ||
                         prop == QLatin1String("recipeCuisine")) {
                    for (const QString &part : value.split(u',', Qt::SkipEmptyParts))
                        (prop == QLatin1String("recipeCategory") ? r.categories : r.keywords)
                            << plainText(part).simplified();
                } else if (prop == QLatin1String("image") && r.picture.isEmpty()) {
                    for (const char *a : {"src", "content", "href"}) {
                        const QString address = attribute(child, a);
                        if (!address.isEmpty()) {
                            r.picture = pictureAt(address, pageFile);
                            break;
                        }
                    }
                } else if (prop == QLatin1String("totalTime") || prop == QLatin1String("prepTime") ||
                           prop == QLatin1String("cookTime")) {
                    const QString d = durationText(
                        attribute(child, "datetime").isEmpty() ? content : attribute(child, "datetime"));
                    if (!d.isEmpty())
                        r.times += (r.times.isEmpty() ? QString() : QStringLiteral(", ")) + d;
                }
            }
        }
        return !nested;
    });
    r.ingredientLines.removeAll(QString());
    return r;
}

} // namespace

QString durationText(const QString &iso) {
    static const QRegularExpression duration(
        QStringLiteral("^P(?:(\\d+)D)?(?:T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+(?:\\.\\d+)?)S)?)?$"));
    const QRegularExpressionMatch m = duration.match(iso.trimmed());
    if (!m.hasMatch())
        return {};
    QStringList parts;
    const char *units[] = {"d", "h", "min", "s"};
    for (int k = 1; k <= 4; ++k) {
        const QString n = m.captured(k);
        if (!n.isEmpty() && n.toDouble() > 0)
            parts << n + u' ' + QLatin1String(units[k - 1]);
    }
    return parts.join(u' ');
}

int durationMinutes(const QString &iso) {
    static const QRegularExpression duration(
        QStringLiteral("^P(?:(\\d+)D)?(?:T(?:(\\d+)H)?(?:(\\d+)M)?(?:(\\d+(?:\\.\\d+)?)S)?)?$"));
    const QRegularExpressionMatch m = duration.match(iso.trimmed());
    if (!m.hasMatch())
        return 0;
    const double minutes = m.captured(1).toDouble() * 24 * 60 + m.captured(2).toDouble() * 60 +
                           m.captured(3).toDouble() + m.captured(4).toDouble() / 60;
    return minutes > 0 && minutes < 1e7 ? int(std::lround(minutes)) : 0;
}

QList<Recipe> readWebPage(const QByteArray &bytes, const QString &pageFile, QString *problem) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    utf8.decode(bytes);
    // A page saved in another character set reads as Latin-1 rather than not at all.
    const QByteArray html = utf8.hasError() ? QString::fromLatin1(bytes).toUtf8() : bytes;
    QList<Recipe> recipes;
    // JSON-LD blocks are script elements, whose text runs to the next "</script" whatever it holds: found
    // without parsing the whole page, which a big site's page makes slow.
    const QByteArray lower = html.toLower();
    for (qsizetype at = lower.indexOf("<script"); at >= 0; at = lower.indexOf("<script", at + 7)) {
        const qsizetype tagEnd = lower.indexOf('>', at);
        if (tagEnd < 0)
            break;
        const qsizetype end = lower.indexOf("</script", tagEnd);
        if (end < 0)
            break;
        if (lower.mid(at, tagEnd - at).contains("ld+json")) {
            QJsonParseError error{};
            const QJsonDocument document =
                QJsonDocument::fromJson(scriptJson(html.mid(tagEnd + 1, end - tagEnd - 1)), &error);
            if (error.error == QJsonParseError::NoError)
                findJsonRecipes(document.isArray() ? QJsonValue(document.array())
                                                   : QJsonValue(document.object()),
                                pageFile, recipes);
        }
        at = end;
    }
    if (!recipes.isEmpty()) {
        recipes.erase(
            std::remove_if(recipes.begin(), recipes.end(), [](const Recipe &r) { return r.title.isEmpty(); }),
            recipes.end());
        return recipes;
    }
    // Only a page that names a microdata recipe is parsed, and of a big page only the part from the
    // recipe's element on: the parser takes some twenty times the bytes it is given.
    const qsizetype item = lower.indexOf("schema.org/recipe");
    if (item < 0)
        return recipes;
    const qsizetype from =
        html.size() <= MostParsedBytes ? 0 : std::max<qsizetype>(lower.lastIndexOf('<', item), 0);
    const QByteArray part = html.mid(from, MostParsedBytes);
    if (nestingDepth(lower.mid(from, MostParsedBytes), DeepestNesting) > DeepestNesting) {
        if (problem != nullptr)
            *problem = QStringLiteral("its elements nest more than %1 deep").arg(DeepestNesting);
        return recipes;
    }
    GumboOptions options = kGumboDefaultOptions;
    // The parser's notes on faults in the page are not read; kept, each holds the elements open around it.
    options.max_errors = 0;
    GumboOutput *output = gumbo_parse_with_options(&options, part.constData(), size_t(part.size()));
    {
        forEachElement(output->document, [&](const GumboNode *node) {
            if (gumbo_get_attribute(&node->v.element.attributes, "itemscope") != nullptr &&
                attribute(node, "itemtype").contains(QLatin1String("schema.org/Recipe"))) {
                recipes << fromMicrodata(node, pageFile);
                return false;
            }
            return true;
        });
    }
    gumbo_destroy_output(&options, output);
    recipes.erase(
        std::remove_if(recipes.begin(), recipes.end(), [](const Recipe &r) { return r.title.isEmpty(); }),
        recipes.end());
    return recipes;
}

} // namespace recipefiles
