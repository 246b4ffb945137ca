#pragma once

#include "toolkit/widgets/VaneDialog.h"

#include <QList>

class QCheckBox;

/// A small dialog of ticks (meal times or days) that picking and clearing work on. "OK" keeps the ticks,
/// "Close" unticks them all; the window's close box keeps them too.
class SelectorDialog : public VaneDialog {
    Q_OBJECT
public:
    SelectorDialog(const QString &name, const QString &caption, const QStringList &captions, int columns,
                   bool columnMajor, QWidget *owner);

    /// Indexes (in table order) of the ticked boxes.
    QList<int> ticked() const;
    void untickAll();
    QCheckBox *checkBox(int index) const { return m_boxes.at(index); }

    void RbButton12Click();
    void RbButton1Click();
    /// Leaves without OK: every box is unticked first.
    void reject() override;

private:
    QList<QCheckBox *> m_boxes;
};
