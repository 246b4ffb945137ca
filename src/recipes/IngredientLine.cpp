#include "IngredientLine.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <algorithm>
#include <vector>

namespace ingredientline {

namespace {

using Re = QRegularExpression;
constexpr auto Folded = Re::CaseInsensitiveOption | Re::UseUnicodePropertiesOption;

/// The vulgar fractions and their values.
const QHash<QChar, double> &fractions() {
    static const QHash<QChar, double> values{
        {QChar(0x00BD), 1.0 / 2}, {QChar(0x00BC), 1.0 / 4}, {QChar(0x00BE), 3.0 / 4},
        {QChar(0x2153), 1.0 / 3}, {QChar(0x2154), 2.0 / 3}, {QChar(0x2155), 1.0 / 5},
        {QChar(0x2156), 2.0 / 5}, {QChar(0x2157), 3.0 / 5}, {QChar(0x2158), 4.0 / 5},
        {QChar(0x2159), 1.0 / 6}, {QChar(0x215A), 5.0 / 6}, {QChar(0x215B), 1.0 / 8},
        {QChar(0x215C), 3.0 / 8}, {QChar(0x215D), 5.0 / 8}, {QChar(0x215E), 7.0 / 8}};
    return values;
}

const QString Vulgar = QStringLiteral("[\\x{00BC}-\\x{00BE}\\x{2150}-\\x{215E}]");
/// One number as cooks write it: "1 1/2", "1/2", "1.5", "1,5", "5¼", "½".
const QString Number = QStringLiteral("(?:\\d+\\s+\\d+\\s*[/\\x{2044}]\\s*\\d+|\\d+\\s*[/\\x{2044}]\\s*\\d+|"
                                      "\\d+(?:[.,]\\d+)?(?:\\s?%1)?|%1)")
                           .arg(Vulgar);

double numberValue(QString text) {
    text = text.simplified();
    text.replace(QChar(0x2044), u'/');
    double value = 0;
    QString whole = text;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (fractions().contains(text.at(i))) {
            value += fractions().value(text.at(i));
            whole = text.left(i).trimmed();
            break;
        }
    }
    if (whole.isEmpty())
        return value;
    const QStringList parts = whole.split(u' ', Qt::SkipEmptyParts);
    for (const QString &part : parts) {
        const QString p = QString(part).remove(u' ');
        if (const qsizetype slash = p.indexOf(u'/'); slash > 0) {
            const double below = p.mid(slash + 1).toDouble();
            if (below > 0)
                value += p.left(slash).toDouble() / below;
        } else {
            value += QString(p).replace(u',', u'.').toDouble();
        }
    }
    return value;
}

/// The spellings of the measures, each with its code.
const std::vector<std::pair<const char *, const char *>> &measureSpellings() {
    static const std::vector<std::pair<const char *, const char *>> spellings{{"g", "g"},
                                                                              {"gr", "g"},
                                                                              {"grs", "g"},
                                                                              {"gram", "g"},
                                                                              {"grams", "g"},
                                                                              {"gramme", "g"},
                                                                              {"grammes", "g"},
                                                                              {"gramm", "g"},
                                                                              {"grammi", "g"},
                                                                              {"gramos", "g"},
                                                                              {"gramas", "g"},
                                                                              {"gramů", "g"},
                                                                              {"kg", "kg"},
                                                                              {"kilo", "kg"},
                                                                              {"kilos", "kg"},
                                                                              {"kilogram", "kg"},
                                                                              {"kilograms", "kg"},
                                                                              {"kilogramm", "kg"},
                                                                              {"mg", "mg"},
                                                                              {"milligram", "mg"},
                                                                              {"milligrams", "mg"},
                                                                              {"ml", "ml"},
                                                                              {"mls", "ml"},
                                                                              {"millilitre", "ml"},
                                                                              {"millilitres", "ml"},
                                                                              {"milliliter", "ml"},
                                                                              {"milliliters", "ml"},
                                                                              {"cl", "cl"},
                                                                              {"centilitre", "cl"},
                                                                              {"centilitres", "cl"},
                                                                              {"dl", "dl"},
                                                                              {"decilitre", "dl"},
                                                                              {"deciliter", "dl"},
                                                                              {"l", "l"},
                                                                              {"lt", "l"},
                                                                              {"litre", "l"},
                                                                              {"litres", "l"},
                                                                              {"liter", "l"},
                                                                              {"liters", "l"},
                                                                              {"litro", "l"},
                                                                              {"litri", "l"},
                                                                              {"litros", "l"},
                                                                              {"litrů", "l"},
                                                                              {"tsp", "tsp"},
                                                                              {"tsps", "tsp"},
                                                                              {"teaspoon", "tsp"},
                                                                              {"teaspoons", "tsp"},
                                                                              {"tl", "tsp"},
                                                                              {"teelöffel", "tsp"},
                                                                              {"c. à café", "tsp"},
                                                                              {"c. a café", "tsp"},
                                                                              {"c.à.c.", "tsp"},
                                                                              {"c.à.c", "tsp"},
                                                                              {"c. à c.", "tsp"},
                                                                              {"cuillère à café", "tsp"},
                                                                              {"cuillères à café", "tsp"},
                                                                              {"cc", "tsp"},
                                                                              {"cucchiaino", "tsp"},
                                                                              {"cucchiaini", "tsp"},
                                                                              {"cucharadita", "tsp"},
                                                                              {"cucharaditas", "tsp"},
                                                                              {"cdta", "tsp"},
                                                                              {"cdtas", "tsp"},
                                                                              {"colher de chá", "tsp"},
                                                                              {"colheres de chá", "tsp"},
                                                                              {"theelepel", "tsp"},
                                                                              {"theelepels", "tsp"},
                                                                              {"tsk", "tsp"},
                                                                              {"ts", "tsp"},
                                                                              {"lžička", "tsp"},
                                                                              {"lžičky", "tsp"},
                                                                              {"lžiček", "tsp"},
                                                                              {"tbsp", "tbsp"},
                                                                              {"tbsps", "tbsp"},
                                                                              {"tbs", "tbsp"},
                                                                              {"tbl", "tbsp"},
                                                                              {"tablespoon", "tbsp"},
                                                                              {"tablespoons", "tbsp"},
                                                                              {"el", "tbsp"},
                                                                              {"esslöffel", "tbsp"},
                                                                              {"c. à soupe", "tbsp"},
                                                                              {"c. a soupe", "tbsp"},
                                                                              {"c.à.s.", "tbsp"},
                                                                              {"c.à.s", "tbsp"},
                                                                              {"c. à s.", "tbsp"},
                                                                              {"cuillère à soupe", "tbsp"},
                                                                              {"cuillères à soupe", "tbsp"},
                                                                              {"cs", "tbsp"},
                                                                              {"cucchiaio", "tbsp"},
                                                                              {"cucchiai", "tbsp"},
                                                                              {"cucharada", "tbsp"},
                                                                              {"cucharadas", "tbsp"},
                                                                              {"cda", "tbsp"},
                                                                              {"cdas", "tbsp"},
                                                                              {"colher de sopa", "tbsp"},
                                                                              {"colheres de sopa", "tbsp"},
                                                                              {"eetlepel", "tbsp"},
                                                                              {"eetlepels", "tbsp"},
                                                                              {"spsk", "tbsp"},
                                                                              {"ss", "tbsp"},
                                                                              {"msk", "tbsp"},
                                                                              {"lžíce", "tbsp"},
                                                                              {"lžic", "tbsp"},
                                                                              {"cup", "cup"},
                                                                              {"cups", "cup"},
                                                                              {"c", "cup"},
                                                                              {"tasse", "cup"},
                                                                              {"tassen", "cup"},
                                                                              {"tasses", "cup"},
                                                                              {"tazza", "cup"},
                                                                              {"tazze", "cup"},
                                                                              {"taza", "cup"},
                                                                              {"tazas", "cup"},
                                                                              {"xícara", "cup"},
                                                                              {"xícaras", "cup"},
                                                                              {"kopje", "cup"},
                                                                              {"kopjes", "cup"},
                                                                              {"kopp", "cup"},
                                                                              {"hrnek", "cup"},
                                                                              {"hrnky", "cup"},
                                                                              {"hrnku", "cup"},
                                                                              {"fl oz", "fl oz"},
                                                                              {"fl. oz", "fl oz"},
                                                                              {"floz", "fl oz"},
                                                                              {"fluid ounce", "fl oz"},
                                                                              {"fluid ounces", "fl oz"},
                                                                              {"oz", "oz"},
                                                                              {"ounce", "oz"},
                                                                              {"ounces", "oz"},
                                                                              {"lb", "lb"},
                                                                              {"lbs", "lb"},
                                                                              {"pound", "lb"},
                                                                              {"pounds", "lb"},
                                                                              {"pint", "pint"},
                                                                              {"pints", "pint"},
                                                                              {"pt", "pint"},
                                                                              {"quart", "quart"},
                                                                              {"quarts", "quart"},
                                                                              {"qt", "quart"},
                                                                              {"gallon", "gallon"},
                                                                              {"gallons", "gallon"},
                                                                              {"gal", "gallon"},
                                                                              {"tb", "tbsp"},
                                                                              {"fl", "fl oz"},
                                                                              {"ga", "gallon"},
                                                                              {"cb", "ml"}};
    return spellings;
}

/// Words that count pieces: kept as written.
const QStringList &countWords() {
    static const QStringList words =
        QStringLiteral(
            "clove cloves can cans tin tins jar jars bunch bunches pinch pinches dash dashes drop drops "
            "slice slices "
            "sprig sprigs piece pieces handful handfuls stick sticks stalk stalks rib ribs head heads sheet "
            "sheets "
            "package packages packet packets pack packs pkg pkg. bag bags box boxes bottle bottles carton "
            "cartons "
            "envelope envelopes knob knobs sachet sachets leaf leaves "
            "zehe zehen prise prisen bund dose dosen becher päckchen pck. pkg. packung packungen scheibe "
            "scheiben "
            "stück stk. zweig zweige blatt blätter msp. messerspitze handvoll glas "
            "gousse gousses pincée pincées botte bottes tranche tranches boîte boîtes brin brins feuille "
            "feuilles "
            "morceau morceaux poignée "
            "spicchio spicchi pizzico fetta fette mazzetto mazzo rametto rametti foglia foglie barattolo "
            "scatola "
            "scatoletta bustina pezzo pezzi manciata "
            "diente dientes pizca rebanada rebanadas lata latas manojo ramita ramitas hoja hojas sobre "
            "rodaja "
            "rodajas trozo trozos puñado "
            "dente dentes pitada fatia fatias maço ramo folha folhas pacote pedaço "
            "teen teentje teentjes tenen snufje blik blikje plak plakje plakjes takje takjes bosje stuk "
            "stuks zakje "
            "fed knivspids nypa dåse burk boks skive skiver stk bundt kvist pakke krm klyfta klyftor "
            "stroužek stroužky špetka plechovka plátek plátky svazek snítka kus kusy balíček hrst "
            // the codes of MealMaster files
            "cn pk pn dr ds ct bn sl ea")
            .split(u' ');
    return words;
}

/// One unit, the longest spelling first: its spelling in the line, and its code or the word as written.
struct UnitMatch {
    qsizetype length = 0;
    QString unit;
};

UnitMatch matchUnit(const QString &s, bool amountBefore) {
    // "T" and "t", alone, are a tablespoon and a teaspoon only after an amount.
    static const Re bigT(QStringLiteral("^(?:T|Tb)\\.?(?=\\s|$)"));
    static const Re smallT(QStringLiteral("^t\\.?(?=\\s|$)"));
    if (amountBefore) {
        if (const auto m = bigT.match(s); m.hasMatch())
            return {m.capturedLength(), QStringLiteral("tbsp")};
        if (const auto m = smallT.match(s); m.hasMatch())
            return {m.capturedLength(), QStringLiteral("tsp")};
    }
    static const Re any = [] {
        QStringList all;
        for (const auto &[spelling, code] : measureSpellings())
            all << QString::fromUtf8(spelling);
        for (const QString &word : countWords())
            all << word;
        std::sort(all.begin(), all.end(),
                  [](const QString &a, const QString &b) { return a.size() > b.size(); });
        QStringList escaped;
        for (const QString &a : all)
            escaped << Re::escape(a).replace(QStringLiteral("\\ "), QStringLiteral("\\s*"));
        return Re(QStringLiteral("^(?:%1)(?=[\\s,/)]|$|\\.)\\.?").arg(escaped.join(u'|')), Folded);
    }();
    const QRegularExpressionMatch m = any.match(s);
    // A unit is followed by what it measures: "Cloves" alone is the spice.
    if (!m.hasMatch() || (!amountBefore && s.mid(m.capturedEnd()).trimmed().isEmpty()))
        return {};
    const QString written = m.captured(0);
    const QString code = unitOf(written);
    // The one-letter measures and the short ones that are also words need an amount before them.
    // Without an amount before them, only units no word is spelt like: not "l", "c" or "ts", but "EL".
    if (!amountBefore && written.size() <= 2 && written != written.toUpper())
        return {};
    if (!amountBefore && written.size() == 1)
        return {};
    return {m.capturedLength(), code};
}

/// Words that say how big or how full a piece is.
const Re &sizeWords() {
    static const Re re(
        QStringLiteral(
            "^(?:sm|md|lg|small|medium|large|extra[- ]large|big|jumbo|heaped|heaping|level|rounded|generous|"
            "scant|good|ripe|groß|große|großer|großes|großen|klein|kleine|kleiner|kleines|kleinen|"
            "mittelgroß|mittelgroße|mittelgroßer|gros|grosse|grosses|petit|petite|petits|petites|"
            "moyen|moyenne|moyens|moyennes|grande|grandi|grandes|piccolo|piccola|piccoli|piccole|"
            "pequeño|pequeña|pequeños|pequeñas|mediano|mediana|pequeno|pequena|médio|média|grote|"
            "kleine|middelgrote|stor|store|lille|små|velký|velká|velké|malý|malá|malé)(?=\\s|,|$)"),
        Folded);
    return re;
}

/// Preparation a cook does before the food goes in, written before the food.
const Re &preparationBefore() {
    static const Re re(
        QStringLiteral("^(?:(?:finely|roughly|thinly|coarsely|freshly|lightly|very|fein|frisch|grob|"
                       "fraîchement|finement)\\s+)?(?:chopped|diced|sliced|grated|shredded|crushed|"
                       "melted|softened|beaten|sifted|peeled|cooked|toasted|packed|mashed|minced(?!\\s+(?:"
                       "beef|pork|lamb|meat|chicken|"
                       "turkey|veal))|ground(?=\\s+(?:black|"
                       "white)?\\s*pepper)|gehackte|gehackter|gehacktes|geriebener|geriebene|geriebenes|"
                       "gewürfelte|geschälte|fresh|frische|frischer|frisches|frais|fraîche|fresco|fresca|"
                       "freschi|fresche)(?=\\s)\\s*"),
        Folded);
    return re;
}

/// Preparation written after the food, as some languages do ("oignon émincé", "cebolla picada").
const Re &preparationAfter() {
    static const Re re(
        QStringLiteral("\\s+((?:finement\\s+)?(?:émincée?s?|hachée?s?|battue?s?|fondue?s?|râpée?s?|coupée?s?|"
                       "picad[oa]s?|rallad[oa]s?|ralad[oa]s?|tritat[oaie]|grattugiat[oaie]|gehakt|gehakte|"
                       "gesnipperd|geperst|gewürfelt|gepresst|gehackt|gerieben|hakket|hakkede|revet|"
                       "nasekan[ýáé]|strouhan[ýáé]|grande|grandes|pequeñ[oa]s?|piccol[oaie]))$"),
        Folded);
    return re;
}

/// What a line says to do with the food rather than what it is, at the end of the line.
const Re &trailingPhrase() {
    static const Re re(
        QStringLiteral(
            "\\s+((?:to taste|or to taste|as needed|as required|to serve|to garnish|optional|divided|"
            "for [\\p{L} ]+|plus (?:extra|more)[\\p{L} ]*|nach (?:geschmack|belieben)|zum [\\p{L}]+|"
            "à volonté|au goût|pour [\\p{L} ]+|q\\.\\s?b\\.|quanto basta|al gusto|a gusto|a gosto|a piacere|"
            "para [\\p{L}]+|naar smaak|efter smag|etter smak|efter smak|podle chuti|na [\\p{L}]+ní))\\.?$"),
        Folded);
    return re;
}

/// What lays no food on the table: tins, papers and skewers a recipe lists among its ingredients.
bool isEquipment(const QString &food) {
    static const Re re(
        QStringLiteral(
            "(?:\\b(?:baking|cake|loaf|muffin|roasting|pie|springform|tart)\\s+(?:pan|pans|tin|tins|"
            "dish|tray|sheet|mould|mold|cases|liners)|\\b(?:pan|pans|dish|skillet|skewers|toothpicks|"
            "thermometer|cling film|foil|(?:parchment|baking|greaseproof|wax|kitchen) paper|kitchen "
            "string|twine|backpapier|springform|springformform|auflaufform|papier sulfurisé|carta "
            "forno|papel de horno|bakpapier|bakplåtspapper|bagepapir|pečicí papír))$"),
        Folded);
    return re.match(food).hasMatch();
}

void addNote(QStringList &notes, const QString &piece) {
    const QString p = piece.simplified();
    if (!p.isEmpty())
        notes << p;
}

/// The food as the catalogue names it: its first letters as written, no sign at either end.
QString cleanFood(QString food) {
    static const Re edges(QStringLiteral("^[\\s.,;:*)(\\[\\]\\-+&/]+|[\\s.,;:*)(\\[\\]\\-+&/]+$"));
    static const Re brackets(QStringLiteral("[()\\[\\]]"));
    food.remove(brackets);
    for (QString before; before != food;) {
        before = food;
        food.remove(edges);
    }
    return food.simplified();
}

} // namespace

QString unitOf(const QString &word) {
    const QString written = word.simplified();
    const QString w = written.toLower();
    // Every spelling of a measure, with its blanks and without ("c. à soupe", "c.àsoupe").
    static const QHash<QString, QString> codes = [] {
        QHash<QString, QString> all;
        for (const auto &[spelling, code] : measureSpellings()) {
            const QString s = QString::fromUtf8(spelling);
            all.insert(s, QString::fromUtf8(code));
            all.insert(QString(s).remove(u' '), QString::fromUtf8(code));
        }
        return all;
    }();
    static const QSet<QString> counts(countWords().cbegin(), countWords().cend());
    for (const QString &key : {w, w.endsWith(u'.') ? w.chopped(1) : QString(), QString(w).remove(u' ')}) {
        if (const auto found = codes.constFind(key); !key.isEmpty() && found != codes.cend())
            return *found;
    }
    if (counts.contains(w))
        return written;
    if (w.endsWith(u'.') && counts.contains(w.chopped(1)))
        return written.chopped(1);
    return {};
}

bool isMeasure(const QString &unit) {
    static const QStringList measures = QStringLiteral("g kg mg ml cl dl l tsp tbsp cup fl oz pint quart "
                                                       "gallon oz lb")
                                            .split(u' ');
    return unit == QLatin1String("fl oz") || measures.contains(unit);
}

Line read(const QString &text) {
    Line line;
    line.text = text.simplified();
    QString s = line.text;
    static const Re bullet(
        QStringLiteral("^(?:[*\\x{2022}\\x{00B7}\\x{25AA}\\x{25A2}\\x{25A1}\\x{2610}\\x{2713}]"
                       "\\s*|[-\\x{2013}\\x{2014}]\\s+)+"));
    s.remove(bullet);
    static const Re digit(QStringLiteral("\\d|%1").arg(Vulgar));

    // A sub-heading: no amount, and a colon at its end, or "For the sauce", or a few words in capitals.
    static const Re headingStart(
        QStringLiteral(
            "^(?:for the|for|für die|für den|für das|pour la|pour le|pour les|pour|per il|per la|per "
            "le|per|para la|para el|para|voor de|voor het|til|till|na)\\s+\\p{L}+(?:\\s+\\p{L}+)?$"),
        Folded);
    if (!s.contains(digit)) {
        const QString plain = s.endsWith(u':') ? s.chopped(1).trimmed() : s;
        const bool capitals = plain.size() >= 3 && plain == plain.toUpper() && plain != plain.toLower() &&
                              plain.split(u' ').size() <= 4;
        if (s.endsWith(u':') || headingStart.match(s).hasMatch() || capitals) {
            line.heading = true;
            return line;
        }
    }

    // A step of the method among the ingredients ("Preheat the oven to 180 C") names no food.
    static const Re instruction(
        QStringLiteral("^(?:preheat|heat the|mix|stir|bake|combine|whisk|serve|cook|place|"
                       "bring|put|pour|remove|let|set aside|vorheizen|den ofen|préchauffer|"
                       "preriscaldare|precalentar|voorverwarm)\\b(?!\\p{L})"),
        Folded);
    if (instruction.match(s).hasMatch() && s.split(u' ').size() >= 3) {
        line.note = s;
        return line;
    }

    QStringList front;
    QStringList tail;
    bool amountGiven = false;
    const auto take = [&s](const QRegularExpressionMatch &m) { s = s.mid(m.capturedEnd()).trimmed(); };

    static const Re approx(
        QStringLiteral(
            "^(?:about|approx\\.?|approximately|around|ca\\.?|circa|etwa|environ|ongeveer|cirka|asi)"
            "\\s+"),
        Folded);
    if (const auto m = approx.match(s); m.hasMatch()) {
        addNote(front, m.captured(0));
        take(m);
    }
    static const Re vague(
        QStringLiteral("^(?:a few|a little|a drizzle of|a splash of|a dash of|a handful of|some|several|"
                       "einige|etwas|quelques|un peu de|un filo di|un po' di|un poco de|algunos)(?=\\s)"),
        Folded);
    if (const auto m = vague.match(s); m.hasMatch() && !m.captured(0).endsWith(QLatin1String("dash of")) &&
                                       !m.captured(0).endsWith(QLatin1String("handful of"))) {
        addNote(front, m.captured(0).toLower());
        take(m);
    }

    // The amount, or a range of two.
    static const Re amount(
        QStringLiteral("^(%1)(?:\\s*(?:-|\\x{2013}|\\x{2014}|\\s(?:to|bis|à|a|al|tot|til|till|do|"
                       "or|oder|ou|o|eller|nebo)\\s)\\s*(%1))?(?=[\\s(/x-]|\\p{L}|$)")
            .arg(Number),
        Folded);
    static const Re wordAmount(
        QStringLiteral(
            "^(a couple of|a dozen|half an?|a half|half|an?|one|two|three|four|five|six|seven|eight|"
            "nine|ten|eleven|twelve|ein|eine|einen|einer|halbe|halber|halbes|un|une|demi|demie|uno|"
            "una|mezzo|mezza|medio|media|um|uma|meio|meia|een|halve|en|ett|et|halv|půl)\\s+(?=\\S)"),
        Folded);
    static const QHash<QString, double> wordValues{
        {QStringLiteral("a couple of"), 2}, {QStringLiteral("a dozen"), 12}, {QStringLiteral("two"), 2},
        {QStringLiteral("three"), 3},       {QStringLiteral("four"), 4},     {QStringLiteral("five"), 5},
        {QStringLiteral("six"), 6},         {QStringLiteral("seven"), 7},    {QStringLiteral("eight"), 8},
        {QStringLiteral("nine"), 9},        {QStringLiteral("ten"), 10},     {QStringLiteral("eleven"), 11},
        {QStringLiteral("twelve"), 12}};
    static const Re halves(QStringLiteral("^(?:half|a half|halbe|halber|halbes|demi|demie|mezzo|mezza|medio|"
                                          "media|meio|meia|halve|halv|půl)"),
                           Folded);
    const auto readAmount = [&]() {
        if (const auto m = amount.match(s); m.hasMatch()) {
            QString first = m.captured(1);
            // "1,000 g": a thousand where three figures follow the comma of a small measure.
            static const Re thousands(QStringLiteral("^(\\d{1,3}),(\\d{3})$"));
            const QString rest = s.mid(m.capturedEnd()).trimmed();
            const QString nextUnit = unitOf(rest.section(u' ', 0, 0));
            if (thousands.match(first).hasMatch() &&
                (nextUnit == QLatin1String("g") || nextUnit == QLatin1String("ml") || nextUnit.isEmpty()))
                first.remove(u',');
            line.amount = numberValue(first);
            if (m.capturedLength(2) > 0)
                line.amountMax = numberValue(m.captured(2));
            take(m);
            return true;
        }
        if (const auto m = wordAmount.match(s); m.hasMatch()) {
            const QString word = m.captured(1).toLower();
            line.amount = halves.match(word).hasMatch() ? 0.5 : wordValues.value(word, 1.0);
            take(m);
            // "half a lemon", "half an orange"
            static const Re article(QStringLiteral("^an?\\s+(?=\\S)"), Folded);
            if (const auto a = article.match(s); a.hasMatch() && *line.amount == 0.5)
                take(a);
            return true;
        }
        return false;
    };

    // "Juice of 1 lemon", "Zest of half an orange": the fruit is what is bought.
    static const Re partOf(
        QStringLiteral("^(juice|zest|grated zest|rind|saft|abrieb|jus|zeste|succo|scorza|zumo|"
                       "ralladura|suco|raspas)\\s+(?:of|von|de|d'|di|del|einer|einem)\\s+"),
        Folded);
    if (const auto m = partOf.match(s); m.hasMatch()) {
        addNote(front, m.captured(1).toLower());
        take(m);
    }
    amountGiven = readAmount();

    // What may stand between the amount and the unit: a size in brackets, "x 400g", a length, a size word.
    static const Re bracket(QStringLiteral("^[(\\[][^)\\]]*[)\\]]"));
    static const Re times(QStringLiteral("^x\\s*(%1)\\s*\\p{L}*").arg(Number), Folded);
    static const Re length(QStringLiteral("^-?\\s?(?:inch|inches|in\\.|cm)(?=\\s)"), Folded);
    static const Re percent(QStringLiteral("^\\d+(?:[.,]\\d+)?\\s?%(?:\\s*fat)?(?=\\s)"), Folded);
    for (bool more = true; more;) {
        more = false;
        for (const Re *rule : {&bracket, &times, &length, &percent, &sizeWords()}) {
            if (const auto m = rule->match(s); m.hasMatch() && m.capturedLength() > 0) {
                QString piece = m.captured(0);
                if (rule == &times)
                    piece = piece.mid(1).trimmed();
                if (rule == &length && amountGiven && piece.startsWith(u'-'))
                    piece = QString::number(*line.amount) + piece;
                addNote(front, rule == &sizeWords() ? piece.toLower() : piece);
                take(m);
                more = true;
            }
        }
    }

    if (const UnitMatch unit = matchUnit(s, amountGiven); unit.length > 0) {
        line.unit = unit.unit;
        s = s.mid(unit.length).trimmed();
        // A pinch is one pinch.
        static const Re pinch(
            QStringLiteral("^(?:pinch|prise|pincée|pizca|pizzico|pitada|snufje|knivspids|nypa|"
                           "špetka)$"),
            Folded);
        if (!amountGiven && pinch.match(line.unit).hasMatch())
            line.amount = 1;
        // The other measure of "150g/5½oz", "1 cup + 2 tbsp".
        static const Re other(
            QStringLiteral("^(?:/|\\+)\\s*(?:%1)\\s*(?:fl\\.?\\s?oz|\\p{L}+)\\.?").arg(Number), Folded);
        if (const auto m = other.match(s); m.hasMatch()) {
            addNote(front, m.captured(0).startsWith(u'/') ? m.captured(0).mid(1) : m.captured(0));
            take(m);
        }
    }
    // "of", "de", "d'", "di" between the unit and the food.
    static const Re of(
        QStringLiteral("^(?:of|de|di|del|della|dello|degli|delle|da|do|von|van|af)\\s+|^d['\\x{2019}]"),
        Folded);
    if (const auto m = of.match(s); m.hasMatch() && (!line.unit.isEmpty() || amountGiven))
        take(m);
    for (bool more = true; more;) {
        more = false;
        for (const Re *rule : {&bracket, &percent, &sizeWords(), &preparationBefore()}) {
            if (const auto m = rule->match(s);
                m.hasMatch() && m.capturedLength() > 0 && m.capturedLength() < s.size()) {
                addNote(front, rule == &bracket ? m.captured(0) : m.captured(0).toLower());
                take(m);
                more = true;
            }
        }
    }

    // The rest: the food, then what follows its first comma.
    static const Re comma(QStringLiteral("(?<!\\d),|,(?!\\d)|;"));
    QString food = s;
    if (const auto m = comma.match(food); m.hasMatch()) {
        addNote(tail, food.mid(m.capturedEnd()));
        food.truncate(m.capturedStart());
    }
    // Brackets inside the food go to the note where they stand.
    static const Re inner(QStringLiteral("\\s*([(\\[][^)\\]]*[)\\]])"));
    for (auto m = inner.match(food); m.hasMatch(); m = inner.match(food)) {
        tail.prepend(m.captured(1));
        food.remove(m.capturedStart(), m.capturedLength());
    }
    food = food.simplified();
    for (auto m = trailingPhrase().match(food); m.hasMatch(); m = trailingPhrase().match(food)) {
        tail.prepend(m.captured(1));
        food.truncate(m.capturedStart());
    }
    for (auto m = preparationAfter().match(food); m.hasMatch(); m = preparationAfter().match(food)) {
        front << m.captured(1);
        food.truncate(m.capturedStart());
    }
    // "Salt and pepper": the first is linked, the other kept in the note.
    static const Re seasoning(
        QStringLiteral("^((?:sea )?(?:salt|pepper|sel|poivre|salz|pfeffer|sale|pepe|sal|"
                       "pimienta|pimenta|zout|peper|peber|sůl|pepř))\\s+((?:and|&|und|et|e|y|"
                       "og|och|en|a|i)\\s+.+)$"),
        Folded);
    if (const auto m = seasoning.match(food); m.hasMatch()) {
        front << m.captured(2);
        food = m.captured(1);
    }
    // "milk or cream": the first is linked.
    static const Re alternative(QStringLiteral("\\s+((?:or|oder|ou|o|eller|nebo)\\s+.+)$"), Folded);
    if (const auto m = alternative.match(food); m.hasMatch()) {
        front << m.captured(1);
        food.truncate(m.capturedStart());
    }
    // Figures left in the food ("farina 00") are no part of its name.
    static const Re figures(QStringLiteral("\\s+(\\S*\\d\\S*)"));
    for (auto m = figures.match(food); m.hasMatch(); m = figures.match(food)) {
        tail.prepend(m.captured(1));
        food.remove(m.capturedStart(), m.capturedLength());
    }
    food = cleanFood(food);
    // A unit grown into the food's word: "Knoblauchzehen", "vitlöksklyftor".
    static const Re grown(QStringLiteral("^(\\p{L}{3,}?)s?(zehen|zehe|klyftor|klyfta)$"), Folded);
    if (const auto m = grown.match(food); m.hasMatch() && line.unit.isEmpty()) {
        line.unit = m.captured(2);
        food = m.captured(1);
    }
    // "3 garlic cloves", "4 celery stalks": the count stands after the food.
    static const Re countAfter(QStringLiteral("^(\\p{L}.*\\S)\\s+(cloves?|sprigs?|stalks?)$"), Folded);
    if (const auto m = countAfter.match(food); m.hasMatch() && line.unit.isEmpty()) {
        line.unit = m.captured(2);
        food = m.captured(1);
    }
    static const Re letter(QStringLiteral("\\p{L}"));
    if (!food.contains(letter) || isEquipment(food)) {
        if (isEquipment(food)) {
            line.amount.reset();
            line.amountMax.reset();
            line.unit.clear();
            front.clear();
            tail.clear();
        }
        food.clear();
    }
    line.food = food;
    line.note = (front + tail).join(QStringLiteral(", "));
    return line;
}

} // namespace ingredientline
