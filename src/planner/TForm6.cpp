#include "TForm6.h"

#include <QCoreApplication>

TForm6::TForm6(QWidget *owner)
    : SelectorDialog(QStringLiteral("Form6"), QCoreApplication::translate("Selectors", "Vane Day Selector"),
                     {QStringLiteral("Saturday"), QStringLiteral("Sunday"), QStringLiteral("Monday"),
                      QStringLiteral("Tuesday"), QStringLiteral("Wednesday"), QStringLiteral("Thursday"),
                      QStringLiteral("Friday")},
                     4, false, owner) {}
