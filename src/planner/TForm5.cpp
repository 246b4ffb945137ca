#include "TForm5.h"

TForm5::TForm5(QWidget *owner)
    : SelectorDialog(QStringLiteral("Form5"), QStringLiteral("Vane Time Selector"),
                     {QStringLiteral("Morning"), QStringLiteral("Morning Snack"), QStringLiteral("Noon"),
                      QStringLiteral("Afternoon Snack"), QStringLiteral("Night"), QStringLiteral("Dessert")},
                     3, true, owner) {}
