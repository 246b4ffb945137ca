#pragma once

#include "RecipeLines.h"

#include <QWidget>
#include <functional>

class QLineEdit;
class QPushButton;
class QSpinBox;
class QTableWidget;

namespace db {
class Connection;
}

/// The recipe page's ingredient lines: amount, unit, ingredient and note of each line in order (headings in
/// bold), the recipe's servings and the amounts scaled to another number of servings. A line typed whole is
/// read into its parts, and each part can be put right in its cell; lines are added, moved and deleted, and
/// every change is written at once, with the catalogue links the lines name.
class RecipeLinesEditor : public QWidget {
    Q_OBJECT
public:
    RecipeLinesEditor(db::Connection &connection, QWidget *parent = nullptr);

    /// Shows the lines of a recipe; none for a key of 0 or less.
    void showRecipe(qint64 meal);
    /// Offers nothing that writes.
    void setReadOnly(bool readOnly);
    /// Reads a typed line and adds it at the end (or after the current line).
    void addLine(const QString &text);

    QTableWidget *grid() const { return m_grid; }
    QSpinBox *servingsBox() const { return m_servings; }
    QSpinBox *scaleBox() const { return m_scale; }
    QLineEdit *lineBox() const { return m_lineBox; }

    /// Runs a change to the book; the page's own handler shows what the book refuses.
    std::function<void(const std::function<void()> &)> run = [](const std::function<void()> &f) { f(); };

signals:
    /// The lines changed the recipe's catalogue links.
    void linksChanged();

private:
    void fill();
    void store();
    void cellEdited(int row, int column);
    void move(int by);
    void deleteLine();
    void servingsChanged(int servings);

    db::Connection &m_connection;
    recipelines::Catalogue m_catalogue;
    qint64 m_meal = 0;
    QList<ingredientline::Line> m_lines;
    QStringList m_foods;
    bool m_filling = false;
    bool m_readOnly = false;
    QTableWidget *m_grid;
    QSpinBox *m_servings;
    QSpinBox *m_scale;
    QLineEdit *m_lineBox;
    QList<QPushButton *> m_writers;
};
