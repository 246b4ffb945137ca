#pragma once

#include <QScrollArea>
#include <array>

class DBLineEdit;
class DBMemo;
class LinkLabel;
class QFormLayout;
class Shell;

namespace db {
class TableDataset;
}

/// The recipe page's details of a recipe: where it came from (a web page's address opens in the browser),
/// who wrote it, what it is, how much it makes, how long it takes, its cuisine and its nutrition. They are
/// edited as the method is, and kept when the recipe is saved.
class RecipeDetails : public QScrollArea {
    Q_OBJECT
public:
    RecipeDetails(db::TableDataset &meals, Shell &shell, QWidget *parent = nullptr);

    /// Offers nothing that writes.
    void setReadOnly(bool readOnly);
    /// The web address the recipe came from; empty when its source is none, or not a web page.
    QString webAddress() const;
    LinkLabel *openLink() const { return m_open; }

private:
    void showLink();

    db::TableDataset &m_meals;
    Shell &m_shell;
    std::array<DBLineEdit *, 7> m_boxes{};
    std::array<DBMemo *, 2> m_memos{};
    LinkLabel *m_open = nullptr;
    QFormLayout *m_form = nullptr;
};
