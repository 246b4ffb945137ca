// The shopping page's handlers.
#include "ShoppingList.h"
#include "app/TForm1.h"

void TForm1::RbButton11Click()
{
    if (m_data == nullptr)
        return;
    shopping::regenerateWeekList(*m_data, SelectedWeek, SelectedYear);
    DailyMenuChanged = false;
}
