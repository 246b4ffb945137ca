#pragma once

#include "WeekShare.h"
#include "toolkit/widgets/VaneDialog.h"

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

/// File > Sharing...: where the week is shared (the server, the user and password, the task list and the
/// calendar, chosen from those the server lists or made new) and the hours of the meal times.
class SharingDialog : public VaneDialog {
    Q_OBJECT
public:
    SharingDialog(const sharing::Settings &settings, const QString &password, QWidget *owner);

    /// The settings as the user left them; the collections chosen to be made new are made by `accept`.
    sharing::Settings settings() const { return m_settings; }
    QString password() const;

    /// Asks the server for its collections and says in words what happened; true when it was reached.
    bool testConnection();
    void accept() override;

    QLabel *status() const { return m_status; }

private:
    void fillCollections(const QList<caldav::Collection> &found);
    bool readForm();

    sharing::Settings m_settings;
    QLineEdit *m_server;
    QLineEdit *m_user;
    QLineEdit *m_password;
    QComboBox *m_tasks;
    QComboBox *m_calendar;
    std::array<QTimeEdit *, sharing::MealTimes> m_times{};
    QLabel *m_status;
    bool m_listed = false;
};
