// The search page: recipes found by a piece of their name or by their ingredients.
#include "SearchQuery.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/FlowLayout.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

void TForm1::buildSearchPage() {
    auto *body = new QWidget(TabSheet4);
    body->setObjectName(QStringLiteral("SearchBody"));
    auto *columns = new QHBoxLayout(body);
    columns->setContentsMargins(8, 6, 8, 8);
    columns->setSpacing(12);

    // The four ways of searching, with what each one needs, are one group to assistive technology.
    auto *modes = new QGroupBox(body);
    modes->setObjectName(QStringLiteral("SearchModes"));
    modes->setFlat(true);
    modes->setAccessibleName(tr("Search by"));
    modes->setStyleSheet(QStringLiteral("QGroupBox#SearchModes { border: none; margin: 0; padding: 0; }"));
    auto *left = new QGridLayout(modes);
    left->setContentsMargins(0, 0, 0, 0);
    left->setHorizontalSpacing(6);
    left->setVerticalSpacing(4);
    const auto radio = [&](const char *name, const char *caption) {
        auto *button = new QRadioButton(tr(caption), body);
        button->setObjectName(QString::fromLatin1(name));
        return button;
    };
    const auto goButton = [&](const char *name) {
        auto *button = new QPushButton(tr("Go !"), body);
        button->setObjectName(QString::fromLatin1(name));
        connect(button, &QPushButton::clicked, this, [this] { run([this] { btn2Click(); }); });
        return button;
    };
    rb2 = radio("rb2", QT_TR_NOOP("Recipe names containing:"));
    rb3 = radio("rb3", QT_TR_NOOP("ONLY these ingredients"));
    rb4 = radio("rb4", QT_TR_NOOP("ANY of these ingredients"));
    rb5 = radio("rb5", QT_TR_NOOP("MINIMUM of all these ingredients"));
    txt2 = new QLineEdit(body);
    txt2->setObjectName(QStringLiteral("txt2"));
    txt2->setAccessibleName(tr("Recipe name contains"));
    btn2 = goButton("btn2");
    // Both buttons read "Go !"; assistive technology hears what each one searches.
    btn2->setAccessibleName(tr("Search recipe names"));
    clbSearch = new QListWidget(body);
    clbSearch->setObjectName(QStringLiteral("clbSearch"));
    clbSearch->setAccessibleName(tr("Ingredients"));
    clbSearch->setUniformItemSizes(true);
    clbSearch->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    clbSearch->setTextElideMode(Qt::ElideMiddle);
    btn3 = goButton("btn3");
    btn3->setAccessibleName(tr("Search by ingredients"));
    CheckBox1 = new QCheckBox(tr("Check All"), body);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Button4 = new QPushButton(tr("Reset"), body);
    Button4->setObjectName(QStringLiteral("Button4"));

    left->addWidget(rb2, 0, 0, 1, 2);
    left->addWidget(txt2, 1, 0);
    left->addWidget(btn2, 1, 1);
    left->addWidget(rb3, 2, 0, 1, 2);
    left->addWidget(rb4, 3, 0, 1, 2);
    left->addWidget(rb5, 4, 0, 1, 2);
    // The ingredient list has the column's whole width, so that its names need no sideways scrolling.
    left->addWidget(clbSearch, 5, 0, 1, 2);
    left->addWidget(CheckBox1, 6, 0);
    left->addWidget(btn3, 6, 1);
    left->addWidget(Button4, 7, 1);
    left->setRowStretch(5, 1);
    // The search modes' captions have the room they need first.
    modes->setMinimumWidth(modes->sizeHint().width());
    columns->addWidget(modes, 1);

    auto *right = new QVBoxLayout;
    auto *resultRow = new QHBoxLayout;
    auto *resultCaption = new QLabel(tr("Search Result:"), body);
    resultCaption->setProperty("sectionCaption", true);
    lblFound = new QLabel(body);
    lblFound->setObjectName(QStringLiteral("lblFound"));
    resultRow->addWidget(resultCaption);
    resultRow->addWidget(lblFound, 1);
    lbResult = new QListWidget(body);
    lbResult->setObjectName(QStringLiteral("lbResult"));
    lbResult->setAccessibleName(tr("Search Result"));
    lbResult->setToolTip(QStringLiteral("Double-click to select recipe"));
    lbResult->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    lbResult->setTextElideMode(Qt::ElideMiddle);
    resultCaption->setBuddy(lbResult);
    RbButton27 = new QPushButton(tr("Print Recipe"), body);
    RbButton27->setObjectName(QStringLiteral("RbButton27"));
    RbButton28 = new QPushButton(tr("Email Recipe"), body);
    RbButton28->setObjectName(QStringLiteral("RbButton28"));
    // Side by side at the right where there is room, one under the other on a narrow page.
    auto *actions = new FlowLayout;
    actions->addStretch();
    actions->addWidget(RbButton27);
    actions->addWidget(RbButton28);
    right->addLayout(resultRow);
    right->addWidget(lbResult, 1);
    right->addLayout(actions);
    columns->addLayout(right, 1);
    static_cast<QVBoxLayout *>(TabSheet4->layout())->addWidget(body, 1);

    for (QRadioButton *button : {rb2, rb3, rb4, rb5})
        connect(button, &QRadioButton::clicked, this, [this, button] { chooseSearchMode(button); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] {
        if (CheckBox1->isChecked())
            CheckAll();
        else
            UncheckAll();
    });
    connect(Button4, &QPushButton::clicked, this, &TForm1::ResetSearch);
    // Enter in the name box searches by name.
    connect(txt2, &QLineEdit::returnPressed, this, [this] {
        if (!rb2->isChecked())
            chooseSearchMode(rb2);
        run([this] { btn2Click(); });
    });
    connect(RbButton27, &QPushButton::clicked, this, [this] { run([this] { RbButton27Click(); }); });
    connect(lbResult, &QListWidget::itemDoubleClicked, this, [this] { run([this] { RbButton27Click(); }); });
    connect(RbButton28, &QPushButton::clicked, this, [this] { run([this] { RbButton28Click(); }); });
}

void TForm1::JvXPBar4Items2Click() {
    if (!CheckChanges())
        return;
    RefreshTables();
    Fillingredientslist();
    showPage(TabSheet4);
}

void TForm1::Fillingredientslist() {
    buildOnFirstVisit(TabSheet4);
    m_data->SQL.close();
    m_data->SQL.setSql(QString());
    m_data->runSql(
        QStringLiteral("select Ingredients_Description from Ingredients order by Ingredients_Description;"));
    QStringList names;
    names.reserve(m_data->SQL.recordCount());
    for (int r = 0; r < m_data->SQL.recordCount(); ++r)
        names << m_data->SQL.value(r, 0).toString();
    m_data->SQL.close();
    clbSearch->clear();
    clbSearch->addItems(names);
    for (int i = 0; i < clbSearch->count(); ++i)
        clbSearch->item(i)->setCheckState(Qt::Unchecked);
}

void TForm1::showFound(const QString &found) {
    lblFound->setProperty("found", found);
    lblFound->style()->unpolish(lblFound);
    lblFound->style()->polish(lblFound);
}

void TForm1::chooseSearchMode(QRadioButton *chosen) {
    // One of the four at a time; a click on the checked one keeps it checked.
    for (QRadioButton *button : {rb2, rb3, rb4, rb5})
        button->setChecked(button == chosen);
    SelectQuery();
}

void TForm1::SelectQuery() {
    const bool names = rb2->isChecked();
    txt2->setEnabled(names);
    btn2->setEnabled(names);
    if (names) {
        txt2->setFocus();
    } else {
        txt2->clear();
    }
    if (rb3->isChecked() || rb4->isChecked() || rb5->isChecked()) {
        clbSearch->setEnabled(true);
        btn3->setEnabled(true);
        CheckBox1->setEnabled(true);
    } else {
        clbSearch->clearSelection();
        btn3->setEnabled(false);
        clbSearch->setEnabled(false);
        UncheckAll();
        CheckBox1->setChecked(false);
        CheckBox1->setEnabled(false);
    }
}

void TForm1::setAllSearchChecks(Qt::CheckState state) {
    for (int i = 0; i < clbSearch->count(); ++i)
        clbSearch->item(i)->setCheckState(state);
}

void TForm1::CheckAll() {
    setAllSearchChecks(Qt::Checked);
}

void TForm1::UncheckAll() {
    setAllSearchChecks(Qt::Unchecked);
}

void TForm1::ResetSearch() {
    txt2->clear();
    btn2->setEnabled(false);
    btn3->setEnabled(false);
    // Exclusive buttons keep one checked; for none to be, they let go of each other for a moment.
    for (QRadioButton *button : {rb2, rb3, rb4, rb5}) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    clbSearch->setEnabled(false);
    UncheckAll();
    clbSearch->clearSelection();
    lbResult->clear();
    lblFound->clear();
    CheckBox1->setChecked(false);
}

search::Criteria TForm1::searchCriteria() const {
    search::Criteria criteria;
    criteria.mode = rb2->isChecked()   ? search::Mode::Names
                    : rb3->isChecked() ? search::Mode::Only
                    : rb4->isChecked() ? search::Mode::Any
                    : rb5->isChecked() ? search::Mode::Minimum
                                       : search::Mode::None;
    criteria.nameText = txt2->text();
    criteria.entries.reserve(clbSearch->count());
    criteria.checked.reserve(size_t(clbSearch->count()));
    for (int i = 0; i < clbSearch->count(); ++i) {
        criteria.entries << clbSearch->item(i)->text();
        criteria.checked.push_back(clbSearch->item(i)->checkState() == Qt::Checked);
    }
    return criteria;
}

void TForm1::btn2Click() {
    const search::Criteria criteria = searchCriteria();
    if (!search::ValidCriteria(criteria)) {
        m_services.dialogs.showError(tr("Please check at least 1 ingredient"));
        return;
    }
    if (criteria.mode == search::Mode::None) {
        m_services.dialogs.showInformation(
            tr("Choose how to search first: by a piece of the recipe name or by ingredients."));
        return;
    }
    showFound(QString());
    lblFound->setText(tr("Searching..."));
    lbResult->clear();
    repaint();
    GoSearch(criteria);
    const int n = lbResult->count();
    showFound(n == 0 ? QStringLiteral("none") : QStringLiteral("some"));
    lblFound->setText(n == 0   ? tr("Found: 0 item")
                      : n == 1 ? tr("Found: 1 item")
                               : tr("Found: %1 items").arg(n));
}

void TForm1::GoSearch(const search::Criteria &criteria) {
    db::QueryDataset query(QStringLiteral("SearchQuery"), m_data->ADOConnectionMain);
    query.setSql(search::GetQueryString(criteria));
    query.open();
    lbResult->clear();
    QStringList names;
    names.reserve(query.recordCount());
    const int column = query.fieldIndex(QStringLiteral("Meal_Name"));
    for (int r = 0; r < query.recordCount(); ++r)
        names << query.value(r, column).toString();
    lbResult->addItems(names);
}

QString TForm1::selectedResult() const {
    const QListWidgetItem *item = lbResult->currentItem();
    return item != nullptr && item->isSelected() ? item->text() : QString();
}

void TForm1::RbButton28Click() {
    const QString name = selectedResult();
    if (!name.isEmpty())
        PrintMealToEmail(name);
}
