#include "TForm7.h"

TForm7::TForm7(QWidget *owner)
    : VaneDialog(QStringLiteral("Form7"), QStringLiteral("Select Meal"), QStringLiteral("  Select Meal"), owner)
{
}
