// The weekly-style page: 42 week boxes, seven days by six meal times, saved into the menu together.
#include "MenuStorage.h"
#include "SelectorDialog.h"
#include "WeekBoxesArea.h"
#include "app/SelectedWeek.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "shopping/ShoppingList.h"
#include "toolkit/db/Connection.h"
#include "toolkit/db/Dialect.h"
#include "toolkit/db/Transaction.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/CheckedComboBox.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

namespace {

/// The statements that list the recipes admitted at each meal time; the two snacks share one list.
struct TimeList {
    std::initializer_list<int> codes;
    const char *statement;
};
const TimeList TimeLists[] = {
    {{1}, "select Meal_Name from Meal where Meal_Morning=true order by Meal_Name;"},
    {{2, 4}, "select Meal_Name from Meal where Meal_Snack=true order by Meal_Name;"},
    {{3}, "select Meal_Name from Meal where Meal_Noon=true order by Meal_Name;"},
    {{5}, "select Meal_Name from Meal where Meal_Night=true order by Meal_Name;"},
    {{6}, "select Meal_Name from Meal where Meal_Dessert=true order by Meal_Name;"},
};

} // namespace

QString TForm1::weekBoxName(int day, int code) {
    return QStringLiteral("cb") + QLatin1String(menu::DayNames[size_t(day)]) +
           QLatin1String(menu::TimeNames[size_t(code - 1)]);
}

CheckedComboBox *TForm1::weekBox(int day, int code) {
    if (m_unsavedMarker == nullptr)
        buildWeeklyPage();
    return TabSheet7->findChild<CheckedComboBox *>(weekBoxName(day, code));
}

void TForm1::buildWeeklyPage() {
    auto *area = new WeekBoxesArea(TabSheet7);
    QStringList captions;
    for (const char *caption : menu::TimeCaptions)
        captions << QLatin1String(caption);
    area->setTimeCaptions(captions);
    for (int day = 0; day < 7; ++day) {
        auto *caption = new QLabel(QLatin1String(menu::DayNames[size_t(day)]));
        caption->setObjectName(QStringLiteral("Day") + QLatin1String(menu::DayNames[size_t(day)]));
        caption->setProperty("weekCaption", true);
        std::array<QWidget *, 6> boxes{};
        for (int code = 1; code <= 6; ++code) {
            auto *box = new CheckedComboBox;
            box->setObjectName(weekBoxName(day, code));
            box->setAccessibleName(QLatin1String(menu::DayNames[size_t(day)]) + u' ' +
                                   menu::spokenTime(code));
            connect(box, &CheckedComboBox::changed, this, [this, box] { cbSaturdayMorningChange(box); });
            connect(box, &CheckedComboBox::refused, this,
                    [this] { m_services.dialogs.showError(tr("Too many items selected")); });
            boxes[size_t(code - 1)] = box;
        }
        area->addDay(caption, boxes);
    }

    auto *panel = new QFrame;
    panel->setObjectName(QStringLiteral("WeeklyButtons"));
    auto *buttons = new QGridLayout(panel);
    buttons->setContentsMargins(0, 0, 0, 0);
    // Where each control stands beside the last day (two columns), and in the footer (two rows).
    struct Place {
        QWidget *widget;
        int row, column, span, footerRow, footerColumn, footerSpan = 1;
    };
    std::vector<Place> places;
    const auto button = [&](const char *name, const char *caption, void (TForm1::*handler)(), Place place) {
        auto *b = new QPushButton(tr(caption), panel);
        b->setObjectName(QString::fromLatin1(name));
        connect(b, &QPushButton::clicked, this,
                [this, handler] { run([this, handler] { (this->*handler)(); }); });
        place.widget = b;
        places.push_back(place);
    };
    button("RbButton12", QT_TR_NOOP("Pick-A-Time"), &TForm1::RbButton12Click, {nullptr, 0, 0, 1, 0, 0});
    button("RbButton14", QT_TR_NOOP("Pick-A-Day"), &TForm1::RbButton14Click, {nullptr, 1, 0, 1, 0, 1});
    button("RbButton13", QT_TR_NOOP("Pick-A-Week"), &TForm1::RbButton13Click, {nullptr, 2, 0, 1, 0, 2});
    button("RbButton15", QT_TR_NOOP("Clear-A-Time"), &TForm1::RbButton15Click, {nullptr, 0, 1, 1, 1, 0});
    button("RbButton16", QT_TR_NOOP("Clear-A-Day"), &TForm1::RbButton16Click, {nullptr, 1, 1, 1, 1, 1});
    button("RbButton17", QT_TR_NOOP("Print"), &TForm1::RbButton17Click, {nullptr, 2, 1, 1, 1, 2});
    // Variety on request: off unless the user asked for it in an earlier run.
    m_noRepeats = new QCheckBox(tr("No re&peats"), panel);
    m_noRepeats->setObjectName(QStringLiteral("NoRepeats"));
    m_noRepeats->setToolTip(tr("Picks put no recipe twice into the week, and draw the recipes of the "
                               "two weeks before last"));
    m_noRepeats->setChecked(QSettings(QStringLiteral("mealvane"), QStringLiteral("mealvane"))
                                .value(QStringLiteral("Planner/NoRepeats"), false)
                                .toBool());
    connect(m_noRepeats, &QCheckBox::toggled, this, [](bool on) {
        QSettings(QStringLiteral("mealvane"), QStringLiteral("mealvane"))
            .setValue(QStringLiteral("Planner/NoRepeats"), on);
    });
    // In the footer it has a row of its own, so that the buttons keep their room at any font.
    places.push_back({m_noRepeats, 3, 0, 2, 2, 0, 2});
    button("RbButton18", QT_TR_NOOP("Save Menu"), &TForm1::RbButton18Click, {nullptr, 4, 0, 2, 0, 3});
    m_unsavedMarker = new QLabel(tr("Not saved yet"), panel);
    m_unsavedMarker->setObjectName(QStringLiteral("UnsavedMarker"));
    m_unsavedMarker->setAccessibleName(tr("The weekly menu holds picks not saved yet"));
    m_unsavedMarker->setProperty("warning", true);
    m_unsavedMarker->setVisible(WeekGridChanged);
    places.push_back({m_unsavedMarker, 5, 0, 2, 1, 3});
    const auto arrange = [buttons, places, marker = m_unsavedMarker](bool inFooter) {
        for (const Place &p : places) {
            buttons->removeWidget(p.widget);
            if (inFooter)
                buttons->addWidget(p.widget, p.footerRow, p.footerColumn, 1, p.footerSpan,
                                   p.footerSpan > 1 ? Qt::AlignLeft : Qt::AlignHCenter);
            else
                buttons->addWidget(p.widget, p.row, p.column, 1, p.span,
                                   p.widget == marker ? Qt::AlignHCenter : Qt::Alignment());
        }
    };
    arrange(false);
    connect(area, &WeekBoxesArea::trailerPlaced, panel, arrange);
    area->setTrailer(panel);
    auto *page = static_cast<QVBoxLayout *>(TabSheet7->layout());
    page->addWidget(area, 1);
    page->addWidget(area->footer());
}

void TForm1::FillAllCombo() {
    for (size_t t = 0; t < std::size(TimeLists); ++t) {
        const TimeList &time = TimeLists[t];
        const QStringList names = m_data->firstColumn(QString::fromLatin1(time.statement));
        m_timeNames[t] = names;
        for (int code : time.codes) {
            for (int day = 0; day < 7; ++day)
                weekBox(day, code)->setItems(names);
        }
    }
}

namespace {

/// The place of `name` in `names`, which are sorted by the data file's order of names: found by halving,
/// among names that sort alike the first equal to it without regard to case; -1 when there is none.
int sortedIndexOf(const QStringList &names, const QString &name) {
    const QByteArray key = name.toUtf8();
    const auto order = [&key](const QString &item) {
        const QByteArray bytes = item.toUtf8();
        return db::dialect::compare(bytes.constData(), int(bytes.size()), key.constData(), int(key.size()));
    };
    auto it = std::partition_point(names.cbegin(), names.cend(),
                                   [&](const QString &item) { return order(item) < 0; });
    for (; it != names.cend() && order(*it) == 0; ++it) {
        if (it->compare(name, Qt::CaseInsensitive) == 0)
            return int(it - names.cbegin());
    }
    return -1;
}

} // namespace

bool TForm1::RefreshMenuData() {
    // Ticks of the week shown before are not the ones an undo could take back now.
    dropPlannerUndo();
    // The days carry the week's dates.
    for (int day = 0; day < 7; ++day) {
        if (auto *caption = TabSheet7->findChild<QLabel *>(QStringLiteral("Day") +
                                                           QLatin1String(menu::DayNames[size_t(day)])))
            caption->setText(menu::dayCaption({SelectedWeek, SelectedYear}, day));
    }
    for (int day = 0; day < 7; ++day) {
        for (int code = 1; code <= 6; ++code)
            weekBox(day, code)->deselectAll();
    }
    for (const menu::Entry &entry : menu::readWeek(*m_data, {SelectedWeek, SelectedYear})) {
        CheckedComboBox *box = weekBox(entry.day, entry.code);
        const auto time =
            std::find_if(std::begin(TimeLists), std::end(TimeLists), [&entry](const TimeList &t) {
                return std::find(t.codes.begin(), t.codes.end(), entry.code) != t.codes.end();
            });
        const QStringList *names =
            time != std::end(TimeLists) ? &m_timeNames[size_t(time - std::begin(TimeLists))] : nullptr;
        int index = -1;
        if (names != nullptr && names->constData() == box->items().constData())
            index = sortedIndexOf(*names, entry.name);
        // A name the quick search misses is looked for one by one, as the box compares names.
        if (index < 0)
            index = box->indexOf(entry.name);
        // A recipe whose flag for this time is off is not in the list and is left out.
        if (index >= 0 && !box->setChecked(index, true))
            return false;
    }
    return true;
}

void TForm1::cbSaturdayMorningChange(CheckedComboBox *box) {
    box->setToolTip(box->text());
    setWeekGridChanged(true);
}

void TForm1::RbButton18Click() {
    std::vector<menu::Planned> planned;
    for (int day = 0; day < 7; ++day) {
        for (int code = 1; code <= 6; ++code) {
            const CheckedComboBox *box = weekBox(day, code);
            for (int i = 0; i < box->count(); ++i) {
                if (box->isChecked(i))
                    planned.push_back({day, code, box->items().at(i)});
            }
        }
    }
    // A list edited by hand follows the menu as the user answers; the menu is saved either way.
    const ListUpdate how = askListUpdate();
    // The week and its shopping list change together or not at all.
    db::Transaction transaction(m_data->ADOConnectionMain);
    menu::replaceWeek(*m_data, {SelectedWeek, SelectedYear}, planned);
    const QString list = updateShoppingList(how);
    transaction.commit();
    DailyMenuChanged = false;
    setWeekGridChanged(false);
    dropPlannerUndo();
    tellDone(how == ListUpdate::Keep
                 ? tr("Menu of week %1 saved; the shopping list kept as edited").arg(SelectedWeek)
                 : tr("Menu of week %1 saved; shopping list: %2").arg(SelectedWeek).arg(list));
}

void TForm1::RbButton13Click() {
    const PlannerState before = plannerState();
    pickWeek();
    pushPlannerUndo(QStringLiteral("Pick-A-Week"), before);
}

void TForm1::pickWeek() {
    // Without repeats, the week's old picks make no room for themselves: every box is emptied first.
    if (noRepeats())
        for (int day = 0; day < 7; ++day)
            for (int code = 1; code <= 6; ++code)
                weekBox(day, code)->deselectAll();
    for (int day = 0; day < 7; ++day)
        PickDay(day);
}

bool TForm1::noRepeats() const {
    return m_noRepeats != nullptr && m_noRepeats->isChecked();
}

QSet<QString> TForm1::plannedBefore(int weeks) {
    QSet<QString> names;
    const QDate saturday = WeekStart(SelectedWeek, SelectedYear);
    db::Connection &c = m_data->ADOConnectionMain;
    db::Statement s(c, QStringLiteral("SELECT DISTINCT Meal.Meal_Name FROM Menu JOIN Meal ON Meal.Meal_ID = "
                                      "Menu.Meal_ID WHERE Menu.Week_Number = ? AND Menu.Year_Number = ?"));
    for (int back = 1; back <= weeks; ++back) {
        const QDate day = saturday.addDays(-7 * back);
        s.reset();
        s.bind(1, WeekNumber(day));
        s.bind(2, WeekYear(day));
        while (s.step())
            names.insert(s.value(0).toString());
    }
    return names;
}

void TForm1::runWithSelector(SelectorDialog *selector, const QString &purpose,
                             const std::function<void(int)> &operation) {
    if (selector == nullptr)
        return;
    const PlannerState before = plannerState();
    // The box says what its ticks will do: pick into those days or times, or clear them.
    selector->retitle(purpose);
    showModal(*selector);
    // Escape, the close button and "Close" untick everything, so that only OK leaves ticks to act on.
    for (int index : selector->ticked())
        operation(index);
    selector->untickAll();
    pushPlannerUndo(purpose.section(u':', 0, 0), before);
}

void TForm1::RbButton12Click() {
    runWithSelector(m_timeSelector, tr("Pick-A-Time: the meal times to pick for"),
                    [this](int i) { PickTime(i + 1); });
}

void TForm1::RbButton14Click() {
    runWithSelector(m_daySelector, tr("Pick-A-Day: the days to pick for"), [this](int i) { PickDay(i); });
}

void TForm1::RbButton15Click() {
    runWithSelector(m_timeSelector, tr("Clear-A-Time: the meal times to clear"),
                    [this](int i) { ClearTime(i + 1); });
}

void TForm1::RbButton16Click() {
    runWithSelector(m_daySelector, tr("Clear-A-Day: the days to clear"), [this](int i) { ClearDay(i); });
}

void TForm1::PickTime(int code) {
    m_recentPicks.reset();
    if (noRepeats())
        for (int day = 0; day < 7; ++day)
            weekBox(day, code)->deselectAll();
    for (int day = 0; day < 7; ++day)
        pickInBox(weekBox(day, code), day);
}

void TForm1::ClearTime(int code) {
    for (int day = 0; day < 7; ++day) {
        weekBox(day, code)->deselectAll();
        cbSaturdayMorningChange(weekBox(day, code));
    }
}

void TForm1::ClearDay(int day) {
    for (int code = 1; code <= 6; ++code) {
        weekBox(day, code)->deselectAll();
        cbSaturdayMorningChange(weekBox(day, code));
    }
}

void TForm1::attachSelectors(SelectorDialog *times, SelectorDialog *days) {
    m_timeSelector = times;
    m_daySelector = days;
}

void TForm1::PickDay(int day) {
    m_recentPicks.reset();
    if (noRepeats())
        for (int code = 1; code <= 6; ++code)
            weekBox(day, code)->deselectAll();
    for (int code = 1; code <= 6; ++code)
        pickInBox(weekBox(day, code), day);
}

void TForm1::pickInBox(CheckedComboBox *box, int day) {
    box->deselectAll();
    if (box->count() > 0)
        box->setChecked(noRepeats() ? variedPick(box, day) : m_random.below(box->count()), true);
    cbSaturdayMorningChange(box);
}

int TForm1::variedPick(CheckedComboBox *box, int day) {
    // What the week and the day hold already, in the other boxes.
    QSet<QString> inWeek;
    QSet<QString> onDay;
    for (int d = 0; d < 7; ++d) {
        for (int code = 1; code <= 6; ++code) {
            CheckedComboBox *other = weekBox(d, code);
            if (other == box)
                continue;
            for (const int index : other->checkedOrder()) {
                inWeek.insert(other->items().at(index));
                if (d == day)
                    onDay.insert(other->items().at(index));
            }
        }
    }
    if (!m_recentPicks)
        m_recentPicks = plannedBefore(2);
    // The first of these that leaves any recipe is drawn from: new to the week and to the two weeks
    // before; new to the week; new to the day; the whole list.
    const QStringList &items = box->items();
    const std::function<bool(const QString &)> tiers[] = {
        [&](const QString &name) { return !inWeek.contains(name) && !m_recentPicks->contains(name); },
        [&](const QString &name) { return !inWeek.contains(name); },
        [&](const QString &name) { return !onDay.contains(name); },
    };
    for (const auto &allowed : tiers) {
        std::vector<int> open;
        for (int i = 0; i < items.size(); ++i) {
            if (allowed(items.at(i)))
                open.push_back(i);
        }
        if (!open.empty())
            return open[size_t(m_random.below(int(open.size())))];
    }
    return m_random.below(box->count());
}
