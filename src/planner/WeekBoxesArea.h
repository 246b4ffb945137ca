#pragma once

#include <QScrollArea>

#include <array>
#include <vector>

class QGridLayout;
class QLabel;

/// The weekly page's boxes: the days side by side in as many columns as leave every box room for a name of
/// 30 characters, the six meal-time captions at the left of each band of days, the remaining days in bands
/// below. A window too low for every band scrolls upright; it never scrolls sideways.
class WeekBoxesArea : public QScrollArea {
    Q_OBJECT
public:
    explicit WeekBoxesArea(QWidget *parent = nullptr);

    /// Adds the next day: its caption and its six boxes, morning to dessert.
    void addDay(QLabel *caption, const std::array<QWidget *, 6> &boxes);
    /// The captions of the six meal times, repeated at the left of every band.
    void setTimeCaptions(const QStringList &captions);
    /// A widget placed after the last day, in the room its band leaves; when the bands do not all fit the
    /// area's height, it stands in `footer()` instead, so that it is always in view.
    void setTrailer(QWidget *trailer);
    /// The strip below the area that takes the trailer when the days scroll; the page places it.
    QWidget *footer() const { return m_footer; }

    /// How many days stand side by side.
    int columns() const { return m_columns; }
    /// How many days stand side by side in an area `width` pixels wide.
    int columnsFor(int width) const;

signals:
    /// The trailer moved into the footer (true) or beside the last day (false).
    void trailerPlaced(bool inFooter);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Day {
        QLabel *caption;
        std::array<QWidget *, 6> boxes;
    };
    void arrange(int columns);
    void placeTrailer();
    QLabel *timeLabel(int band, int time);

    QWidget *m_body;
    QGridLayout *m_grid;
    std::vector<Day> m_days;
    QStringList m_timeCaptions;
    std::vector<std::array<QLabel *, 6>> m_timeLabels;
    QWidget *m_trailer = nullptr;
    QWidget *m_footer;
    bool m_trailerInFooter = false;
    int m_columns = 0;
};
