#include "TForm6.h"

TForm6::TForm6(QWidget *owner)
    : VaneDialog(QStringLiteral("Form6"), QStringLiteral("Vane Day Selector"), QStringLiteral("  Vane Day Selector"), owner)
{
}
