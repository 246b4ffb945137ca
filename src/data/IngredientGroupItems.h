#pragma once

#include <QStringList>

/// What the data module needs of the main window: the items of the ingredient page's group box.
class IngredientGroupItems {
public:
    virtual ~IngredientGroupItems() = default;
    /// Replaces every item of the box with these group names, in this order.
    virtual void setIngredientGroupItems(const QStringList &names) = 0;
};
