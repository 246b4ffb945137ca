#include "TForm6.h"

TForm6::TForm6(QWidget *owner)
    : SelectorDialog(QStringLiteral("Form6"), QStringLiteral("Vane Day Selector"),
                     {QStringLiteral("Saturday"), QStringLiteral("Sunday"), QStringLiteral("Monday"),
                      QStringLiteral("Tuesday"), QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                      QStringLiteral("Friday")},
                     4, false, owner) {}
