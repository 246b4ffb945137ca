// What assistive technology finds on every page and dialog: each control it can act on has a name, no two
// buttons of one window share a name, and each control has the role of what it is.
#include "app/TForm1.h"
#include "app/TForm2.h"
#include "planner/TForm5.h"
#include "planner/TForm6.h"
#include "recipes/TForm3.h"
#include "recipes/TForm7.h"
#include "recipes/TForm8.h"
#include "support/ProgramTest.h"

#include "toolkit/widgets/CheckedComboBox.h"
#include "toolkit/widgets/DBImage.h"
#include "toolkit/widgets/DBLookupComboBox.h"
#include "toolkit/widgets/MonthCalendar.h"
#include "toolkit/widgets/NavBar.h"

#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>

namespace {

class AccessibilityTest : public ProgramTest {
protected:
    AccessibilityTest()
        : ProgramTest(QDateTime(QDate(2026, 12, 9), QTime(10, 0))) {
        program.show();
    }

    /// Problems found under `root` (a shown window).
    QStringList problemsOf(QWidget *root) {
        QApplication::processEvents();
        QStringList problems;
        QHash<QString, int> buttonNames;
        walk(QAccessible::queryAccessibleInterface(root), root->objectName(), problems, buttonNames);
        for (auto it = buttonNames.cbegin(); it != buttonNames.cend(); ++it) {
            if (it.value() > 1)
                problems << QStringLiteral("%1: %2 controls are named \"%3\"")
                                .arg(root->objectName())
                                .arg(it.value())
                                .arg(it.key());
        }
        return problems;
    }

private:
    void walk(QAccessibleInterface *node, const QString &path, QStringList &problems,
              QHash<QString, int> &buttonNames) {
        if (node == nullptr || !node->isValid() || node->state().invisible)
            return;
        QObject *object = node->object();
        const QAccessible::Role role = node->role();
        const QString name = node->text(QAccessible::Name).trimmed();
        const QString here =
            path + u'/' +
            (object != nullptr && !object->objectName().isEmpty() ? object->objectName()
                                                                  : QString::number(int(role), 16));
        static const QSet<QAccessible::Role> acting = {
            QAccessible::PushButton,   QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
            QAccessible::EditableText, QAccessible::List,     QAccessible::Table,       QAccessible::SpinBox,
            QAccessible::Link,         QAccessible::PageTab,  QAccessible::ButtonMenu,  QAccessible::Tree};
        if (acting.contains(role) && name.isEmpty())
            problems << here + QStringLiteral(": a control of role %1 without a name").arg(int(role), 0, 16);
        // Buttons and boxes a user picks by name among others of the window.
        if ((role == QAccessible::PushButton || role == QAccessible::ComboBox || role == QAccessible::List ||
             role == QAccessible::Table) &&
            !name.isEmpty())
            ++buttonNames[name];
        const auto expect = [&](bool is, QAccessible::Role wanted, const char *what) {
            if (is && role != wanted)
                problems << here + QStringLiteral(": a %1 told as role %2")
                                       .arg(QLatin1String(what))
                                       .arg(int(role), 0, 16);
        };
        expect(qobject_cast<QRadioButton *>(object) != nullptr, QAccessible::RadioButton, "radio button");
        expect(qobject_cast<QCheckBox *>(object) != nullptr, QAccessible::CheckBox, "check box");
        // A push button that stays pressed (a toggle) is told as a check box, which it works like.
        const auto *push = qobject_cast<QPushButton *>(object);
        expect(push != nullptr && !push->isCheckable(), QAccessible::PushButton, "push button");
        expect(object != nullptr && object->property("link").toBool(), QAccessible::Link, "link");
        expect(qobject_cast<CheckedComboBox *>(object) != nullptr ||
                   qobject_cast<QComboBox *>(object) != nullptr,
               QAccessible::ComboBox, "combo box");
        // A control the keyboard reaches is more than a blank area to assistive technology (an area that
        // scrolls what it holds is one, and its contents tell what they are).
        const auto *widget = qobject_cast<QWidget *>(object);
        const bool scroller = qobject_cast<const QAbstractScrollArea *>(widget) != nullptr &&
                              qobject_cast<const QAbstractItemView *>(widget) == nullptr;
        if (widget != nullptr && !scroller && (widget->focusPolicy() & Qt::TabFocus) != 0 &&
            (role == QAccessible::Client || role == QAccessible::NoRole))
            problems << here + QStringLiteral(": a control reached by Tab told as a blank area");
        // The cells of lists and grids carry the data's own texts.
        if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree)
            return;
        for (int i = 0; i < node->childCount(); ++i)
            walk(node->child(i), here, problems, buttonNames);
    }
};

} // namespace

TEST_F(AccessibilityTest, EveryPageNamesItsControlsAndTellsTheirRoles) {
    for (const auto &[name, open] : pages()) {
        open();
        EXPECT_EQ(problemsOf(&w), QStringList()) << "page " << name;
    }
}

TEST_F(AccessibilityTest, EveryDialogNamesItsControlsAndTellsTheirRoles) {
    for (QWidget *dialog : std::initializer_list<QWidget *>{program.Form2, program.Form3, program.Form5,
                                                            program.Form6, program.Form7, program.Form8}) {
        ASSERT_NE(dialog, nullptr);
        dialog->show();
        EXPECT_EQ(problemsOf(dialog), QStringList()) << qPrintable(dialog->objectName());
        dialog->hide();
    }
}

TEST_F(AccessibilityTest, TheFourSearchModesAreOneGroupOfRadioButtons) {
    w.JvXPBar4Items2Click();
    QApplication::processEvents();
    QAccessibleInterface *group = nullptr;
    for (QRadioButton *mode : {w.rb2, w.rb3, w.rb4, w.rb5}) {
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(mode);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->role(), QAccessible::RadioButton);
        QAccessibleInterface *parent = button->parent();
        ASSERT_NE(parent, nullptr);
        EXPECT_EQ(parent->role(), QAccessible::Grouping);
        EXPECT_FALSE(parent->text(QAccessible::Name).isEmpty());
        if (group == nullptr)
            group = parent;
        EXPECT_EQ(parent->object(), group->object()) << "one group for the four";
    }
}

// A weekly box tells its picks as its value and opens its list when assistive technology asks.
TEST_F(AccessibilityTest, AWeeklyBoxIsAComboBoxWithItsPicksAsValue) {
    w.JvXPBar5Items0Click();
    program.show();
    CheckedComboBox *box = w.weekBox(2, 3);
    ASSERT_GE(box->count(), 2);
    box->setChecked(0, true);
    box->setChecked(1, true);
    QAccessibleInterface *told = QAccessible::queryAccessibleInterface(box);
    ASSERT_NE(told, nullptr);
    EXPECT_EQ(told->role(), QAccessible::ComboBox);
    EXPECT_EQ(told->text(QAccessible::Name), QStringLiteral("Monday Noon"));
    EXPECT_EQ(told->text(QAccessible::Value), box->items().at(0) + u';' + box->items().at(1));
    QAccessibleActionInterface *actions = told->actionInterface();
    ASSERT_NE(actions, nullptr);
    if (actions != nullptr)
        actions->doAction(QAccessibleActionInterface::showMenuAction());
    EXPECT_TRUE(box->isPopupVisible());
    EXPECT_TRUE(told->state().expanded);
    box->hidePopup();
    w.JvXPBar4Items0Click();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(w.EDBImage1)->role(), QAccessible::Graphic);
}

TEST_F(AccessibilityTest, TheWeekValuesTheCalendarAndTheGroupsTellWhatTheyHold) {
    EXPECT_EQ(w.JvgLabel68->accessibleName(), QStringLiteral("Week Number: %1").arg(w.SelectedWeek));
    EXPECT_TRUE(w.JvgLabel29->accessibleName().startsWith(QStringLiteral("Selected Week: ")));
    EXPECT_TRUE(w.JvgLabel30->accessibleName().startsWith(QStringLiteral("Today: ")));
    for (const char *child : {"qt_calendar_prevmonth", "qt_calendar_nextmonth", "qt_calendar_calendarview"}) {
        auto *widget = w.JvMonthCalendar21->findChild<QWidget *>(QLatin1String(child));
        ASSERT_NE(widget, nullptr) << child;
        EXPECT_FALSE(widget->accessibleName().isEmpty()) << child;
    }
    EXPECT_EQ(w.DBLookupComboBox3->accessibleName(), QStringLiteral("Type"));
    QAbstractButton *recipes = w.JvXPBar4->header();
    EXPECT_EQ(recipes->accessibleDescription(), QStringLiteral("closed"));
    recipes->click();
    EXPECT_EQ(recipes->accessibleDescription(), QStringLiteral("open"));
}
