#include "Operation.h"

#include "Dialogs.h"
#include "toolkit/db/DbError.h"

bool runOperation(Dialogs &dialogs, const std::function<void()> &operation) {
    try {
        operation();
        return true;
    } catch (const db::DbError &error) {
        dialogs.showError(error.message());
        return false;
    }
}
