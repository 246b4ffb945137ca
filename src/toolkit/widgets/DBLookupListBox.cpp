#include "DBLookupListBox.h"

#include "CurrentRowLink.h"
#include "toolkit/db/Dataset.h"
#include "toolkit/db/DatasetModel.h"

DBLookupListBox::DBLookupListBox(db::Dataset &dataset, const QString &listField, QWidget *parent)
    : QListView(parent)
    , m_model(new db::DatasetModel(dataset, {listField}, {}, this)) {
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setUniformItemSizes(true);
    connect(new CurrentRowLink(*this, *m_model), &CurrentRowLink::clicked, this,
            &DBLookupListBox::itemClicked);
}

db::Dataset &DBLookupListBox::dataset() const {
    return m_model->dataset();
}
