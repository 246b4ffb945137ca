#pragma once

#include <QCalendarWidget>

/// A month calendar whose weeks start on Saturday and that does not mark today. Reports every key released
/// while it has the focus.
class MonthCalendar : public QCalendarWidget {
    Q_OBJECT
public:
    explicit MonthCalendar(QWidget *parent = nullptr);

signals:
    void keyReleased();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    /// Weekends are written like the other days, in the palette's text colour.
    void colourWeekends();
};
