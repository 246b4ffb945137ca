#include "TForm1.h"

#include "Theme.h"
#include "toolkit/widgets/LinkLabel.h"

#include "SelectedWeek.h"
#include "SizeRules.h"
#include "TForm4.h"
#include "WelcomePicture.h"
#include "data/DataFile.h"
#include "data/TDataModule1.h"
#include "toolkit/db/DbError.h"
#include "toolkit/ui/Clock.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/widgets/MonthCalendar.h"
#include "toolkit/widgets/NavBar.h"
#include "toolkit/widgets/ScrollText.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QStatusBar>
#include <QStyle>
#include <QThread>
#include <QToolButton>
#include <QVBoxLayout>
#include <tuple>

namespace {

LinkLabel *linkLabel(const QString &name, const QString &text, QWidget *parent) {
    auto *label = new LinkLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    return label;
}

void onClick(QLabel *label, const std::function<void()> &handler) {
    QObject::connect(qobject_cast<LinkLabel *>(label), &LinkLabel::activated, label, handler);
}

} // namespace

TForm1::TForm1(const AppServices &services, int splashSteps, int splashStepMs)
    : m_services(services)
    , m_splashSteps(splashSteps)
    , m_splashStepMs(splashStepMs) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(tr("Mealvane v 4.0"));
    setWindowIcon(WelcomePicture::icon());
    setStyleSheet(theme::mainStyleSheet(palette()));

    buildMenus();
    auto *central = new QWidget(this);
    auto *layout = new QHBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildLeftColumn());
    JvPageControl1 = new QStackedWidget(central);
    JvPageControl1->setObjectName(QStringLiteral("JvPageControl1"));
    layout->addWidget(JvPageControl1, 1);
    setCentralWidget(central);
    buildPages();
    fitLeftColumn();
    // Nothing can be asked of the pages before the data module exists.
    menuBar()->setEnabled(false);
    central->setEnabled(false);

    auto *slogan = new QLabel(tr("Save time and get your life back !"), this);
    slogan->setObjectName(QStringLiteral("StatusBarText"));
    statusBar()->addPermanentWidget(slogan);
    // A message takes the room it needs: the slogan gives way while one is shown.
    connect(statusBar(), &QStatusBar::messageChanged, slogan,
            [slogan](const QString &message) { slogan->setVisible(message.isEmpty()); });

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::FormCreate() {
    // A start without a splash time (tests, benchmarks) makes no splash window at all.
    if (m_splashSteps > 0) {
        if (m_splash == nullptr)
            m_splash = new TForm4(this);
        m_splash->show();
        for (int i = 0; i < m_splashSteps; ++i) {
            QApplication::processEvents();
            QThread::msleep(ulong(m_splashStepMs));
        }
        m_splash->hide();
    }
    resize(sizerules::StartWindow);
    setWeekGridChanged(false);
    DailyMenuChanged = false;
    showPage(TabSheet5);
    JvMonthCalendar21->setSelectedDate(m_services.clock.now().date());
    JvMonthCalendar21Click();
}

void TForm1::buildMenus() {
    struct Def {
        QAction *&action;
        const char *name, *caption;
        std::function<void()> handler;
    };
    const Def defs[] = {
        {Action1, "Action1", QT_TR_NOOP("&Exit"), [this] { Action1Execute(); }},
        {Action2, "Action2", QT_TR_NOOP("&Pick-A-Menu"), [this] { JvXPBar5Items0Click(); }},
        {Action3, "Action3", QT_TR_NOOP("&Weekly Menu"), [this] { JvXPBar3Items0Click(); }},
        {Action4, "Action4", QT_TR_NOOP("&Quick Start"), [this] { JvXPBar1Items0Click(); }},
        {Action5, "Action5", QT_TR_NOOP("&Shopping List"), [this] { JvXPBar2Click(); }},
        {Action6, "Action6", QT_TR_NOOP("Recipes"), [this] { JvXPBar4Items0Click(); }},
        {Action7, "Action7", QT_TR_NOOP("&Ingredients"), [this] { JvXPBar4Items1Click(); }},
        {Action8, "Action8", QT_TR_NOOP("S&earch"), [this] { JvXPBar4Items2Click(); }},
        {Action9, "Action9", QT_TR_NOOP("&All Recipes"), [this] { JvXPBar3Items1Click(); }},
        {Action10, "Action10", QT_TR_NOOP("&Single Recipe"), [this] { JvXPBar3Items2Click(); }},
        {Action11, "Action11", QT_TR_NOOP("A&ll Ingredients"), [this] { JvXPBar3Items3Click(); }},
        {Action12, "Action12", QT_TR_NOOP("&Mealvane Help"), [this] { JvXPBar1Items2Click(); }},
        {Action13, "Action13", QT_TR_NOOP("Visit us on the Web"), [this] { JvXPBar1Items1Click(); }},
        {Action14, "Action14", QT_TR_NOOP("Import Meals from Older DB"), [this] { Action14Execute(); }},
        {Action15, "Action15", QT_TR_NOOP("Import Recipes from Files..."), [this] { Action15Execute(); }},
        {ActionSave, "ActionSave", QT_TR_NOOP("&Save"), [this] { saveShownPage(); }},
        {ActionPrint, "ActionPrint", QT_TR_NOOP("&Print..."), [this] { printShownPage(); }},
        {ActionNewRecipe, "ActionNewRecipe", QT_TR_NOOP("&New Recipe..."), [this] { newRecipe(); }},
        {ActionFind, "ActionFind", QT_TR_NOOP("&Find Recipe"), [this] { findRecipe(); }},
        {ActionDaily, "ActionDaily", QT_TR_NOOP("&Daily Style"), [this] { JvXPBar5Click(); }},
        {ActionCategories, "ActionCategories", QT_TR_NOOP("Recipe &Types and Groups"),
         [this] { JvXPBar4Items3Click(); }},
        {ActionHousehold, "ActionHousehold", QT_TR_NOOP("&Household..."), [this] { householdSettings(); }},
        {ActionWebImport, "ActionWebImport", QT_TR_NOOP("Import Recipe from Web Address..."),
         [this] { importFromWebAddress(); }},
        {ActionReadAmounts, "ActionReadAmounts", QT_TR_NOOP("Read Amounts from Methods..."),
         [this] { readAllAmountsFromMethods(); }},
        {ActionPreviousWeek, "ActionPreviousWeek", QT_TR_NOOP("Pre&vious Week"), [this] { stepWeek(-1); }},
        {ActionNextWeek, "ActionNextWeek", QT_TR_NOOP("Ne&xt Week"), [this] { stepWeek(1); }},
        {ActionCopyWeek, "ActionCopyWeek", QT_TR_NOOP("&Copy Week To..."), [this] { copyWeekTo(); }},
        {ActionRestore, "ActionRestore", QT_TR_NOOP("Restore from &Backup..."),
         [this] { restoreFromBackup(); }},
        {ActionExportRecipes, "ActionExportRecipes", QT_TR_NOOP("Export &Recipes..."),
         [this] { exportRecipes(); }},
        {ActionExportWeek, "ActionExportWeek", QT_TR_NOOP("Export Wee&k..."), [this] { exportWeek(); }},
        {ActionSharing, "ActionSharing", QT_TR_NOOP("Shar&ing..."), [this] { sharingSettings(); }},
        {ActionShareWeek, "ActionShareWeek", QT_TR_NOOP("Share &Week"), [this] { shareWeek(); }},
        {ActionRefreshPhones, "ActionRefreshPhones", QT_TR_NOOP("Refresh from P&hones"),
         [this] { refreshFromPhones(); }},
        {ActionExportCalendar, "ActionExportCalendar", QT_TR_NOOP("Export Week as &Calendar..."),
         [this] { exportWeekCalendar(); }},
        {ActionUndo, "ActionUndo", QT_TR_NOOP("&Undo"), [this] { undoLast(); }},
        {ActionDeletedRecipes, "ActionDeletedRecipes", QT_TR_NOOP("De&leted Recipes..."),
         [this] { deletedRecipes(); }},
        {ActionLanguage, "ActionLanguage", QT_TR_NOOP("&Language..."), [this] { chooseLanguage(); }},
    };
    for (const Def &d : defs) {
        d.action = new QAction(tr(d.caption), this);
        d.action->setObjectName(QString::fromLatin1(d.name));
        if (d.handler)
            connect(d.action, &QAction::triggered, this, [this, h = d.handler] { run(h); });
    }
    Action12->setShortcut(QKeySequence(Qt::Key_F1));
    Action12->setShortcutContext(Qt::WindowShortcut);
    // The shortcuts a desktop user expects, shown beside their items; Ctrl+1 to Ctrl+8 go to the pages in
    // the order of the navigation bar.
    const std::pair<QAction *, QKeySequence> keys[] = {
        {ActionSave, QKeySequence::Save},
        {ActionPrint, QKeySequence::Print},
        {ActionNewRecipe, QKeySequence::New},
        {ActionFind, QKeySequence::Find},
        {Action1, QKeySequence::Quit},
        {Action2, QKeySequence(Qt::CTRL | Qt::Key_1)},
        {ActionDaily, QKeySequence(Qt::CTRL | Qt::Key_2)},
        {Action5, QKeySequence(Qt::CTRL | Qt::Key_3)},
        {Action6, QKeySequence(Qt::CTRL | Qt::Key_4)},
        {Action7, QKeySequence(Qt::CTRL | Qt::Key_5)},
        {ActionCategories, QKeySequence(Qt::CTRL | Qt::Key_6)},
        {Action8, QKeySequence(Qt::CTRL | Qt::Key_7)},
        {Action4, QKeySequence(Qt::CTRL | Qt::Key_8)},
        {ActionPreviousWeek, QKeySequence(Qt::ALT | Qt::Key_Left)},
        {ActionNextWeek, QKeySequence(Qt::ALT | Qt::Key_Right)},
        {ActionUndo, QKeySequence::Undo}};
    for (const auto &[action, key] : keys) {
        // The desktop's own key for Quit where it has one, Ctrl+Q where it has none.
        action->setShortcut(action == Action1 && key.isEmpty() ? QKeySequence(Qt::CTRL | Qt::Key_Q) : key);
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }

    QMenu *file = menuBar()->addMenu(tr("&File"));
    QMenu *database = file->addMenu(tr("&Database"));
    database->addAction(Action14);
    database->addAction(Action15);
    database->addAction(ActionWebImport);
    database->addAction(ActionReadAmounts);
    file->addSeparator();
    file->addActions({ActionSave, ActionPrint});
    file->addSeparator();
    file->addActions({ActionSharing, ActionShareWeek, ActionRefreshPhones, ActionExportCalendar});
    file->addSeparator();
    file->addActions({ActionExportRecipes, ActionExportWeek, ActionRestore, ActionDeletedRecipes});
    file->addSeparator();
    file->addAction(Action1);
    QMenu *edit = menuBar()->addMenu(tr("&Edit"));
    edit->addAction(ActionUndo);
    edit->addSeparator();
    edit->addAction(ActionLanguage);
    updateUndoAction();
    QMenu *actions = menuBar()->addMenu(tr("&Actions"));
    actions->addActions({Action2, Action5, Action6, Action7});
    actions->addSeparator();
    actions->addActions({ActionPreviousWeek, ActionNextWeek, ActionCopyWeek});
    actions->addSeparator();
    actions->addAction(Action8);
    actions->addSeparator();
    actions->addActions({ActionNewRecipe, ActionFind, ActionDaily, ActionCategories});
    actions->addSeparator();
    actions->addAction(ActionHousehold);
    QMenu *reports = menuBar()->addMenu(tr("&Reports"));
    reports->addActions({Action3, Action9, Action10, Action11});
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addActions({Action4, Action12, Action13});
}

QWidget *TForm1::buildLeftColumn() {
    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("LeftColumn"));
    column->setAttribute(Qt::WA_StyledBackground);
    m_leftColumn = column;
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(4, 6, 4, 6);
    layout->setSpacing(6);

    navigationBar = new NavBar(column);
    navigationBar->setObjectName(QStringLiteral("JvXPBarContainer"));
    const auto item = [this](NavBarGroup *group, const char *name, const char *caption,
                             void (TForm1::*handler)()) {
        QAbstractButton *button = group->addItem(QString::fromLatin1(name), tr(caption));
        connect(button, &QAbstractButton::clicked, this,
                [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    JvXPBar5 = navigationBar->addGroup(QStringLiteral("JvXPBar5"), tr("Pick-A-Menu"));
    item(JvXPBar5, "JvXPBar5Items0", QT_TR_NOOP("Weekly Style"), &TForm1::JvXPBar5Items0Click);
    item(JvXPBar5, "JvXPBar5Items1", QT_TR_NOOP("Daily Style"), &TForm1::JvXPBar5Click);
    JvXPBar2 = navigationBar->addGroup(QStringLiteral("JvXPBar2"), tr("Shopping List"), false);
    connect(JvXPBar2, &NavBarGroup::headerClicked, this, [this] { run([this] { JvXPBar2Click(); }); });
    JvXPBar4 = navigationBar->addGroup(QStringLiteral("JvXPBar4"), tr("Recipes"));
    item(JvXPBar4, "JvXPBar4Items0", QT_TR_NOOP("Recipes (View/Add/Edit)"), &TForm1::JvXPBar4Items0Click);
    item(JvXPBar4, "JvXPBar4Items1", QT_TR_NOOP("Ingredients (Insert/Delete)"), &TForm1::JvXPBar4Items1Click);
    item(JvXPBar4, "JvXPBar4Items3", QT_TR_NOOP("Recipe Types / Groups (Insert/Delete)"),
         &TForm1::JvXPBar4Items3Click);
    item(JvXPBar4, "JvXPBar4Items2", QT_TR_NOOP("Search"), &TForm1::JvXPBar4Items2Click);
    JvXPBar3 = navigationBar->addGroup(QStringLiteral("JvXPBar3"), tr("Reports"));
    item(JvXPBar3, "JvXPBar3Items0", QT_TR_NOOP("Weekly Menu"), &TForm1::JvXPBar3Items0Click);
    item(JvXPBar3, "JvXPBar3Items1", QT_TR_NOOP("All Recipes"), &TForm1::JvXPBar3Items1Click);
    item(JvXPBar3, "JvXPBar3Items2", QT_TR_NOOP("Single Recipe"), &TForm1::JvXPBar3Items2Click);
    item(JvXPBar3, "JvXPBar3Items3", QT_TR_NOOP("All Ingredients"), &TForm1::JvXPBar3Items3Click);
    JvXPBar1 = navigationBar->addGroup(QStringLiteral("JvXPBar1"), tr("Help"));
    item(JvXPBar1, "JvXPBar1Items0", QT_TR_NOOP("Quick Start Page"), &TForm1::JvXPBar1Items0Click);
    item(JvXPBar1, "JvXPBar1Items2", QT_TR_NOOP("Mealvane Help"), &TForm1::JvXPBar1Items2Click);
    item(JvXPBar1, "JvXPBar1Items1", QT_TR_NOOP("Visit us on the Web"), &TForm1::JvXPBar1Items1Click);
    // Every header stays in view; open groups share the room left and scroll inside.
    layout->addWidget(navigationBar, 1);

    auto *weekPanel = new QFrame(column);
    weekPanel->setObjectName(QStringLiteral("Panel40"));
    auto *week = new QGridLayout(weekPanel);
    week->setContentsMargins(2, 4, 2, 6);
    week->setVerticalSpacing(2);
    JvMonthCalendar21 = new MonthCalendar(weekPanel);
    JvMonthCalendar21->setObjectName(QStringLiteral("JvMonthCalendar21"));
    JvMonthCalendar21->setAccessibleName(tr("Calendar"));
    // The calendar's own controls are named for what they do.
    for (const auto &[child, name] :
         {std::pair{"qt_calendar_prevmonth", "Previous month"},
          std::pair{"qt_calendar_nextmonth", "Next month"}, std::pair{"qt_calendar_monthbutton", "Month"},
          std::pair{"qt_calendar_yearbutton", "Year"}, std::pair{"qt_calendar_yearedit", "Year"},
          std::pair{"qt_calendar_calendarview", "Days of the month"}}) {
        if (auto *widget = JvMonthCalendar21->findChild<QWidget *>(QLatin1String(child)))
            widget->setAccessibleName(QLatin1String(name));
    }
    JvMonthCalendar21->setMinimumHeight(170);
    week->addWidget(JvMonthCalendar21, 0, 0, 1, 2);
    const auto pair = [&](int row, const char *captionName, const char *caption, const char *valueName) {
        auto *label = new QLabel(tr(caption), weekPanel);
        label->setObjectName(QString::fromLatin1(captionName));
        label->setProperty("weekCaption", true);
        auto *value = new QLabel(weekPanel);
        value->setObjectName(QString::fromLatin1(valueName));
        value->setAccessibleName(tr(caption));
        value->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        label->setBuddy(value);
        week->addWidget(label, row, 0);
        week->addWidget(value, row, 1);
        return value;
    };
    JvgLabel29 = pair(1, "JvgLabel27", QT_TR_NOOP("Selected Week:"), "JvgLabel29");
    JvgLabel68 = pair(2, "JvgLabel67", QT_TR_NOOP("Week Number:"), "JvgLabel68");
    // Small arrows beside the week's number step it back and on, as Alt+Left and Alt+Right do; there the
    // column has room for them at any font.
    {
        week->removeWidget(JvgLabel68);
        auto *row = new QHBoxLayout;
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(2);
        row->addWidget(JvgLabel68, 1);
        for (const auto &[name, shape, spoken, by] :
             {std::tuple{"PreviousWeek", Qt::LeftArrow, "Previous week (Alt+Left)", -1},
              std::tuple{"NextWeek", Qt::RightArrow, "Next week (Alt+Right)", 1}}) {
            auto *arrow = new QToolButton(weekPanel);
            arrow->setObjectName(QLatin1String(name));
            arrow->setArrowType(shape);
            arrow->setToolTip(QLatin1String(spoken));
            arrow->setAccessibleName(QString(QLatin1String(spoken)).section(u' ', 0, 1));
            arrow->setAutoRaise(true);
            // No taller than the line they stand in: the navigation bar above keeps its room.
            const int line = JvgLabel68->sizeHint().height();
            arrow->setFixedSize(std::max(line + 6, arrow->sizeHint().width()), line);
            const int step = by;
            connect(arrow, &QToolButton::clicked, this,
                    [this, step] { run([this, step] { stepWeek(step); }); });
            row->addWidget(arrow);
        }
        week->addLayout(row, 2, 1);
    }
    JvgLabel30 = pair(3, "JvgLabel28", QT_TR_NOOP("Today:"), "JvgLabel30");
    week->setColumnStretch(1, 1);
    connect(JvMonthCalendar21, &QCalendarWidget::clicked, this,
            [this] { run([this] { JvMonthCalendar21Click(); }); });
    connect(JvMonthCalendar21, &MonthCalendar::keyReleased, this,
            [this] { run([this] { JvMonthCalendar21Click(); }); });
    layout->addWidget(weekPanel);

    auto *linkPanel = new QWidget(column);
    auto *linkLayout = new QHBoxLayout(linkPanel);
    linkLayout->setContentsMargins(2, 2, 2, 2);
    JvgLabel64 = linkLabel(QStringLiteral("JvgLabel64"), tr("Click to visit Mealvane on the Web"), linkPanel);
    onClick(JvgLabel64, [this] { run([this] { JvgLabel26Click(); }); });
    linkLayout->addWidget(JvgLabel64);
    layout->addWidget(linkPanel);
    return column;
}

QWidget *TForm1::addPage(const QString &name, const QString &tabCaption, const QString &header) {
    auto *page = new QWidget(JvPageControl1);
    page->setObjectName(name);
    page->setWindowTitle(tabCaption);
    page->setAccessibleName(header.trimmed());
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto *title = new QLabel(header, page);
    title->setObjectName(name + QStringLiteral("Header"));
    title->setProperty("pageHeader", true);
    title->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    layout->addWidget(title);
    JvPageControl1->addWidget(page);
    return page;
}

void TForm1::buildPages() {
    TabSheet1 = addPage(QStringLiteral("TabSheet1"), tr("PickAmenu"),
                        QStringLiteral("  ") + tr("Vane Menu Selection"));
    TabSheet7 = addPage(QStringLiteral("TabSheet7"), tr("PichMenuOldStyle"),
                        QStringLiteral("  ") + tr("Vane Menu Selection"));
    TabSheet2 =
        addPage(QStringLiteral("TabSheet2"), tr("Shopping List"), QStringLiteral("  ") + tr("Vane Shopping"));
    TabSheet3 = addPage(QStringLiteral("TabSheet3"), tr("View Meals"),
                        QStringLiteral("  ") + tr("View/Edit Recipes"));
    TabSheet6 = addPage(QStringLiteral("TabSheet6"), tr("Insert/Delete Ingr"),
                        QStringLiteral("  ") + tr("Insert/Delete Ingredients"));
    TabSheet8 = addPage(QStringLiteral("TabSheet8"), tr("Categories"),
                        QStringLiteral("  ") + tr("Recipe Types and Ingredient Groups manager"));
    TabSheet4 = addPage(QStringLiteral("TabSheet4"), tr("Search"), QStringLiteral("  ") + tr("VaneSearch"));
    TabSheet5 = addPage(QStringLiteral("TabSheet5"), tr("Welcome Page"),
                        QStringLiteral("  ") + tr("Mealvane v 4.0 Quick Start"));
    // The weekly page is built when a box of it is first asked for.

    // The ingredient page's group box, filled by the data module as soon as it opens.
    ComboBox1 = new QComboBox(TabSheet6);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setAccessibleName(tr("Group"));
    ComboBox1->hide();

    buildWelcomePage();
}

QWidget *TForm1::buildWelcomePage() {
    auto *body = new QWidget(TabSheet5);
    auto *grid = new QGridLayout(body);
    grid->setContentsMargins(12, 10, 12, 8);
    grid->setHorizontalSpacing(16);
    auto *heading = new QLabel(tr("MEALVANE - Save time and get your life back!"), body);
    heading->setObjectName(QStringLiteral("WelcomeHeading"));
    grid->addWidget(heading, 0, 0, 1, 2);
    JvScrollText1 = new ScrollText(body);
    JvScrollText1->setObjectName(QStringLiteral("JvScrollText1"));
    JvScrollText1->setAccessibleName(tr("Quick start"));
    const QString eleven(11, u' ');
    JvScrollText1->setLines({
        tr("To plan your weekly menu quickly and easily, it only takes 4 mouse clicks!"),
        QString(),
        QString(),
        QStringLiteral("1.") + eleven + tr("Click on Pick-A-Menu on the left hand navigation bar"),
        QStringLiteral("2.") + eleven + tr("Click on Weekly Style"),
        QStringLiteral("3.") + eleven +
            tr("Click on Pick-A-Week from the buttons that appear on the lower right"),
        QStringLiteral("4.") + eleven + tr("Click on Save Menu in that same button panel"),
        QString(),
        tr("You have randomly chosen your entire menu for the week!"),
        QString(),
        QString(),
        tr("You can then create and print your Shopping List with only 2 more clicks!"),
        QString(),
        tr("1.\tClick on Shopping List on the left hand navigation bar"),
        tr("2.\tClick on the Print button in the lower right hand button panel"),
        QString(),
        tr("In 6 clicks and less than a minute, you have created your weekly menu, generated your shopping "
           "list printed it out and you are ready to go (depending on the speed of your printer!)"),
        QString(),
        tr("AMAZING!!!"),
        QString(),
        QStringLiteral("  "),
        tr("To get help on how to customise your menu, use the Pick-A-Menu topic in the online Help."),
        QString(),
        QString(),
        tr("Check out the website to see the latest FREE recipe bonuses for Mealvane"),
        QString(),
        QString(),
        tr("HAVE A NICE DAY,   Mealvane TEAM"),
    });
    JvScrollText1->setActive(true);
    grid->addWidget(JvScrollText1, 1, 0);
    JvNavIconButton1 = new QToolButton(body);
    JvNavIconButton1->setObjectName(QStringLiteral("JvNavIconButton1"));
    JvNavIconButton1->setAccessibleName(tr("Pause scrolling"));
    JvNavIconButton1->setToolTip(tr("Pause or resume the scrolling text"));
    JvNavIconButton1->setIcon(style()->standardIcon(QStyle::SP_MediaPause));
    connect(JvNavIconButton1, &QToolButton::clicked, this, &TForm1::JvNavIconButton1Click);
    grid->addWidget(JvNavIconButton1, 2, 0, Qt::AlignHCenter);
    auto *picture = new WelcomePicture(body);
    picture->setObjectName(QStringLiteral("WelcomePicture"));
    grid->addWidget(picture, 1, 1, 2, 1, Qt::AlignCenter);
    JvgLabel26 =
        linkLabel(QStringLiteral("JvgLabel26"), tr("To know more about Mealvane visit us on the Web"), body);
    onClick(JvgLabel26, [this] { run([this] { JvgLabel26Click(); }); });
    grid->addWidget(JvgLabel26, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(1, 1);
    TabSheet5->layout()->addWidget(body);
    return body;
}

QWidget *TForm1::activePage() const {
    return JvPageControl1->currentWidget();
}

void TForm1::showPage(QWidget *page) {
    buildOnFirstVisit(page);
    if (m_readOnly)
        disableWrites();
    JvPageControl1->setCurrentWidget(page);
}

void TForm1::buildOnFirstVisit(QWidget *page) {
    if (page == TabSheet6 && DBGrid1 == nullptr)
        buildIngredientPage();
    else if (page == TabSheet8 && DBGrid10 == nullptr)
        buildCategoriesPage();
    else if (page == TabSheet4 && txt2 == nullptr)
        buildSearchPage();
}

void TForm1::attachDataModule(TDataModule1 &dataModule) {
    m_data = &dataModule;
    menuBar()->setEnabled(true);
    centralWidget()->setEnabled(true);
    if (dataModule.health().readOnly())
        showReadOnly();
    // Start-up shows the welcome page; the daily, weekly, ingredient, categories and search pages are built
    // on their first visit.
    buildShoppingPage();
    buildRecipePage();
}

void TForm1::saveShownPage() {
    QWidget *page = activePage();
    if (page == TabSheet7)
        RbButton18Click();
    else if (page == TabSheet3)
        RbButton5Click();
    else if (page == TabSheet1)
        RbButton11Click();
    else
        tellDone(tr("Nothing on this page waits to be saved"));
}

void TForm1::printShownPage() {
    QWidget *page = activePage();
    if (page == TabSheet7)
        RbButton17Click();
    else if (page == TabSheet2)
        RbButton20Click();
    else if (page == TabSheet3)
        RbButton21Click();
    else if (page == TabSheet4)
        RbButton27Click();
    else if (page == TabSheet6)
        JvXPBar3Items3Click();
    else
        JvXPBar3Items0Click();
}

void TForm1::newRecipe() {
    if (m_readOnly)
        return;
    if (activePage() != TabSheet3) {
        JvXPBar4Items0Click();
        if (activePage() != TabSheet3)
            return;
    }
    RbButton6Click();
}

void TForm1::findRecipe() {
    JvXPBar4Items2Click();
    if (activePage() != TabSheet4)
        return;
    chooseSearchMode(rb2);
    txt2->setFocus();
    txt2->selectAll();
}

void TForm1::showReadOnly() {
    // Everything can be looked at and printed; what only writes is not offered.
    m_readOnly = true;
    if (!windowTitle().endsWith(QStringLiteral(" (read-only)")))
        setWindowTitle(windowTitle() + QStringLiteral(" (read-only)"));
    Action14->setEnabled(false);
    Action15->setEnabled(false);
    ActionWebImport->setEnabled(false);
    disableWrites();
    updateUndoAction();
    // A damaged book can still be put back as a backup had it; one that cannot be written cannot.
    ActionRestore->setEnabled(m_data != nullptr &&
                              m_data->health().state == datafile::Health::State::Damaged);
}

void TForm1::disableWrites() {
    // The buttons and menu items of every page that write to the book; pages built later are done when
    // they are first shown.
    static const char *const Writers[] = {
        "RbButton18",       "RbButton11",      "RbButton10",          "RbButton19",
        "RbButton4",        "RbButton8",       "RbButton9",           "RbButton6",
        "RbButton5",        "RbButton7",       "RbButton2",           "RbButton3",
        "RbButton1",        "RbButton22",      "RbButton23",          "RbButton24",
        "RbButton25",       "LoadNewPicture1", "ClearPicture1",       "ActionSave",
        "ActionNewRecipe",  "ActionHousehold", "ActionReadAmounts",   "ReadAmountsFromMethod",
        "PeopleAtThisMeal", "ActionSharing",   "ActionShareWeek",     "ActionRefreshPhones",
        "ShareWeek",        "ActionCopyWeek",  "ShopOrder",           "IngredientStaple",
        "MoveGroupUp",      "MoveGroupDown",   "ActionDeletedRecipes"};
    for (const char *name : Writers) {
        const QString objectName = QLatin1String(name);
        for (QWidget *widget : findChildren<QWidget *>(objectName))
            widget->setEnabled(false);
        for (QAction *action : findChildren<QAction *>(objectName))
            action->setEnabled(false);
    }
}

void TForm1::setIngredientGroupItems(const QStringList &names) {
    ComboBox1->clear();
    ComboBox1->addItems(names);
}

void TForm1::fitLeftColumn() {
    if (m_leftColumn == nullptr)
        return;
    // As wide as its widest text needs in the font in use, and never narrower than at the usual font.
    int wanted = 244;
    const auto need = [&wanted](const QWidget *widget, int around) {
        if (widget != nullptr)
            wanted = std::max(wanted, widget->sizeHint().width() + around);
    };
    // Column, bar and item margins beside a navigation item; column and panel margins beside the rest.
    for (const QAbstractButton *button : navigationBar->findChildren<QAbstractButton *>())
        need(button, 4 + 4 + 4 + 4 + 8 + 2 + 2);
    need(JvMonthCalendar21, 4 + 4 + 2 + 2);
    for (QLabel *value : {JvgLabel29, JvgLabel68, JvgLabel30}) {
        const QWidget *caption =
            value->parentWidget()->findChild<QLabel *>(value == JvgLabel29   ? QStringLiteral("JvgLabel27")
                                                       : value == JvgLabel68 ? QStringLiteral("JvgLabel67")
                                                                             : QStringLiteral("JvgLabel28"));
        // The week's number has its two arrows beside it.
        int arrows = 0;
        if (value == JvgLabel68)
            for (const char *name : {"PreviousWeek", "NextWeek"})
                if (const QWidget *arrow = value->parentWidget()->findChild<QWidget *>(QLatin1String(name)))
                    arrows += arrow->width() + 2;
        if (caption != nullptr)
            wanted = std::max(wanted, caption->sizeHint().width() + value->sizeHint().width() + arrows + 6 +
                                          4 + 4 + 4 + 4);
    }
    need(JvgLabel64, 4 + 4 + 2 + 2);
    m_leftColumn->setFixedWidth(wanted);
}

void TForm1::changeEvent(QEvent *event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::ApplicationFontChange)
        fitLeftColumn();
    // A desktop that turns dark (or light) gives the program's own colours the other set.
    if (event->type() == QEvent::PaletteChange && !m_restyling) {
        m_restyling = true;
        setStyleSheet(theme::mainStyleSheet(palette()));
        if (JvTabBar1 != nullptr)
            JvTabBar1->setStyleSheet(theme::dayTabsStyleSheet(palette()));
        m_restyling = false;
    }
}

void TForm1::tellDone(const QString &text) {
    statusBar()->showMessage(text, 6000);
}

void TForm1::setWeekGridChanged(bool changed) {
    WeekGridChanged = changed;
    if (m_unsavedMarker != nullptr)
        m_unsavedMarker->setVisible(changed);
}

void TForm1::run(const std::function<void()> &operation) {
    if (m_data == nullptr || m_importing)
        return;
    try {
        operation();
    } catch (const db::DbError &error) {
        m_services.dialogs.showError(datafile::householdMessage(error.message()));
    }
}

void TForm1::resizeEvent(QResizeEvent *event) {
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TForm1::showEvent(QShowEvent *event) {
    QMainWindow::showEvent(event);
    if (!m_sized) {
        // Start-up sets the outer size; the frame is known only once the window is shown.
        m_sized = true;
        resize(sizerules::StartWindow.boundedTo(availableScreen()) -
               (frameGeometry().size() - geometry().size()));
    }
    FormResize();
}

bool TForm1::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::Resize && m_slotArea != nullptr &&
        (watched == m_slotArea || watched == m_dailyColumn))
        applyDailySizes();
    return QMainWindow::eventFilter(watched, event);
}

QSize TForm1::availableScreen() const {
    const QScreen *shown = screen();
    return shown != nullptr ? shown->availableGeometry().size() : sizerules::MinimumWindow;
}

void TForm1::FormResize() {
    const QSize frame = frameGeometry().size() - geometry().size();
    const QSize outer = size() + frame;
    const QSize available = availableScreen();
    setMinimumSize((sizerules::minimumWindow(available) - frame).expandedTo(QSize(0, 0)));
    const QSize wanted = sizerules::windowSize(outer, available);
    if (wanted != outer)
        resize(wanted - frame);
}
