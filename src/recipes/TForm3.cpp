#include "TForm3.h"

TForm3::TForm3(QWidget *owner)
    : VaneDialog(QStringLiteral("Form3"), QStringLiteral("Add ingredient to Meal"), QStringLiteral("  Add ingredient to Meal"), owner)
{
}
