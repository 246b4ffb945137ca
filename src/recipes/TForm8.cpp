#include "TForm8.h"

TForm8::TForm8(QWidget *owner)
    : VaneDialog(QStringLiteral("Form8"), QStringLiteral("Meal Picture viewer"), QStringLiteral("  View picture"), owner)
{
}
