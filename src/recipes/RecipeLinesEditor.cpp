#include "RecipeLinesEditor.h"

#include "shopping/Amounts.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/widgets/FlowLayout.h"
#include "toolkit/widgets/TextLimit.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

enum Column { AmountColumn, UnitColumn, FoodColumn, NoteColumn };

QString amountText(const ingredientline::Line &line, double scale) {
    if (!line.amount)
        return {};
    QString text = amounts::number(*line.amount * scale);
    if (line.amountMax)
        text += u'-' + amounts::number(*line.amountMax * scale);
    return text;
}

/// The line as its parts now say it, for a line whose parts were put right by hand.
QString composed(const ingredientline::Line &line) {
    QStringList parts;
    if (line.amount)
        parts << amountText(line, 1.0);
    if (!line.unit.isEmpty())
        parts << line.unit;
    if (!line.food.isEmpty())
        parts << line.food;
    QString text = parts.join(u' ');
    if (!line.note.isEmpty())
        text += (text.isEmpty() ? QString() : QStringLiteral(", ")) + line.note;
    return text;
}

} // namespace

RecipeLinesEditor::RecipeLinesEditor(db::Connection &connection, QWidget *parent)
    : QWidget(parent)
    , m_connection(connection)
    , m_catalogue(connection) {
    setObjectName(QStringLiteral("RecipeLinesEditor"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto *sizes = new FlowLayout(nullptr, 6, 4);
    m_servings = new QSpinBox(this);
    m_servings->setObjectName(QStringLiteral("ServingsBox"));
    m_servings->setRange(0, 1000);
    m_servings->setSpecialValueText(QCoreApplication::translate("RecipeLinesEditor", "unknown"));
    m_servings->setAccessibleName(QCoreApplication::translate("RecipeLinesEditor", "Servings"));
    m_scale = new QSpinBox(this);
    m_scale->setObjectName(QStringLiteral("ScaleToBox"));
    m_scale->setRange(0, 1000);
    m_scale->setSpecialValueText(QCoreApplication::translate("RecipeLinesEditor", "as written"));
    m_scale->setAccessibleName(QCoreApplication::translate("RecipeLinesEditor", "Scale to servings"));
    m_scale->setToolTip(QCoreApplication::translate(
        "RecipeLinesEditor", "Shows the amounts for another number of servings; the recipe is not "
                             "changed"));
    auto *servingsCaption = new QLabel(QCoreApplication::translate("RecipeLinesEditor", "Se&rvings:"), this);
    servingsCaption->setBuddy(m_servings);
    auto *scaleCaption = new QLabel(QCoreApplication::translate("RecipeLinesEditor", "Scale &to:"), this);
    scaleCaption->setBuddy(m_scale);
    for (QWidget *w : std::initializer_list<QWidget *>{servingsCaption, m_servings, scaleCaption, m_scale})
        sizes->addWidget(w);
    layout->addLayout(sizes);

    m_grid = new QTableWidget(0, 4, this);
    m_grid->setObjectName(QStringLiteral("RecipeLinesGrid"));
    m_grid->setAccessibleName(QCoreApplication::translate("RecipeLinesEditor", "Ingredient lines"));
    m_grid->setHorizontalHeaderLabels({QCoreApplication::translate("RecipeLinesEditor", "Amount"),
                                       QCoreApplication::translate("RecipeLinesEditor", "Unit"),
                                       QCoreApplication::translate("RecipeLinesEditor", "Ingredient"),
                                       QCoreApplication::translate("RecipeLinesEditor", "Note")});
    m_grid->verticalHeader()->hide();
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setWordWrap(true);
    m_grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QHeaderView *header = m_grid->horizontalHeader();
    header->setSectionResizeMode(AmountColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(UnitColumn, QHeaderView::ResizeToContents);
    header->setSectionResizeMode(FoodColumn, QHeaderView::Stretch);
    header->setSectionResizeMode(NoteColumn, QHeaderView::Stretch);
    layout->addWidget(m_grid, 1);

    m_lineBox = new QLineEdit(this);
    m_lineBox->setObjectName(QStringLiteral("NewLineBox"));
    m_lineBox->setAccessibleName(QCoreApplication::translate("RecipeLinesEditor", "New ingredient line"));
    m_lineBox->setPlaceholderText(
        QCoreApplication::translate("RecipeLinesEditor", "Type a line, e.g. 2 cups flour, sifted"));
    limitCharacters(m_lineBox, 255);
    layout->addWidget(m_lineBox);
    auto *buttons = new FlowLayout;
    const auto button = [&](const char *name, const QString &caption, std::function<void()> act) {
        auto *b = new QPushButton(caption, this);
        b->setObjectName(QLatin1String(name));
        connect(b, &QPushButton::clicked, this, [this, act] { run(act); });
        buttons->addWidget(b);
        m_writers << b;
        return b;
    };
    button("AddLine", QCoreApplication::translate("RecipeLinesEditor", "Add Line"),
           [this] { addLine(m_lineBox->text()); });
    button("DeleteLine", QCoreApplication::translate("RecipeLinesEditor", "Delete Line"),
           [this] { deleteLine(); });
    button("LineUp", QCoreApplication::translate("RecipeLinesEditor", "Up"), [this] {
        move(-1);
    })->setAccessibleName(QCoreApplication::translate("RecipeLinesEditor", "Move line up"));
    button("LineDown", QCoreApplication::translate("RecipeLinesEditor", "Down"), [this] {
        move(1);
    })->setAccessibleName(QCoreApplication::translate("RecipeLinesEditor", "Move line down"));
    layout->addLayout(buttons);

    connect(m_lineBox, &QLineEdit::returnPressed, this,
            [this] { run([this] { addLine(m_lineBox->text()); }); });
    connect(m_grid, &QTableWidget::cellChanged, this, [this](int row, int column) {
        if (!m_filling)
            run([this, row, column] { cellEdited(row, column); });
    });
    connect(m_servings, &QSpinBox::valueChanged, this, [this](int servings) {
        if (!m_filling)
            run([this, servings] { servingsChanged(servings); });
    });
    connect(m_scale, &QSpinBox::valueChanged, this, [this] { fill(); });
}

void RecipeLinesEditor::showRecipe(qint64 meal) {
    m_meal = meal;
    m_lines.clear();
    m_catalogue.load();
    int servings = 0;
    if (meal > 0) {
        db::Statement lines(
            m_connection,
            QStringLiteral("SELECT Line_Text, Line_Heading, Line_Amount, Line_Amount_Max, Line_Unit, "
                           "Ingredients_Description, Line_Note FROM Recipe_Lines LEFT JOIN "
                           "Ingredients ON Ingredients.Ingredients_ID=Recipe_Lines.Ingredients_ID "
                           "WHERE Meal_ID=? ORDER BY Line_Position, Line_ID"));
        lines.bind(1, meal);
        while (lines.step()) {
            ingredientline::Line line;
            line.text = lines.value(0).toString();
            line.heading = lines.value(1).toInt() != 0;
            if (!lines.value(2).isNull())
                line.amount = lines.value(2).toDouble();
            if (!lines.value(3).isNull())
                line.amountMax = lines.value(3).toDouble();
            line.unit = lines.value(4).toString();
            line.food = lines.value(5).toString();
            line.note = lines.value(6).toString();
            m_lines << line;
        }
        db::Statement serves(m_connection, QStringLiteral("SELECT Meal_Servings FROM Meal WHERE Meal_ID=?"));
        serves.bind(1, meal);
        if (serves.step())
            servings = serves.value(0).toInt();
    }
    m_filling = true;
    m_servings->setValue(servings);
    m_scale->setValue(0);
    m_filling = false;
    fill();
    setReadOnly(m_readOnly);
}

void RecipeLinesEditor::setReadOnly(bool readOnly) {
    m_readOnly = readOnly;
    const bool writable = !readOnly && m_meal > 0;
    for (QPushButton *b : m_writers)
        b->setEnabled(writable);
    m_lineBox->setEnabled(writable);
    m_servings->setEnabled(writable);
    m_grid->setEditTriggers(writable ? QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                                           QAbstractItemView::AnyKeyPressed
                                     : QAbstractItemView::NoEditTriggers);
}

void RecipeLinesEditor::fill() {
    m_filling = true;
    const int current = m_grid->currentRow();
    m_grid->clearSpans();
    m_grid->setRowCount(int(m_lines.size()));
    const bool scaled = m_scale->value() > 0 && m_servings->value() > 0;
    const double scale = scaled ? double(m_scale->value()) / double(m_servings->value()) : 1.0;
    QFont bold = m_grid->font();
    bold.setBold(true);
    for (int row = 0; row < m_lines.size(); ++row) {
        const ingredientline::Line &line = m_lines.at(row);
        const QStringList cells = line.heading
                                      ? QStringList{line.text, {}, {}, {}}
                                      : QStringList{amountText(line, scale), line.unit, line.food, line.note};
        for (int column = 0; column < 4; ++column) {
            auto *item = new QTableWidgetItem(cells.at(column));
            if (line.heading) {
                item->setFont(bold);
            } else if (column == AmountColumn) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
                if (scaled)
                    item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            }
            m_grid->setItem(row, column, item);
        }
        if (line.heading)
            m_grid->setSpan(row, 0, 1, 4);
    }
    m_grid->resizeRowsToContents();
    if (current >= 0 && current < m_grid->rowCount())
        m_grid->setCurrentCell(current, 0);
    m_filling = false;
}

void RecipeLinesEditor::store() {
    {
        db::Transaction transaction(m_connection);
        recipelines::write(m_connection, m_catalogue, m_meal, m_lines);
        transaction.commit();
    }
    // What the book now holds, the catalogue's names for the foods included.
    const int row = m_grid->currentRow();
    showRecipe(m_meal);
    if (row >= 0 && row < m_grid->rowCount())
        m_grid->setCurrentCell(row, 0);
    emit linksChanged();
}

void RecipeLinesEditor::addLine(const QString &text) {
    if (m_meal <= 0 || m_readOnly || text.simplified().isEmpty())
        return;
    const int at = m_grid->currentRow() >= 0 ? m_grid->currentRow() + 1 : int(m_lines.size());
    m_lines.insert(std::min(at, int(m_lines.size())), ingredientline::read(text));
    m_lineBox->clear();
    store();
    m_grid->setCurrentCell(std::min(at, m_grid->rowCount() - 1), 0);
}

void RecipeLinesEditor::cellEdited(int row, int column) {
    if (row < 0 || row >= m_lines.size() || m_meal <= 0)
        return;
    ingredientline::Line &line = m_lines[row];
    const QString typed = m_grid->item(row, column)->text().simplified();
    if (line.heading) {
        line.text = typed;
    } else {
        switch (column) {
        case AmountColumn: {
            // The amount as a line would give it: "1 1/2", "½", "2-3", "1,5".
            const ingredientline::Line read = ingredientline::read(typed + QStringLiteral(" x"));
            if (!typed.isEmpty() && !read.amount) {
                fill();
                return;
            }
            line.amount = read.amount;
            line.amountMax = read.amountMax;
            break;
        }
        case UnitColumn: {
            const QString code = ingredientline::unitOf(typed);
            line.unit = code.isEmpty() ? typed.left(20) : code;
            break;
        }
        case FoodColumn:
            line.food = typed;
            break;
        case NoteColumn:
            line.note = typed;
            break;
        default:
            return;
        }
        line.text = composed(line);
    }
    store();
}

void RecipeLinesEditor::move(int by) {
    const int row = m_grid->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_lines.size())
        return;
    m_lines.swapItemsAt(row, to);
    store();
    m_grid->setCurrentCell(to, 0);
}

void RecipeLinesEditor::deleteLine() {
    const int row = m_grid->currentRow();
    if (row < 0 || row >= m_lines.size())
        return;
    m_lines.removeAt(row);
    store();
}

void RecipeLinesEditor::servingsChanged(int servings) {
    if (m_meal <= 0)
        return;
    db::Statement write(m_connection, QStringLiteral("UPDATE Meal SET Meal_Servings=? WHERE Meal_ID=?"));
    write.bind(1, servings > 0 ? QVariant(servings) : QVariant());
    write.bind(2, m_meal);
    write.step();
    fill();
}
