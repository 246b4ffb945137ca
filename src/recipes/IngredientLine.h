#pragma once

#include <QString>
#include <optional>

/// An ingredient line as a cook writes it ("2-3 cloves garlic, crushed", "1 c. à soupe d'huile", "½ Zitrone")
/// read into its parts: the amount (or a range of amounts), the unit, the food a shopper looks for, and what
/// else the line says. Every import and the recipe page read lines through `read`.
namespace ingredientline {

struct Line {
    /// The line as written, blanks collapsed.
    QString text;
    /// A sub-heading such as "For the sauce:"; it has no amount and names no food.
    bool heading = false;
    std::optional<double> amount;
    /// The upper end of a range ("2-3" gives 2 and 3).
    std::optional<double> amountMax;
    /// A measure as its code (g, kg, mg, ml, cl, dl, l, tsp, tbsp, cup, fl oz, pint, quart, gallon, oz, lb),
    /// or a word counting pieces as written ("cloves", "Dose", "pincée"); empty for "3 eggs".
    QString unit;
    /// The food, as the catalogue names it: no amount, unit, brackets, preparation or trailing sign; empty
    /// when the line is not a food (equipment, a heading).
    QString food;
    /// Everything else: sizes, preparation, "to taste", the other measure of "150g/5½oz", "or Y".
    QString note;
};

Line read(const QString &text);

/// The code of a measure written in any of the ways `read` knows ("Esslöffel", "tbsp.", "c. à s."), or the
/// word itself when it counts pieces; empty when the word is no unit.
QString unitOf(const QString &word);

/// Whether a unit is one of the measures (a mass or a volume) rather than a count of pieces.
bool isMeasure(const QString &unit);

} // namespace ingredientline
