#include "TForm5.h"

#include <QCoreApplication>

TForm5::TForm5(QWidget *owner)
    : SelectorDialog(QStringLiteral("Form5"), QCoreApplication::translate("Selectors", "Vane Time Selector"),
                     {QStringLiteral("Morning"), QStringLiteral("Morning Snack"), QStringLiteral("Noon"),
                      QStringLiteral("Afternoon Snack"), QStringLiteral("Night"), QStringLiteral("Dessert")},
                     3, true, owner) {}
