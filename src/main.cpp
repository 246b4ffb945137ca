#include "data/TDataModule1.h"
#include "data/IngredientGroupItems.h"
#include "toolkit/db/DbError.h"

#include <QApplication>
#include <QMessageBox>

namespace {

class NoGroupBox : public IngredientGroupItems {
public:
    void setIngredientGroupItems(const QStringList &) override {}
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationDisplayName(QStringLiteral("Mealvane"));
    NoGroupBox groups;
    try {
        TDataModule1 data(groups);
    } catch (const db::DbError &error) {
        QMessageBox::critical(nullptr, QStringLiteral("Mealvane"), error.message());
        return 1;
    }
    return 0;
}
