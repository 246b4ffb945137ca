#include "DBLineEdit.h"

#include "TextLimit.h"
#include "toolkit/db/DbError.h"
#include "toolkit/db/TableDataset.h"

#include <QRegularExpressionValidator>

DBLineEdit::DBLineEdit(db::TableDataset &dataset, QString field, Kind kind, int characters, QWidget *parent)
    : QLineEdit(parent)
    , m_dataset(dataset)
    , m_field(std::move(field))
    , m_kind(kind) {
    if (m_kind == Kind::WholeNumber)
        setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,5}")), this));
    else
        limitCharacters(this, characters);
    for (auto signal : {&db::Dataset::afterOpen, &db::Dataset::afterClose, &db::Dataset::rowsChanged,
                        &db::Dataset::afterPost, &db::Dataset::stateChanged})
        connect(&m_dataset, signal, this, &DBLineEdit::showField);
    connect(&m_dataset, &db::Dataset::currentRowChanged, this, &DBLineEdit::showField);
    connect(this, &QLineEdit::textEdited, this, &DBLineEdit::writeField);
    showField();
}

void DBLineEdit::lock(bool locked) {
    m_locked = locked;
    showField();
}

void DBLineEdit::showField() {
    if (m_writing)
        return;
    const bool present = m_dataset.isOpen() && m_dataset.hasCurrentRow();
    QString text = present ? m_dataset.field(m_field).asString() : QString();
    if (m_kind == Kind::WholeNumber && present && m_dataset.field(m_field).isNull())
        text.clear();
    setReadOnly(!present || m_locked);
    if (text == this->text())
        return;
    m_showing = true;
    setText(text);
    setCursorPosition(0);
    m_showing = false;
}

void DBLineEdit::writeField() {
    if (m_showing || !m_dataset.isOpen() || !m_dataset.hasCurrentRow())
        return;
    m_writing = true;
    try {
        m_dataset.edit();
        const QString typed = text().trimmed();
        if (m_kind == Kind::WholeNumber)
            m_dataset.setValue(m_field, typed.isEmpty() ? QVariant() : QVariant(typed.toInt()));
        else
            m_dataset.setValue(m_field, typed.isEmpty() ? QVariant() : QVariant(text()));
    } catch (const db::DbError &) {
        // The row cannot take the text now; what the table holds shows again.
        m_writing = false;
        showField();
        return;
    }
    m_writing = false;
}
