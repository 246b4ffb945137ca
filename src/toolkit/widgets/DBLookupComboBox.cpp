#include "DBLookupComboBox.h"

#include "toolkit/db/Dataset.h"
#include "toolkit/db/DatasetModel.h"

#include <QAbstractItemView>

DBLookupComboBox::DBLookupComboBox(db::Dataset &dataset, const QString &listField, QWidget *parent)
    : QComboBox(parent)
    , m_model(new db::DatasetModel(dataset, {listField}, {}, this))
{
    setModel(m_model);
    setCurrentIndex(-1);
    setMaxVisibleItems(15);
    setSizeAdjustPolicy(AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::choose);
    // A re-read list keeps showing the chosen entry while it is there.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        setCurrentIndex(m_chosenText.isEmpty() ? -1 : findText(m_chosenText, Qt::MatchFixedString));
    });
}

db::Dataset &DBLookupComboBox::dataset() const { return m_model->dataset(); }

void DBLookupComboBox::choose(int row)
{
    if (row < 0 || row >= count())
        return;
    setCurrentIndex(row);
    m_chosenText = currentText();
    m_model->setCurrentRow(row);
}

void DBLookupComboBox::hidePopup()
{
    const bool wasVisible = view() != nullptr && view()->isVisible();
    QComboBox::hidePopup();
    // A click on an entry closes the list before the entry is chosen; the close is told once it is.
    if (wasVisible)
        QMetaObject::invokeMethod(this, &DBLookupComboBox::closeUp, Qt::QueuedConnection);
}
