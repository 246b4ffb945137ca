#include "Theme.h"

namespace theme {

namespace {

/// The colours the style sheets name, for a light and a dark desktop.
struct Colours {
    const char *columnTop, *columnBottom, *panel, *border, *accent, *link, *warning, *tab, *tabHover,
        *tabSelected, *accept, *refuse, *scrollHandle;
};

constexpr Colours Light{"#dbe9f7", "#c4d9f0", "#f4f8fd", "#a9c3e0", "#2b5d99", "#1d4f86", "#c0392b",
                        "#e4eaf3", "#f0f4fa", "#ffffff", "#eefaf1", "#fdf0ee", "#8fb0d6"};
constexpr Colours Dark{"#1f2a36", "#18212b", "#232e3a", "#3d5675", "#8ab4f0", "#9cc2f5", "#ff8a80",
                       "#2a3440", "#33404e", "#3b4a5c", "#1d3a26", "#44231f", "#4f6f96"};

const Colours &coloursFor(const QPalette &palette) {
    return isDark(palette) ? Dark : Light;
}

QString filled(QString text, const Colours &c) {
    const std::pair<const char *, const char *> names[] = {{"@columnTop", c.columnTop},
                                                           {"@columnBottom", c.columnBottom},
                                                           {"@panel", c.panel},
                                                           {"@border", c.border},
                                                           {"@accent", c.accent},
                                                           {"@link", c.link},
                                                           {"@warning", c.warning},
                                                           {"@tabHover", c.tabHover},
                                                           {"@tabSelected", c.tabSelected},
                                                           {"@tab", c.tab},
                                                           {"@accept", c.accept},
                                                           {"@refuse", c.refuse},
                                                           {"@scrollHandle", c.scrollHandle}};
    for (const auto &[name, value] : names)
        text.replace(QLatin1String(name), QLatin1String(value));
    return text;
}

} // namespace

bool isDark(const QPalette &palette) {
    return palette.color(QPalette::Window).lightness() < 128;
}

QColor accentText(const QPalette &palette) {
    return QColor(QLatin1String(coloursFor(palette).accent));
}

QColor warningText(const QPalette &palette) {
    return QColor(QLatin1String(coloursFor(palette).warning));
}

QColor panel(const QPalette &palette) {
    return QColor(QLatin1String(coloursFor(palette).panel));
}

QString mainStyleSheet(const QPalette &palette) {
    // The navigation headers and page headers carry white text on the brand's blue in either theme.
    return filled(QStringLiteral(R"(
QWidget#LeftColumn { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 @columnTop, stop:1 @columnBottom); }
QToolButton[navHeader="true"] {
    background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #3f7cc0, stop:1 #2b5d99);
    color: white; font-weight: bold; border: 1px solid #24507f; border-radius: 4px;
    padding: 5px 6px; text-align: left;
}
QToolButton[navHeader="true"]:hover { background: #4a8ad0; }
QToolButton[navHeader="true"]:focus { border: 2px solid #ffd54a; }
QPushButton[navItem="true"]:focus { color: @warning; text-decoration: underline; border: 1px dotted @link; }
QWidget[navItems="true"] { background: @panel; border: 1px solid @border; border-top: none; }
QPushButton[navItem="true"] { color: @link; border: none; padding: 3px 2px; text-align: left; }
QPushButton[navItem="true"]:hover { color: @warning; text-decoration: underline; }
QFrame#Panel40 { background: @panel; border: 1px solid @border; border-radius: 4px; }
QLabel[weekCaption="true"] { color: @accent; font-weight: bold; }
QLabel[link="true"] { color: @link; text-decoration: underline; }
QLabel[pageHeader="true"] {
    background: qlineargradient(x1:0, y1:0, x2:1, y2:0, stop:0 #2b5d99, stop:1 #7fa9d8);
    color: white; font-size: 15px; font-weight: bold; padding: 6px 4px;
}
QLabel#WelcomeHeading { color: @accent; font-size: 15px; font-weight: bold; }
ScrollText { background: palette(base); border: 1px solid @border; }
QLabel[slotCaption="true"], QLabel[sectionCaption="true"] { color: @accent; font-weight: bold; }
QLabel[warning="true"] { color: @warning; font-weight: bold; }
QLabel[found="none"] { color: @warning; }
QLabel[found="some"] { color: @accent; }
QLabel[link="true"] { border: 1px solid transparent; }
QLabel[link="true"]:focus { border: 1px dotted @link; }
QAbstractItemView:focus { border: 2px solid @link; }
QAbstractItemView[dropState="accept"] { border: 2px solid #2e9d4f; background: @accept; }
QAbstractItemView[dropState="refuse"] { border: 2px solid #c0392b; background: @refuse; }
QScrollArea#NavItemsScroller { background: transparent; }
QScrollArea#NavItemsScroller QScrollBar:vertical { width: 8px; background: @panel; }
QScrollArea#NavItemsScroller QScrollBar::handle:vertical { background: @scrollHandle; border-radius: 3px; min-height: 18px; }
QScrollArea#NavItemsScroller QScrollBar::add-line:vertical, QScrollArea#NavItemsScroller QScrollBar::sub-line:vertical { height: 0; }
)"),
                  coloursFor(palette));
}

QString dayTabsStyleSheet(const QPalette &palette) {
    return filled(
        QStringLiteral("QTabBar::tab { padding: 4px 7px; margin-right: 1px; border: 1px solid @border; "
                       "border-bottom: none; border-top-left-radius: 3px; border-top-right-radius: 3px; "
                       "background: @tab; color: palette(text); }"
                       "QTabBar::tab:selected { background: @tabSelected; color: @accent; }"
                       "QTabBar::tab:hover:!selected { background: @tabHover; }"
                       "QTabBar::tab:selected:focus { border: 2px solid @link; border-bottom: none; }"),
        coloursFor(palette));
}

QString waitBoxStyleSheet(const QPalette &palette) {
    return filled(QStringLiteral("QWidget#Form2 { background: @panel; border: 2px solid #2b5d99; }"
                                 "QLabel { color: @link; font-weight: bold; }"),
                  coloursFor(palette));
}

} // namespace theme
