// Handing a recipe to the user's mail program.
#include "RecipeMessage.h"
#include "app/TForm1.h"
#include "data/TDataModule1.h"
#include "recipes/RecipeLines.h"
#include "toolkit/db/Connection.h"
#include "toolkit/ui/Dialogs.h"
#include "toolkit/ui/Mailer.h"

void TForm1::PrintMealToEmail(const QString &name) {
    if (name.isEmpty())
        return;
    db::QueryDataset query(QStringLiteral("EmailQuery"), m_data->ADOConnectionMain);
    query.setSql(mail::recipeQuery(name));
    query.open();
    QString id;
    QString storedName;
    QString method;
    std::array<bool, 5> flags{};
    static const char *const FlagFields[] = {"Meal_Morning", "Meal_Snack", "Meal_Noon", "Meal_Night",
                                             "Meal_Dessert"};
    // When several recipes bear the name, the last one is sent.
    for (query.first(); !query.eof(); query.next()) {
        id = query.field(QStringLiteral("Meal_ID")).asString();
        storedName = query.field(QStringLiteral("Meal_Name")).asString();
        method = query.field(QStringLiteral("Meal_Recipe")).asString();
        for (size_t t = 0; t < flags.size(); ++t)
            flags[t] = query.field(QLatin1String(FlagFields[t])).asString() == QLatin1String("True");
    }
    query.close();
    // A recipe renamed or deleted meanwhile has nothing to send.
    if (id.isEmpty())
        return;
    // A recipe with ingredient lines sends them with their amounts; one without, its catalogue ingredients.
    QStringList ingredients = recipelines::writtenLines(m_data->ADOConnectionMain, id.toLongLong());
    if (ingredients.isEmpty()) {
        query.setSql(mail::ingredientsQuery(id));
        query.open();
        for (query.first(); !query.eof(); query.next())
            ingredients << query.field(QStringLiteral("Ingredients_Description")).asString();
        query.close();
    }
    MailMessage message;
    message.subject = mail::subject(storedName);
    message.body = mail::body(storedName, method, flags, ingredients);
    // Where the recipe came from, for the reader to look it up.
    db::Statement source(m_data->ADOConnectionMain,
                         QStringLiteral("SELECT Meal_Source FROM Meal WHERE Meal_ID=?"));
    source.bind(1, id.toLongLong());
    if (source.step() && !source.value(0).toString().isEmpty())
        message.body += QStringLiteral("\r\nSource: ") + source.value(0).toString() + QStringLiteral("\r\n");
    SendMailMAPI(message);
}

int TForm1::SendMailMAPI(const MailMessage &message) {
    Mailer &mailer = m_services.mailer != nullptr ? *m_services.mailer : m_desktopMailer;
    const int result = mailer.send(message);
    if (result == Mailer::TooLong)
        m_services.dialogs.showError(
            tr("This recipe is too long to hand to the mail program in one piece (the hand-over "
               "carries at most 128 KB), so nothing was sent. Print the recipe instead, or save it "
               "as PDF from the print preview and attach that to a message."));
    else if (result != 0)
        m_services.dialogs.showError(tr("Error sending mail (%1).").arg(result));
    return result;
}
