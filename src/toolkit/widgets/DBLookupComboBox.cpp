#include "DBLookupComboBox.h"

#include "toolkit/db/DatasetModel.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/TableDataset.h"

#include <QAbstractItemView>

DBLookupComboBox::DBLookupComboBox(db::Dataset &dataset, const QString &listField, QWidget *parent)
    : QComboBox(parent)
    , m_model(new db::DatasetModel(dataset, {listField}, {}, this)) {
    setModel(m_model);
    setCurrentIndex(-1);
    setMaxVisibleItems(15);
    setSizeAdjustPolicy(AdjustToMinimumContentsLengthWithIcon);
    setMinimumContentsLength(12);
    connect(this, &QComboBox::activated, this, &DBLookupComboBox::choose);
    // A re-read list keeps showing the chosen entry while it is there.
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] {
        if (m_data != nullptr)
            showDataField(false);
        else
            setCurrentIndex(m_chosenText.isEmpty() ? -1 : findText(m_chosenText, Qt::MatchFixedString));
    });
}

db::Dataset &DBLookupComboBox::dataset() const {
    return m_model->dataset();
}

void DBLookupComboBox::bindField(db::TableDataset &target, const QString &dataField) {
    m_data = &target;
    m_dataField = dataField;
    for (auto signal : {&db::Dataset::afterOpen, &db::Dataset::afterClose, &db::Dataset::rowsChanged,
                        &db::Dataset::afterPost, &db::Dataset::stateChanged})
        connect(m_data, signal, this, [this] { showDataField(true); });
    connect(m_data, &db::Dataset::currentRowChanged, this, [this] { showDataField(true); });
    showDataField(true);
}

int DBLookupComboBox::rowOfKey(const QVariant &key) const {
    if (key.isNull() || m_keyField.isEmpty())
        return -1;
    const db::Dataset &list = dataset();
    const int column = list.fieldIndex(m_keyField);
    if (column < 0)
        return -1;
    for (int row = 0; row < list.recordCount(); ++row) {
        if (list.value(row, column).toString() == key.toString())
            return row;
    }
    return -1;
}

void DBLookupComboBox::showDataField(bool moveList) {
    const bool present = m_data->isOpen() && m_data->hasCurrentRow();
    const int row = present ? rowOfKey(m_data->field(m_dataField).value()) : -1;
    setCurrentIndex(row);
    // Like every list over a shared dataset, the box moves it to the entry it shows, when the shown row
    // changes; a list being re-read or edited elsewhere is left where it is.
    if (moveList && row >= 0 && dataset().state() == db::Dataset::State::Browse)
        m_model->setCurrentRow(row);
}

void DBLookupComboBox::choose(int row) {
    if (row < 0 || row >= count())
        return;
    if (m_data != nullptr) {
        if (!m_data->isOpen() || !m_data->hasCurrentRow()) {
            setCurrentIndex(-1);
            return;
        }
        m_data->edit();
        m_data->setValue(m_dataField, dataset().value(row, m_keyField));
        return;
    }
    setCurrentIndex(row);
    m_chosenText = currentText();
    m_model->setCurrentRow(row);
}

void DBLookupComboBox::setKeyValue(const QVariant &key) {
    const int row = rowOfKey(key);
    if (row < 0) {
        setCurrentIndex(-1);
        m_chosenText.clear();
        return;
    }
    choose(row);
}

QVariant DBLookupComboBox::keyValue() const {
    const int row = currentIndex();
    if (row < 0 || m_keyField.isEmpty() || row >= dataset().recordCount())
        return {};
    return dataset().value(row, m_keyField);
}

void DBLookupComboBox::hidePopup() {
    const bool wasVisible = view() != nullptr && view()->isVisible();
    QComboBox::hidePopup();
    // A click on an entry closes the list before the entry is chosen; the close is told once it is.
    if (wasVisible)
        QMetaObject::invokeMethod(this, &DBLookupComboBox::closeUp, Qt::QueuedConnection);
}
