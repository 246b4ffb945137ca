#include "DBMemo.h"

#include "toolkit/db/DbError.h"
#include "toolkit/db/TableDataset.h"

DBMemo::DBMemo(db::TableDataset &dataset, QString field, QWidget *parent)
    : QPlainTextEdit(parent)
    , m_dataset(dataset)
    , m_field(std::move(field)) {
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setTabChangesFocus(true);
    for (auto signal : {&db::Dataset::afterOpen, &db::Dataset::afterClose, &db::Dataset::rowsChanged,
                        &db::Dataset::afterPost, &db::Dataset::stateChanged})
        connect(&m_dataset, signal, this, &DBMemo::showField);
    connect(&m_dataset, &db::Dataset::currentRowChanged, this, &DBMemo::showField);
    connect(this, &QPlainTextEdit::textChanged, this, &DBMemo::writeField);
    showField();
}

void DBMemo::showField() {
    if (m_writing)
        return;
    const bool present = m_dataset.isOpen() && m_dataset.hasCurrentRow();
    const QString text = present ? m_dataset.field(m_field).asString() : QString();
    setReadOnly(!present);
    if (text == toPlainText())
        return;
    m_showing = true;
    setPlainText(text);
    m_showing = false;
}

void DBMemo::writeField() {
    if (m_showing || !m_dataset.isOpen() || !m_dataset.hasCurrentRow())
        return;
    m_writing = true;
    try {
        m_dataset.edit();
        m_dataset.setValue(m_field, toPlainText());
    } catch (const db::DbError &) {
        // The row cannot take the text now; what the table holds shows again.
        m_writing = false;
        showField();
        return;
    }
    m_writing = false;
}
