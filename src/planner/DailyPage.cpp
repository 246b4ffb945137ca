// The daily-style page: one day of the selected week in six slot grids, filled by dragging recipes from the
// meal list and emptied by dragging them back.
#include "MenuStorage.h"
#include "app/SelectedWeek.h"
#include "app/SizeRules.h"
#include "app/TForm1.h"
#include "app/Theme.h"
#include "data/TDataModule1.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/DbError.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/DBGrid.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/DBLookupListBox.h"
#include "toolkit/widgets/ItemDrag.h"
#include "toolkit/widgets/MonthCalendar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QShortcut>
#include <QSplitter>
#include <QTabBar>
#include <QVBoxLayout>

namespace {

/// The slot grids' names and captions by meal-time code minus one.
const char *const SlotGridNames[] = {"DBGrid8", "DBGrid3", "DBGrid4", "DBGrid5", "DBGrid6", "DBGrid7"};
const char *const TimeButtonNames[] = {"RbRadioButton1", "RbRadioButton2", "RbRadioButton3", "RbRadioButton4",
                                       "RbRadioButton5"};

/// Passes a release of any mouse button over a time button to the page.
class TimeButtonRelease : public QObject {
public:
    TimeButtonRelease(QRadioButton &button, std::function<void(QRadioButton *)> released)
        : QObject(&button)
        , m_released(std::move(released)) {
        button.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::MouseButtonRelease)
            return false;
        auto *button = static_cast<QRadioButton *>(watched);
        auto *release = static_cast<QMouseEvent *>(event);
        if (!button->rect().contains(release->position().toPoint()))
            return false;
        // The left button also clicks, which a keyboard can do too; the page hears that through the click.
        if (release->button() == Qt::LeftButton)
            return false;
        m_released(button);
        return true;
    }

private:
    std::function<void(QRadioButton *)> m_released;
};

/// The days of the week as tabs: their names whole when all seven fit, else each cut to its first three
/// letters (the whole name its tool tip), so that no day is cut off or pushed out of the bar.
class DayTabs : public QTabBar {
public:
    using QTabBar::QTabBar;

    QSize minimumSizeHint() const override {
        int width = 0;
        for (int t = 0; t < count(); ++t)
            width += tabSizeHint(t).width() - textWidth(tabText(t)) + textWidth(shortName(t));
        return {width, QTabBar::minimumSizeHint().height()};
    }

protected:
    void resizeEvent(QResizeEvent *event) override {
        fitNames(event->size().width());
        QTabBar::resizeEvent(event);
    }
    void changeEvent(QEvent *event) override {
        QTabBar::changeEvent(event);
        if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
            fitNames(width());
    }

private:
    int textWidth(const QString &text) const { return fontMetrics().horizontalAdvance(text); }

public:
    /// The week whose dates the tabs carry.
    void setWeek(menu::Week week) {
        m_week = week;
        fitNames(width());
    }

private:
    QString fullName(int t) const {
        return m_week.number > 0 ? menu::dayCaption(m_week, t) : QLatin1String(menu::DayNames[size_t(t)]);
    }
    QString shortName(int t) const {
        return m_week.number > 0 ? menu::dayCaption(m_week, t, true) : fullName(t).left(3);
    }
    menu::Week m_week{0, 0};
    void fitNames(int room) {
        if (count() != int(menu::DayNames.size()))
            return;
        int whole = 0;
        for (int t = 0; t < count(); ++t)
            whole += tabSizeHint(t).width() - textWidth(tabText(t)) + textWidth(fullName(t));
        const bool cut = whole > room;
        for (int t = 0; t < count(); ++t) {
            const QString name = cut ? shortName(t) : fullName(t);
            if (tabText(t) != name)
                setTabText(t, name);
            setTabToolTip(t, cut ? fullName(t) : QString());
        }
    }
};

} // namespace

void TForm1::buildDailyPage() {
    TabSheet1->findChild<QLabel *>(QStringLiteral("TabSheet1Header"))
        ->setObjectName(QStringLiteral("JvNavPanelHeader1"));
    auto *body = new QWidget(TabSheet1);
    body->setObjectName(QStringLiteral("DailyBody"));
    auto *page = new QVBoxLayout(body);
    page->setContentsMargins(8, 4, 8, 8);
    page->setSpacing(4);
    auto *columns = new QHBoxLayout;
    columns->setSpacing(10);

    auto *left = new QVBoxLayout;
    left->setSpacing(4);
    JvTabBar1 = new DayTabs(body);
    JvTabBar1->setObjectName(QStringLiteral("JvTabBar1"));
    JvTabBar1->setExpanding(false);
    JvTabBar1->setAccessibleName(tr("Day"));
    JvTabBar1->setDrawBase(true);
    for (int day = 0; day < 7; ++day) {
        JvTabBar1->addTab(QLatin1String(menu::DayNames[size_t(day)]));
        JvTabBar1->setTabData(day, day);
    }
    // The seven days fit side by side on the smallest window.
    JvTabBar1->setStyleSheet(theme::dayTabsStyleSheet(palette()));
    JvTabBar1->setUsesScrollButtons(false);
    page->addWidget(JvTabBar1);
    page->addLayout(columns, 1);

    m_slotArea = new QSplitter(Qt::Vertical, body);
    m_slotArea->setObjectName(QStringLiteral("DailySlots"));
    m_slotArea->setChildrenCollapsible(false);
    m_slotArea->setHandleWidth(5);
    for (int row = 0; row < 3; ++row) {
        auto *pair = new QSplitter(Qt::Horizontal, m_slotArea);
        pair->setChildrenCollapsible(false);
        pair->setHandleWidth(5);
        m_slotRows[size_t(row)] = pair;
        for (int side = 0; side < 2; ++side) {
            const int code = row * 2 + side + 1;
            auto *cell = new QWidget(pair);
            auto *cellLayout = new QVBoxLayout(cell);
            cellLayout->setContentsMargins(0, 0, 0, 0);
            cellLayout->setSpacing(2);
            auto *caption = new QLabel(QLatin1String(menu::TimeCaptions[size_t(code - 1)]), cell);
            caption->setProperty("slotCaption", true);
            auto *grid =
                new DBGrid(m_data->slotQuery(code - 1), {QStringLiteral("MEAL_NAME")}, {tr("Recipe")}, cell);
            // One column needs no title row; the title is still there for assistive technology.
            grid->horizontalHeader()->hide();
            grid->setWrapping(true);
            grid->setObjectName(QLatin1String(SlotGridNames[code - 1]));
            grid->setAccessibleName(menu::spokenTime(code));
            grid->setMinimumHeight(40);
            caption->setBuddy(grid);
            cellLayout->addWidget(caption);
            cellLayout->addWidget(grid, 1);
            m_slotGrids[size_t(code - 1)] = grid;
            // The people at this meal, when not the household's.
            auto *people = new QAction(tr("People at This Meal..."), grid);
            people->setObjectName(QStringLiteral("PeopleAtThisMeal"));
            grid->addAction(people);
            grid->setContextMenuPolicy(Qt::ActionsContextMenu);
            connect(people, &QAction::triggered, this,
                    [this, code] { run([this, code] { setMealPeople(code); }); });
            // The keyboard's way out of a slot: Delete takes the current entry back to the meal list; and in:
            // Insert takes the meal list's current recipe, as a drop from the list would.
            new QShortcut(
                QKeySequence::Delete, grid,
                [this, grid] { run([this, grid] { DBLookupListBox1DragDrop(grid); }); }, Qt::WidgetShortcut);
            new QShortcut(
                QKeySequence(Qt::Key_Insert), grid,
                [this, grid] {
                    run([this, grid] {
                        if (slotDragOver(grid, DBLookupListBox1))
                            slotDragDrop(grid, DBLookupListBox1);
                    });
                },
                Qt::WidgetShortcut);
            auto *drag = new ItemDrag(*grid);
            drag->accepts = [this, grid](QWidget *source) { return slotDragOver(grid, source); };
            drag->dropped = [this, grid](QWidget *source) {
                run([this, grid, source] { slotDragDrop(grid, source); });
            };
        }
    }
    DBGrid8 = m_slotGrids[0];
    DBGrid3 = m_slotGrids[1];
    DBGrid4 = m_slotGrids[2];
    DBGrid5 = m_slotGrids[3];
    DBGrid6 = m_slotGrids[4];
    DBGrid7 = m_slotGrids[5];
    m_slotArea->installEventFilter(this);
    left->addWidget(m_slotArea, 1);
    auto *usage = new QLabel(tr("Use Drag&Drop to Add/Delete Meals to Menu"), body);
    usage->setObjectName(QStringLiteral("JvgLabel22"));
    usage->setWordWrap(true);
    left->addWidget(usage);
    columns->addLayout(left, 3);

    m_dailyColumn = new QWidget(body);
    m_dailyColumn->setObjectName(QStringLiteral("DailyColumn"));
    auto *right = new QVBoxLayout(m_dailyColumn);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(5);
    auto *listCaption = new QLabel(tr("Vane Drag Meals to Menu Boxes"), m_dailyColumn);
    listCaption->setObjectName(QStringLiteral("JvgLabel23"));
    listCaption->setProperty("sectionCaption", true);
    listCaption->setWordWrap(true);
    DBLookupListBox1 = new DBLookupListBox(m_data->SQLMEAL3, QStringLiteral("Meal_Name"), m_dailyColumn);
    DBLookupListBox1->setObjectName(QStringLiteral("DBLookupListBox1"));
    DBLookupListBox1->setAccessibleName(tr("Meals"));
    listCaption->setBuddy(DBLookupListBox1);
    auto *listDrag = new ItemDrag(*DBLookupListBox1);
    listDrag->accepts = [this](QWidget *source) { return DBLookupListBox1DragOver(source); };
    listDrag->dropped = [this](QWidget *source) {
        run([this, source] { DBLookupListBox1DragDrop(source); });
    };
    // The keyboard's way into a slot: Enter adds the current meal to the first box of the chosen time,
    // Shift+Enter to its second (the afternoon snack).
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        for (const size_t which : {size_t(0), size_t(1)}) {
            new QShortcut(
                QKeySequence(which == 0 ? QKeyCombination(Qt::Key(key))
                                        : QKeyCombination(Qt::ShiftModifier, Qt::Key(key))),
                DBLookupListBox1,
                [this, which] {
                    run([this, which] {
                        const int code = menu::DailyTimes[size_t(checkedTime())].codes[which];
                        if (code != 0)
                            slotDragDrop(slotGrid(code), DBLookupListBox1);
                    });
                },
                Qt::WidgetShortcut);
        }
    }
    DBLookupListBox1->setToolTip(QStringLiteral(
        "Drag a meal onto its box, or press Enter to add it to the chosen time (Shift+Enter: the afternoon "
        "snack); Insert in a box adds the current meal to that box"));
    right->addWidget(listCaption);
    right->addWidget(DBLookupListBox1);

    auto *timeCaption = new QLabel(tr("Select Time:"), m_dailyColumn);
    timeCaption->setObjectName(QStringLiteral("JvgLabel15"));
    right->addWidget(timeCaption);
    auto *times = new QGridLayout;
    times->setHorizontalSpacing(12);
    times->setVerticalSpacing(2);
    for (size_t t = 0; t < menu::DailyTimes.size(); ++t) {
        auto *button = new QRadioButton(QLatin1String(menu::DailyTimes[t].caption), m_dailyColumn);
        button->setObjectName(QLatin1String(TimeButtonNames[t]));
        m_timeButtons[t] = button;
        // Morning, Noon and Dessert on the left; Snack and Night on the right.
        times->addWidget(button, int(t / 2), int(t % 2));
        connect(button, &QRadioButton::clicked, this, [this, button] { RbRadioButton1MouseUp(button); });
        new TimeButtonRelease(*button, [this](QRadioButton *b) { RbRadioButton1MouseUp(b); });
    }
    RbRadioButton1 = m_timeButtons[0];
    RbRadioButton2 = m_timeButtons[1];
    RbRadioButton3 = m_timeButtons[2];
    RbRadioButton4 = m_timeButtons[3];
    RbRadioButton5 = m_timeButtons[4];
    RbRadioButton1->setChecked(true);
    right->addLayout(times);

    RbCheckBox1 = new QCheckBox(tr("Filter by Meal Type"), m_dailyColumn);
    RbCheckBox1->setObjectName(QStringLiteral("RbCheckBox1"));
    DBLookupComboBox4 = new DBLookupComboBox(m_data->MEALTYPE, QStringLiteral("Type"), m_dailyColumn);
    DBLookupComboBox4->setObjectName(QStringLiteral("DBLookupComboBox4"));
    DBLookupComboBox4->setKeyField(QStringLiteral("ID"));
    DBLookupComboBox4->setAccessibleName(tr("Meal type"));
    RbButton11 = new QPushButton(tr("Update Shopping List"), m_dailyColumn);
    RbButton11->setObjectName(QStringLiteral("RbButton11"));
    right->addWidget(RbCheckBox1);
    right->addWidget(DBLookupComboBox4);
    right->addSpacing(6);
    right->addWidget(RbButton11);
    right->addStretch(1);
    m_dailyColumn->installEventFilter(this);
    columns->addWidget(m_dailyColumn, 2);
    TabSheet1->layout()->addWidget(body);

    connect(JvTabBar1, &QTabBar::currentChanged, this, [this] {
        if (!m_initialisingMenu)
            run([this] { JvTabBar1Click(); });
    });
    connect(RbCheckBox1, &QCheckBox::clicked, this, [this] { run([this] { RbRadioButton1Click(); }); });
    connect(DBLookupComboBox4, &DBLookupComboBox::closeUp, this,
            [this] { run([this] { DBLookupComboBox4CloseUp(); }); });
    connect(RbButton11, &QPushButton::clicked, this, [this] { run([this] { RbButton11Click(); }); });
}

void TForm1::applyDailySizes() {
    if (m_slotArea == nullptr)
        return;
    const sizerules::SlotBoxes boxes = sizerules::slotBoxes(m_slotArea->size());
    const int row = std::max(boxes.rowHeight, 0);
    m_slotArea->setSizes({row, row, row});
    for (QSplitter *pair : m_slotRows)
        pair->setSizes(
            {std::max(boxes.leftWidth, 0), std::max(m_slotArea->width() - 5 - boxes.leftWidth, 0)});
    DBLookupListBox1->setFixedHeight(std::max(sizerules::mealListHeight(m_dailyColumn->height()), 60));
}

void TForm1::JvXPBar5Click() {
    if (!CheckChanges())
        return;
    if (JvTabBar1 == nullptr)
        buildDailyPage();
    InitMenu();
    RefreshMenuDays();
    RefreshMealList();
    QApplication::processEvents();
    showPage(TabSheet1);
}

void TForm1::InitMenu() {
    m_initialisingMenu = true;
    JvTabBar1->setCurrentIndex(0);
    m_initialisingMenu = false;
    RbRadioButton1->setChecked(true);
    RbCheckBox1->setChecked(false);
    const QDate d = JvMonthCalendar21->selectedDate();
    SelectedWeek = WeekNumber(d);
    SelectedYear = WeekYear(d);
}

int TForm1::selectedDay() const {
    return JvTabBar1->tabData(JvTabBar1->currentIndex()).toInt();
}

void TForm1::RefreshMenuDays() {
    static_cast<DayTabs *>(JvTabBar1)->setWeek({SelectedWeek, SelectedYear});
    menu::refreshSlots(*m_data, {SelectedWeek, SelectedYear}, selectedDay());
}

void TForm1::JvTabBar1Click() {
    RefreshMenuDays();
}

int TForm1::checkedTime() const {
    for (size_t t = 0; t < m_timeButtons.size(); ++t) {
        if (m_timeButtons[t]->isChecked())
            return int(t);
    }
    return 0;
}

void TForm1::RefreshMealList() {
    // The type is the one the box shows: other lists over the types may have moved the shared dataset since.
    std::optional<qint64> type;
    if (RbCheckBox1->isChecked() && !DBLookupComboBox4->currentText().isEmpty())
        type = DBLookupComboBox4->keyValue().toLongLong();
    m_data->SQLMEAL3.setSql(menu::mealListQuery(menu::DailyTimes[size_t(checkedTime())].flagColumn, type));
    m_data->SQLMEAL3.open();
}

void TForm1::RbRadioButton1MouseUp(QRadioButton *button) {
    button->setChecked(true);
    RefreshMealList();
}

void TForm1::RbRadioButton1Click() {
    RefreshMealList();
}

void TForm1::DBLookupComboBox4CloseUp() {
    RefreshMealList();
}

DBGrid *TForm1::slotGrid(int code) const {
    return code >= 1 && code <= 6 ? m_slotGrids[size_t(code - 1)] : nullptr;
}

int TForm1::slotCode(const QWidget *widget) const {
    for (int code = 1; code <= 6; ++code) {
        if (widget != nullptr && widget == m_slotGrids[size_t(code - 1)])
            return code;
    }
    return 0;
}

bool TForm1::slotDragOver(const QWidget *target, const QWidget *source) const {
    const int code = slotCode(target);
    if (code == 0 || source == nullptr || source != DBLookupListBox1)
        return false;
    const std::array<int, 2> &codes = menu::DailyTimes[size_t(checkedTime())].codes;
    return codes[0] == code || codes[1] == code;
}

void TForm1::slotDragDrop(const QWidget *target, const QWidget *source) {
    if (slotDragOver(target, source))
        AddItemTomenu(QString::number(slotCode(target)));
}

bool TForm1::DBLookupListBox1DragOver(const QWidget *source) const {
    return slotCode(source) != 0;
}

void TForm1::DBLookupListBox1DragDrop(const QWidget *source) {
    const int code = slotCode(source);
    if (code == 0)
        return;
    DailyMenuChanged = true;
    const db::Dataset &slot = m_data->slotQuery(code - 1);
    qint64 meal = 0;
    try {
        if (!slot.hasCurrentRow())
            return;
        meal = slot.field(QStringLiteral("MENU.MEAL_ID")).asInteger();
    } catch (const db::DbError &) {
        return;
    }
    menu::removeFromSlot(*m_data, {SelectedWeek, SelectedYear}, selectedDay(), meal, QString::number(code));
    RefreshMenuDays();
}

void TForm1::setMealPeople(int code) {
    const db::Dataset &slot = m_data->slotQuery(code - 1);
    qint64 entry = 0;
    QString name;
    try {
        if (!slot.hasCurrentRow())
            return;
        entry = slot.field(QStringLiteral("MENU_ID")).asInteger();
        name = slot.field(QStringLiteral("MEAL_NAME")).asString();
    } catch (const db::DbError &) {
        return;
    }
    db::Connection &c = m_data->ADOConnectionMain;
    db::Statement now(c, QStringLiteral("SELECT Menu_People FROM Menu WHERE MENU_ID=?"));
    now.bind(1, entry);
    const QString preset = now.step() ? now.value(0).toString() : QString();
    const int household = this->household().people;
    const QString typed = m_services.dialogs.input(
        tr("People at This Meal"),
        tr("How many people eat \"%1\"? (Leave it blank for the household's %2.)").arg(name).arg(household),
        preset);
    if (typed == preset)
        return;
    bool number = false;
    const int people = typed.trimmed().toInt(&number);
    if (!typed.trimmed().isEmpty() && (!number || people < 1 || people > 99)) {
        m_services.dialogs.showError(
            QStringLiteral("The people at a meal must be a whole number from 1 to 99."));
        return;
    }
    db::Statement write(c, QStringLiteral("UPDATE Menu SET Menu_People=? WHERE MENU_ID=?"));
    write.bind(1, typed.trimmed().isEmpty() ? QVariant() : QVariant(people));
    write.bind(2, entry);
    write.step();
    tellDone(typed.trimmed().isEmpty()
                 ? tr("\"%1\" is planned for the household's %2 people").arg(name).arg(household)
                 : tr("\"%1\" is planned for %2 people").arg(name).arg(people));
}

void TForm1::AddItemTomenu(const QString &code) {
    DailyMenuChanged = true;
    const db::Dataset &meals = m_data->SQLMEAL3;
    qint64 meal = 0;
    try {
        if (!meals.hasCurrentRow())
            return;
        meal = meals.field(QStringLiteral("MEAL_ID")).asInteger();
    } catch (const db::DbError &) {
        return;
    }
    if (menu::addToSlot(*m_data, {SelectedWeek, SelectedYear}, selectedDay(), meal, code))
        RefreshMenuDays();
}
