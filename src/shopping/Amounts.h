#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// Amounts of one ingredient added up for the shopping list: masses with masses and volumes with volumes
/// (never one into the other), pieces counted by their unit, and the sum written in a unit a shopper reads
/// at a glance ("1.25 kg", "3 tbsp", "3 cloves", "500 g + 2 cups").
namespace amounts {

enum class System { Metric, UsCustomary };

class Sum {
public:
    /// An amount in a unit as the line reader gives it (a measure's code, a word counting pieces, or empty
    /// for a bare number of things).
    void add(double amount, const QString &unit);
    bool isEmpty() const;
    /// The sum in words; empty when nothing was added.
    QString text(System system) const;

private:
    double m_grams = 0;
    double m_millilitres = 0;
    /// Only spoons made the volume: small amounts stay in spoons.
    bool m_spoonsOnly = true;
    bool m_hasMass = false;
    bool m_hasVolume = false;
    double m_things = 0;
    struct Pieces {
        QString key;
        /// The words it was written with ("clove", "cloves").
        QStringList written;
        double amount = 0;
    };
    QList<Pieces> m_pieces;
};

/// A number as the list writes it: at most two decimals, none when whole ("1.25", "2", "0.5").
QString number(double value);

} // namespace amounts
