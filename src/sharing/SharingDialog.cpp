#include "SharingDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace {

/// What a collection entry of the boxes stands for.
constexpr int NewCollection = 1;
constexpr int NoCollection = 2;

const char *const TimeNames[sharing::MealTimes] = {"Morning", "Snack", "Noon", "Snack", "Night", "Dessert"};

} // namespace

SharingDialog::SharingDialog(const sharing::Settings &settings, const QString &password, QWidget *owner)
    : VaneDialog(QStringLiteral("SharingDialog"), QCoreApplication::translate("SharingDialog", "Sharing"),
                 QCoreApplication::translate(
                     "SharingDialog", "The week on the household's phones, through your CalDAV server"),
                 owner)
    , m_settings(settings) {
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    const auto line = [&](const char *name, const char *caption, const QString &text) {
        auto *box = new QLineEdit(text, this);
        box->setObjectName(QLatin1String(name));
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(box);
        box->setAccessibleName(label->text().remove(u'&').chopped(1));
        form->addRow(label, box);
        return box;
    };
    m_server = line("SharingServer", "&Server address:", settings.server.toString());
    m_server->setPlaceholderText(QStringLiteral("https://dav.example.org/"));
    m_user = line("SharingUser", "&User name:", settings.user);
    m_password = line("SharingPassword", "&Password:", password);
    m_password->setEchoMode(QLineEdit::Password);
    auto *test = new QPushButton(QCoreApplication::translate("SharingDialog", "&Test connection"), this);
    test->setObjectName(QStringLiteral("TestConnection"));
    test->setAutoDefault(false);
    form->addRow(QString(), test);
    m_status = new QLabel(this);
    m_status->setObjectName(QStringLiteral("SharingStatus"));
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(QString(), m_status);
    const auto combo = [&](const char *name, const char *caption) {
        auto *box = new QComboBox(this);
        box->setObjectName(QLatin1String(name));
        auto *label = new QLabel(QString::fromUtf8(caption), this);
        label->setBuddy(box);
        box->setAccessibleName(label->text().remove(u'&').chopped(1));
        form->addRow(label, box);
        return box;
    };
    m_tasks = combo("SharingTaskList", "Task &list:");
    m_calendar = combo("SharingCalendar", "&Calendar:");
    // Until the server is asked, the boxes offer what was chosen before.
    if (settings.taskList.isValid() && !settings.taskList.isEmpty())
        m_tasks->addItem(settings.taskList.path(), settings.taskList);
    if (settings.calendar.isValid() && !settings.calendar.isEmpty())
        m_calendar->addItem(settings.calendar.path(), settings.calendar);
    m_listed = m_tasks->count() > 0;

    auto *times = new QGridLayout;
    times->setHorizontalSpacing(8);
    for (int t = 0; t < sharing::MealTimes; ++t) {
        auto *edit = new QTimeEdit(settings.mealTimes[size_t(t)], this);
        edit->setObjectName(QStringLiteral("SharingTime%1").arg(t + 1));
        edit->setDisplayFormat(QStringLiteral("HH:mm"));
        edit->setAccessibleName(QStringLiteral("%1 at").arg(QLatin1String(TimeNames[t])));
        auto *label = new QLabel(QLatin1String(TimeNames[t]), this);
        label->setBuddy(edit);
        times->addWidget(label, t / 3, (t % 3) * 2);
        times->addWidget(edit, t / 3, (t % 3) * 2 + 1);
        m_times[size_t(t)] = edit;
    }
    form->addRow(new QLabel(QCoreApplication::translate("SharingDialog", "Meals at:"), this), times);
    body()->addLayout(form);
    body()->addStretch(1);
    addButtons();
    connect(test, &QPushButton::clicked, this, [this] { testConnection(); });
    resize(560, 0);
}

QString SharingDialog::password() const {
    return m_password->text();
}

bool SharingDialog::readForm() {
    const QUrl server = QUrl::fromUserInput(m_server->text().trimmed());
    if (m_server->text().trimmed().isEmpty() || !server.isValid() || server.host().isEmpty() ||
        (server.scheme() != QLatin1String("https") && server.scheme() != QLatin1String("http"))) {
        m_status->setText(QCoreApplication::translate("SharingDialog",
                                                      "Give the address of your CalDAV server, such as "
                                                      "https://dav.example.org/."));
        m_server->setFocus();
        return false;
    }
    if (m_user->text().trimmed().isEmpty()) {
        m_status->setText(QCoreApplication::translate("SharingDialog", "Give your user name on the server."));
        m_user->setFocus();
        return false;
    }
    m_settings.server = server;
    m_settings.user = m_user->text().trimmed();
    for (int t = 0; t < sharing::MealTimes; ++t)
        m_settings.mealTimes[size_t(t)] = m_times[size_t(t)]->time();
    return true;
}

bool SharingDialog::testConnection() {
    if (!readForm())
        return false;
    m_status->setText(
        QCoreApplication::translate("SharingDialog", "Asking %1...").arg(m_settings.server.host()));
    caldav::Client client(m_settings.server, m_settings.user, password());
    QList<caldav::Collection> found;
    const caldav::Outcome outcome = client.collections(found);
    if (!outcome.ok()) {
        m_status->setText(outcome.failure);
        return false;
    }
    fillCollections(found);
    const qsizetype lists =
        std::count_if(found.cbegin(), found.cend(), [](const auto &c) { return c.tasks; });
    const qsizetype calendars =
        std::count_if(found.cbegin(), found.cend(), [](const auto &c) { return c.events; });
    m_status->setText(QCoreApplication::translate(
                          "SharingDialog",
                          "Reached %1: %2 task lists and %3 calendars. Choose the ones to share to, "
                          "or new ones.")
                          .arg(m_settings.server.host())
                          .arg(lists)
                          .arg(calendars));
    return true;
}

void SharingDialog::fillCollections(const QList<caldav::Collection> &found) {
    const QUrl tasksBefore = m_tasks->currentData().toUrl();
    const QUrl calendarBefore = m_calendar->currentData().toUrl();
    m_tasks->clear();
    m_calendar->clear();
    for (const caldav::Collection &c : found) {
        if (c.tasks)
            m_tasks->addItem(c.name, c.url);
        if (c.events)
            m_calendar->addItem(c.name, c.url);
    }
    m_tasks->addItem(QCoreApplication::translate("SharingDialog", "New task list \"Shopping\""),
                     NewCollection);
    m_calendar->addItem(QCoreApplication::translate("SharingDialog", "New calendar \"Meals\""),
                        NewCollection);
    m_calendar->addItem(QCoreApplication::translate("SharingDialog", "None: share the list only"),
                        NoCollection);
    // What was chosen before, else a list named for shopping, else a new one.
    const auto choose = [](QComboBox *box, const QUrl &before, const QString &word) {
        int at = before.isEmpty() ? -1 : box->findData(before);
        for (int i = 0; at < 0 && i < box->count(); ++i) {
            if (box->itemData(i).typeId() == QMetaType::QUrl &&
                box->itemText(i).contains(word, Qt::CaseInsensitive))
                at = i;
        }
        box->setCurrentIndex(at >= 0 ? at : box->findData(NewCollection));
    };
    choose(m_tasks, tasksBefore.isEmpty() ? m_settings.taskList : tasksBefore, QStringLiteral("shop"));
    choose(m_calendar, calendarBefore.isEmpty() ? m_settings.calendar : calendarBefore,
           QStringLiteral("meal"));
    m_listed = true;
}

void SharingDialog::accept() {
    // The server is asked once at least, so that the collections are its own.
    if (!m_listed && !testConnection())
        return;
    if (!readForm())
        return;
    caldav::Client client(m_settings.server, m_settings.user, password());
    const auto collectionOf = [&](QComboBox *box, bool tasks, const QString &name, QUrl &into) {
        const QVariant chosen = box->currentData();
        if (chosen.typeId() == QMetaType::QUrl) {
            into = chosen.toUrl();
            return true;
        }
        if (chosen.toInt() == NoCollection) {
            into = QUrl();
            return true;
        }
        QUrl made;
        const caldav::Outcome outcome = client.makeCollection(name, tasks, made);
        if (!outcome.ok()) {
            m_status->setText(outcome.failure);
            return false;
        }
        into = made;
        box->setItemText(box->currentIndex(), name);
        box->setItemData(box->currentIndex(), made);
        return true;
    };
    if (!collectionOf(m_tasks, true, QStringLiteral("Shopping"), m_settings.taskList) ||
        !collectionOf(m_calendar, false, QStringLiteral("Meals"), m_settings.calendar))
        return;
    VaneDialog::accept();
}
