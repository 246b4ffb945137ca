#include "Amounts.h"

#include "recipes/IngredientLine.h"
#include "recipes/RecipeFiles.h"

#include <QHash>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace amounts {

namespace {

/// Grams in a unit of mass, millilitres in a unit of volume.
const QHash<QString, double> &masses() {
    static const QHash<QString, double> grams{{QStringLiteral("g"), 1.0},
                                              {QStringLiteral("kg"), 1000.0},
                                              {QStringLiteral("mg"), 0.001},
                                              {QStringLiteral("oz"), 28.349523125},
                                              {QStringLiteral("lb"), 453.59237}};
    return grams;
}

const QHash<QString, double> &volumes() {
    static const QHash<QString, double> millilitres{{QStringLiteral("ml"), 1.0},
                                                    {QStringLiteral("cl"), 10.0},
                                                    {QStringLiteral("dl"), 100.0},
                                                    {QStringLiteral("l"), 1000.0},
                                                    {QStringLiteral("tsp"), 5.0},
                                                    {QStringLiteral("tbsp"), 15.0},
                                                    {QStringLiteral("cup"), 240.0},
                                                    {QStringLiteral("fl oz"), 29.5735295625},
                                                    {QStringLiteral("pint"), 473.176473},
                                                    {QStringLiteral("quart"), 946.352946},
                                                    {QStringLiteral("gallon"), 3785.411784}};
    return millilitres;
}

/// Rounded up to a step that suits its size, so that what is bought is enough.
double rounded(double value, double step) {
    return std::ceil(value / step - 1e-9) * step;
}

/// A key under which the singular and plural of a word counting pieces compare equal ("clove", "Cloves",
/// "Zehe", "Zehen").
QString piecesKey(const QString &unit) {
    QString key = recipefiles::nameKey(unit);
    if (key.size() > 4 && key.endsWith(QLatin1String("en")))
        key.chop(1);
    return key;
}

QString measured(double value, const char *unit) {
    return number(value) + u' ' + QLatin1String(unit);
}

QString spoons(double millilitres) {
    if (millilitres >= 15.0 - 1e-9)
        return measured(rounded(millilitres / 15.0, 0.5), "tbsp");
    return measured(std::max(0.25, rounded(millilitres / 5.0, 0.25)), "tsp");
}

QString massText(double grams, System system) {
    if (system == System::UsCustomary) {
        const double ounces = grams / masses().value(QStringLiteral("oz"));
        if (ounces < 16.0)
            return measured(rounded(ounces, ounces < 10 ? 0.25 : 1.0), "oz");
        return measured(rounded(ounces / 16.0, 0.25), "lb");
    }
    if (grams >= 1000.0)
        return measured(rounded(grams / 1000.0, 0.01), "kg");
    if (grams >= 10.0)
        return measured(rounded(grams, grams >= 100 ? 5.0 : 1.0), "g");
    return measured(rounded(grams, 0.1), "g");
}

QString volumeText(double millilitres, bool spoonsOnly, System system) {
    // Small amounts measured with spoons are told in spoons: "3 tbsp", not "45 ml".
    if (millilitres < 60.0 && (spoonsOnly || system == System::UsCustomary))
        return spoons(millilitres);
    if (system == System::UsCustomary) {
        if (millilitres < 946.0)
            return measured(rounded(millilitres / 240.0, 0.25), millilitres > 240.0 * 1.125 ? "cups" : "cup");
        if (millilitres < 3785.0)
            return measured(rounded(millilitres / 946.352946, 0.25), "quarts");
        return measured(rounded(millilitres / 3785.411784, 0.25), "gallons");
    }
    if (millilitres >= 1000.0)
        return measured(rounded(millilitres / 1000.0, 0.01), "l");
    return measured(rounded(millilitres, millilitres >= 100 ? 10.0 : 1.0), "ml");
}

/// The word for `amount` pieces: of the words written, the plural for more than one and the singular for
/// one, or the English one the list knows.
QString piecesWord(const QStringList &written, double amount) {
    const bool many = std::abs(amount - 1.0) > 1e-9;
    QString word = written.first();
    for (const QString &w : written) {
        if (many ? w.size() > word.size() : w.size() < word.size())
            word = w;
    }
    const QString key = recipefiles::nameKey(word);
    static const QStringList english =
        QStringLiteral("clove cloves can cans tin tins jar jars bunch bunches "
                       "pinch pinches dash dashes drop drops slice slices sprig "
                       "sprigs piece pieces handful handfuls stick sticks stalk "
                       "stalks head heads sheet sheets package packages packet "
                       "packets bag bags box boxes bottle bottles knob knobs")
            .split(u' ');
    for (qsizetype i = 0; i + 1 < english.size(); i += 2) {
        if (recipefiles::nameKey(english.at(i)) == key)
            return many ? english.at(i + 1) : english.at(i);
    }
    return word;
}

} // namespace

QString number(double value) {
    const double two = std::round(value * 100.0) / 100.0;
    QString text = QString::number(two, 'f', 2);
    while (text.contains(u'.') && (text.endsWith(u'0') || text.endsWith(u'.')))
        text.chop(1);
    return text;
}

void Sum::add(double amount, const QString &unit) {
    if (!(amount > 0) || !std::isfinite(amount))
        return;
    if (const auto mass = masses().constFind(unit); mass != masses().cend()) {
        m_grams += amount * *mass;
        m_hasMass = true;
    } else if (const auto volume = volumes().constFind(unit); volume != volumes().cend()) {
        m_millilitres += amount * *volume;
        m_hasVolume = true;
        m_spoonsOnly = m_spoonsOnly && (unit == QLatin1String("tsp") || unit == QLatin1String("tbsp"));
    } else if (unit.isEmpty()) {
        m_things += amount;
    } else {
        const QString key = piecesKey(unit);
        for (Pieces &p : m_pieces) {
            if (p.key == key) {
                p.amount += amount;
                if (!p.written.contains(unit))
                    p.written << unit;
                return;
            }
        }
        m_pieces.push_back({key, {unit}, amount});
    }
}

bool Sum::isEmpty() const {
    return !m_hasMass && !m_hasVolume && m_things <= 0 && m_pieces.isEmpty();
}

QString Sum::text(System system) const {
    QStringList parts;
    if (m_hasMass)
        parts << massText(m_grams, system);
    if (m_hasVolume)
        parts << volumeText(m_millilitres, m_spoonsOnly, system);
    if (m_things > 0)
        parts << number(rounded(m_things, m_things < 10 ? 0.25 : 1.0));
    for (const Pieces &p : m_pieces)
        parts << number(rounded(p.amount, 0.25)) + u' ' + piecesWord(p.written, p.amount);
    return parts.join(QStringLiteral(" + "));
}

} // namespace amounts
