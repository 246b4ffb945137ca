// Files offered to "Import Recipes from Files": any bytes, as a web page or a MealMaster file, read without
// a crash, a leak or a read outside the data; every ingredient line gives a name or nothing.
#include "recipes/RecipeFiles.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)recipefiles::kindOf(bytes);
    for (const QList<recipefiles::Recipe> &recipes :
         {recipefiles::readWebPage(bytes, QString()), recipefiles::readMealMaster(bytes)}) {
        for (const recipefiles::Recipe &recipe : recipes) {
            bool cut = false;
            (void)recipefiles::bookName(recipe.title, 50, &cut);
            (void)recipefiles::methodText(recipe, cut);
            (void)recipefiles::mealTimes(recipe);
            for (const QString &line : recipe.ingredientLines)
                (void)recipefiles::nameKey(recipefiles::ingredientName(line));
        }
    }
    return 0;
}
