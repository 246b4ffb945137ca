#pragma once

#include "Backups.h"
#include "toolkit/widgets/VaneDialog.h"

class QPushButton;
class QTreeWidget;

/// File > Restore from Backup...: the copies of the book, newest first, each with when it was made, its
/// size and how many recipes and planned weeks it holds; a damaged copy is shown as such and cannot be
/// chosen.
class RestoreDialog : public VaneDialog {
    Q_OBJECT
public:
    RestoreDialog(const QList<backups::Copy> &copies, QWidget *owner);

    /// The copy chosen, or an empty path when none is.
    backups::Copy chosen() const;
    /// What the chosen copy holds.
    backups::Contents chosenContents() const;
    /// Chooses the copy in row `row`, as a click would.
    void choose(int row);
    QTreeWidget *list() const { return m_list; }

private:
    QList<backups::Copy> m_copies;
    QList<backups::Contents> m_contents;
    QTreeWidget *m_list;
    QPushButton *m_restore = nullptr;
};
