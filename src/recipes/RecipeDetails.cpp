#include "RecipeDetails.h"

#include "toolkit/db/TableDataset.h"
#include "toolkit/ui/Shell.h"
#include "toolkit/widgets/DBLineEdit.h"
#include "toolkit/widgets/DBMemo.h"
#include "toolkit/widgets/LinkLabel.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QUrl>

RecipeDetails::RecipeDetails(db::TableDataset &meals, Shell &shell, QWidget *parent)
    : QScrollArea(parent)
    , m_meals(meals)
    , m_shell(shell) {
    setObjectName(QStringLiteral("RecipeDetails"));
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    // Tab goes to the boxes inside; the area itself is no stop (it scrolls to the box that has the focus).
    setFocusPolicy(Qt::NoFocus);
    auto *body = new QWidget(this);
    auto *form = new QFormLayout(body);
    m_form = form;
    form->setContentsMargins(4, 6, 4, 4);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);

    using Kind = DBLineEdit::Kind;
    const auto box = [&](int index, const char *field, const char *name, Kind kind, int characters) {
        auto *edit = new DBLineEdit(meals, QLatin1String(field), kind, characters, body);
        edit->setObjectName(QLatin1String(name));
        m_boxes[size_t(index)] = edit;
        return edit;
    };
    const auto caption = [&](const QString &text, QWidget *buddy) {
        auto *label = new QLabel(text, body);
        label->setBuddy(buddy);
        return label;
    };

    DBLineEdit *source = box(0, "Meal_Source", "RecipeSource", Kind::Text, 2048);
    form->addRow(caption(QCoreApplication::translate("RecipeDetails", "S&ource:"), source), source);
    // A web page's address opens in the browser; the link stands under it, where a long address leaves it
    // room.
    m_open = new LinkLabel(QCoreApplication::translate("RecipeDetails", "Open in Browser"), body);
    m_open->setObjectName(QStringLiteral("OpenRecipeSource"));
    form->addRow(QString(), m_open);
    connect(source, &QLineEdit::textChanged, this, &RecipeDetails::showLink);
    connect(m_open, &LinkLabel::activated, this, [this] {
        const QString address = webAddress();
        if (!address.isEmpty())
            m_shell.open(address);
    });

    DBLineEdit *author = box(1, "Meal_Author", "RecipeAuthor", Kind::Text, 255);
    form->addRow(caption(QCoreApplication::translate("RecipeDetails", "Au&thor:"), author), author);
    DBLineEdit *yield = box(2, "Meal_Yield", "RecipeYield", Kind::Text, 255);
    yield->setPlaceholderText(QCoreApplication::translate("RecipeDetails", "e.g. 4 servings, 12 muffins"));
    form->addRow(caption(QCoreApplication::translate("RecipeDetails", "&Yield:"), yield), yield);

    const char *const timeFields[][3] = {{"Meal_Prep_Time", "RecipePrepTime", "Preparation:"},
                                         {"Meal_Cook_Time", "RecipeCookTime", "Cooking:"},
                                         {"Meal_Total_Time", "RecipeTotalTime", "Total:"}};
    for (int t = 0; t < 3; ++t) {
        auto *row = new QHBoxLayout;
        row->setSpacing(4);
        DBLineEdit *minutes = box(3 + t, timeFields[t][0], timeFields[t][1], Kind::WholeNumber, 5);
        minutes->setAccessibleName(QLatin1String(timeFields[t][2]).chopped(1) +
                                   QStringLiteral(" in minutes"));
        minutes->setMaximumWidth(minutes->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 12);
        row->addWidget(minutes);
        row->addWidget(new QLabel(QStringLiteral("min"), body), 1);
        form->addRow(caption(QLatin1String(timeFields[t][2]), minutes), row);
    }

    DBLineEdit *cuisine = box(6, "Meal_Cuisine", "RecipeCuisine", Kind::Text, 255);
    form->addRow(caption(QCoreApplication::translate("RecipeDetails", "C&uisine:"), cuisine), cuisine);

    const auto memo = [&](int index, const char *field, const char *name, const char *text, int lines) {
        auto *edit = new DBMemo(meals, QLatin1String(field), body);
        edit->setObjectName(QLatin1String(name));
        edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        const int height = edit->fontMetrics().lineSpacing() * lines + 12;
        edit->setMinimumHeight(height);
        // The summary takes the room the tab has; the nutrition its few lines.
        edit->setMaximumHeight(index == 0 ? QWIDGETSIZE_MAX : height);
        edit->setSizePolicy(QSizePolicy::Expanding, index == 0 ? QSizePolicy::Expanding : QSizePolicy::Fixed);
        m_memos[size_t(index)] = edit;
        form->addRow(caption(QLatin1String(text), edit), edit);
    };
    memo(0, "Meal_Description", "RecipeSummary", "Su&mmary:", 3);
    memo(1, "Meal_Nutrition", "RecipeNutrition", "Nutrition:", 2);
    setWidget(body);
    showLink();
}

QString RecipeDetails::webAddress() const {
    // Only a web page is opened: a source that names a file, or an address of another kind a page gave,
    // is text to read.
    const QUrl url(m_boxes[0]->text().trimmed(), QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty() ||
        (url.scheme() != QLatin1String("http") && url.scheme() != QLatin1String("https")))
        return {};
    return url.toString();
}

void RecipeDetails::showLink() {
    const QString address = webAddress();
    m_form->setRowVisible(m_open, !address.isEmpty());
    m_open->setToolTip(address);
}

void RecipeDetails::setReadOnly(bool readOnly) {
    for (DBLineEdit *edit : m_boxes)
        edit->lock(readOnly);
    for (DBMemo *edit : m_memos)
        edit->setReadOnly(readOnly);
}
