#include "TForm5.h"

TForm5::TForm5(QWidget *owner)
    : VaneDialog(QStringLiteral("Form5"), QStringLiteral("Vane Time Selector"), QStringLiteral("  Vane Time Selector"), owner)
{
}
