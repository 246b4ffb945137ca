#include "TReportRecipe.h"

#include "ReportBands.h"
#include "ReportStyle.h"
#include "recipes/PictureData.h"
#include "toolkit/db/SqlText.h"

#include <QPainter>

namespace {

/// The picture box of a recipe (40.5 by 29.9 mm) at 300 dots to the inch.
const QSize PrintedPicture(479, 354);

/// Minutes as a cook reads them: "45 min", "1 h", "1 h 25 min".
QString timeText(int minutes) {
    if (minutes < 60)
        return QStringLiteral("%1 min").arg(minutes);
    return minutes % 60 == 0 ? QStringLiteral("%1 h").arg(minutes / 60)
                             : QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

/// What the recipe's details say that a cook wants on paper: how much it makes, how long it takes, where
/// it came from; each a caption and its text, none where the recipe has no such detail.
QList<std::pair<QString, QString>> printedDetails(const db::QueryDataset &master, int row) {
    QList<std::pair<QString, QString>> details;
    const QString yield = master.value(row, QStringLiteral("Meal_Yield")).toString().simplified();
    if (!yield.isEmpty())
        details.push_back({QStringLiteral("Yield"), yield});
    QStringList times;
    for (const auto &[field, words] :
         {std::pair{"Meal_Prep_Time", "Preparation"}, std::pair{"Meal_Cook_Time", "Cooking"},
          std::pair{"Meal_Total_Time", "Total"}}) {
        const int minutes = master.value(row, QLatin1String(field)).toInt();
        if (minutes > 0)
            times << QStringLiteral("%1 %2").arg(QLatin1String(words), timeText(minutes));
    }
    if (!times.isEmpty())
        details.push_back({QStringLiteral("Time"), times.join(QStringLiteral(", "))});
    const QString source = master.value(row, QStringLiteral("Meal_Source")).toString().simplified();
    if (!source.isEmpty())
        details.push_back({QStringLiteral("Source"), source});
    return details;
}

} // namespace

TReportRecipe::TReportRecipe(const QString &dataFile)
    : ReportLayout(QStringLiteral("ReportRecipe"), true, dataFile)
    , MealTypes(QStringLiteral("MealTypes"), ADOConnection1)
    , Master(QStringLiteral("Master"), ADOConnection1)
    , Detail(QStringLiteral("Detail"), ADOConnection1)
    , Lines(QStringLiteral("Lines"), ADOConnection1) {
    MealTypes.setSql(QStringLiteral("SELECT ID, Type FROM Meal_Type"));
    Master.addLookupField(
        QStringLiteral("Type"),
        db::LookupDef{QStringLiteral("Meal_Type"), &MealTypes, QStringLiteral("ID"), QStringLiteral("Type")});
    // The pictures stay in the file until their page is painted; sorting carries only the texts.
    Master.holdOnly({QStringLiteral("Meal_ID"), QStringLiteral("Meal_Name"), QStringLiteral("Meal_Type"),
                     QStringLiteral("Meal_Recipe"), QStringLiteral("Meal_Source"),
                     QStringLiteral("Meal_Yield"), QStringLiteral("Meal_Prep_Time"),
                     QStringLiteral("Meal_Cook_Time"), QStringLiteral("Meal_Total_Time")});
    Detail.setSql(QStringLiteral("SELECT Meal_ID, Ingredients_Description FROM QMealIng ORDER BY Meal_ID, "
                                 "Ingredients_Description"));
}

void TReportRecipe::open(const QString *name) {
    m_name = name != nullptr ? *name : QString();
    if (!ADOConnection1.isOpen())
        ADOConnection1.open();
    Master.close();
    Detail.close();
    MealTypes.close();
    MealTypes.open();
    Master.setSql(QStringLiteral("SELECT * FROM Meal") +
                  (name != nullptr ? QStringLiteral(" WHERE Meal_Name=") + sql::literal(*name) : QString()) +
                  QStringLiteral(" ORDER BY Meal_Name ASC"));
    Master.open();
    Detail.open();
    Lines.close();
    Lines.setSql(QStringLiteral("SELECT Meal_ID, Line_Text, Line_Heading FROM Recipe_Lines") +
                 (name != nullptr
                      ? QStringLiteral(" WHERE Meal_ID IN (SELECT Meal_ID FROM Meal WHERE Meal_Name=") +
                            sql::literal(*name) + u')'
                      : QString()) +
                 QStringLiteral(" ORDER BY Meal_ID, Line_Position, Line_ID"));
    Lines.open();
}

report::BandReport TReportRecipe::QuickRep1() const {
    using namespace reportstyle;
    report::BandReport r;
    r.title = QStringLiteral("Recipe Book");
    r.fileName = m_name.isEmpty() ? r.title : QStringLiteral("Recipe %1").arg(m_name);
    r.pageHeader =
        reportbands::pageHeader(QStringLiteral("VaneRecipe"), QStringLiteral("Recipe Book"), 141.3);
    r.pageFooter = reportbands::pageFooter(QRLabelPrintTime, QRLabel7, 1.9);

    // The ingredients of every recipe, in order, found by the recipe's key.
    QHash<QString, QStringList> ingredients;
    const int detailMeal = Detail.fieldIndex(QStringLiteral("Meal_ID"));
    const int detailName = Detail.fieldIndex(QStringLiteral("Ingredients_Description"));
    for (int row = 0; row < Detail.recordCount(); ++row)
        ingredients[Detail.value(row, detailMeal).toString()] << Detail.value(row, detailName).toString();
    // A recipe's lines, a heading marked by a leading tab, stand in place of its catalogue ingredients.
    QHash<QString, QStringList> written;
    for (int row = 0; row < Lines.recordCount(); ++row)
        written[Lines.value(row, 0).toString()]
            << (Lines.value(row, 2).toInt() != 0 ? QStringLiteral("\t") : QString()) +
                   Lines.value(row, 1).toString();
    for (auto it = written.cbegin(); it != written.cend(); ++it)
        ingredients[it.key()] = it.value();

    const QFont text = plain(10);
    const QFont bold = plain(10, true);
    // A recipe starts a page: its first band has the page below the header and above the footer.
    const double firstPageRoom =
        r.pageLayout.paintRect(QPageLayout::Millimeter).height() - r.pageHeader.height - r.pageFooter.height;
    for (int row = 0; row < Master.recordCount(); ++row) {
        const QString id = Master.value(row, QStringLiteral("Meal_ID")).toString();
        const QString name = Master.value(row, QStringLiteral("Meal_Name")).toString();
        const QString type = Master.value(row, QStringLiteral("Type")).toString();
        const QString method = Master.value(row, QStringLiteral("Meal_Recipe")).toString();
        // Only the picture's header is read here; each picture is decoded when its page is painted, one at a
        // time, at no more than 300 dots to the inch of the box it is printed in.
        const int pictureColumn = Master.fieldIndex(QStringLiteral("Meal_Picture"));
        const QByteArray stored = Master.value(row, pictureColumn).toByteArray();
        const bool hasPicture = picture::formatOf(stored) != picture::Format::None;
        const bool readable = hasPicture && picture::readable(stored);
        if (hasPicture && !readable && onPictureFailed)
            onPictureFailed();
        // The method grows the band beyond its least height, as far as the page goes; the lines that do not
        // fit follow in bands of their own, which the layout carries on to the next pages.
        const QStringList methodLines = report::wrappedLines(109.5, method, text);
        const double lineStep = report::lineHeight(text);
        // A long name or type goes on over more lines, and what stands below moves down with it.
        const QStringList nameLines = report::wrappedLines(83.6, name, text);
        const QStringList typeLines = report::wrappedLines(42, type, text);
        const double grown =
            double(std::max<qsizetype>({1, nameLines.size(), typeLines.size()}) - 1) * lineStep;
        const int fitting = int((firstPageRoom - 8.2 - 1.0 - grown) / lineStep);
        const QStringList first = methodLines.mid(0, fitting);
        const double methodHeight = std::max(30.2, double(first.size()) * lineStep);
        report::Band recipe;
        recipe.height = 38.1 + (methodHeight - 30.2) + grown;
        recipe.startsNewPage = true;
        recipe.paint = [=, this](report::Canvas &c, const report::PageInfo &) {
            c.rule(0, 1, Qt::black);
            c.text(4.2, 1.3, 28, QStringLiteral("Meal"), bold);
            for (qsizetype l = 0; l < nameLines.size(); ++l)
                c.line(33.1, 1.3 + double(l) * lineStep, nameLines.at(l), text);
            c.text(120.7, 1.3, 20, QStringLiteral("Category"), bold);
            for (qsizetype l = 0; l < typeLines.size(); ++l)
                c.line(141.8, 1.3 + double(l) * lineStep, typeLines.at(l), text);
            c.rule(6.6 + grown, 1, Qt::black);
            c.text(4.2, 8.2 + grown, 28, QStringLiteral("Recipe"), bold);
            for (qsizetype l = 0; l < first.size(); ++l)
                c.line(33.1, 8.2 + grown + double(l) * lineStep, first.at(l), text);
            if (readable) {
                // Read again from the data file here, so that no page holds another page's picture.
                const QImage image =
                    picture::decode(Master.value(row, pictureColumn).toByteArray(), PrintedPicture);
                if (!image.isNull())
                    c.image(143.4, 8.2 + grown, 40.5, 29.9, image);
            }
        };
        r.details.push_back(std::move(recipe));
        // What goes on at the top of a later page is headed by the recipe's name.
        const QStringList carriedName =
            report::wrappedLines(150, name + QStringLiteral(" (continued)"), text);
        const double carriedHeight = 8.2 + double(carriedName.size() - 1) * lineStep;
        const auto carried = std::make_shared<const report::Band>(
            report::Band{carriedHeight,
                         [=](report::Canvas &c, const report::PageInfo &) {
                             c.rule(0, 1, Qt::black);
                             c.text(4.2, 1.3, 28, QStringLiteral("Meal"), bold);
                             for (qsizetype l = 0; l < carriedName.size(); ++l)
                                 c.line(33.1, 1.3 + double(l) * lineStep, carriedName.at(l), text);
                             c.rule(carriedHeight - 1.6, 1, Qt::black);
                         },
                         false});
        const auto push = [&](report::Band band) {
            band.carriedUnder = carried;
            r.details.push_back(std::move(band));
        };
        for (qsizetype l = first.size(); l < methodLines.size(); ++l) {
            const QString rest = methodLines.at(l);
            push(report::Band{
                lineStep,
                [rest, text](report::Canvas &c, const report::PageInfo &) { c.line(33.1, 0, rest, text); },
                false});
        }
        const QStringList lines = ingredients.value(id);
        // Yield, times and source close the recipe, under its ingredients.
        const auto pushDetails = [&] {
            for (const auto &[label, value] : printedDetails(Master, row)) {
                const QString caption = label;
                // A long address breaks where it must, none of it cut.
                const QStringList wrapped = report::wrappedLines(150, value, text);
                const double height = std::max(4.5, double(wrapped.size()) * lineStep + 0.6);
                push(report::Band{
                    height,
                    [caption, wrapped, text, bold, lineStep](report::Canvas &c, const report::PageInfo &) {
                        c.text(4.2, 0.3, 28, caption, bold);
                        for (qsizetype l = 0; l < wrapped.size(); ++l)
                            c.line(33.6, 0.3 + double(l) * lineStep, wrapped.at(l), text);
                    },
                    false});
            }
        };
        if (lines.isEmpty()) {
            pushDetails();
            r.details.push_back(report::Band{4.5, {}, false});
            continue;
        }
        push(report::Band{7.9,
                          [bold](report::Canvas &c, const report::PageInfo &) {
                              c.rule(0, 1, Qt::black);
                              c.text(4.2, 2.0, 40, QStringLiteral("Ingredients"), bold);
                              c.rule(7.9, 1, Qt::black);
                          },
                          false});
        for (const QString &entry : lines) {
            const bool heading = entry.startsWith(u'\t');
            const QString line = heading ? entry.mid(1) : entry;
            const QFont font = heading ? bold : text;
            const double height = std::max(4.5, report::textHeight(150, line, font));
            push(report::Band{height,
                              [line, font, height](report::Canvas &c, const report::PageInfo &) {
                                  c.text(33.6, 0.3, 150, line, font, Qt::AlignLeft, Qt::black, height);
                              },
                              false});
        }
        r.details.push_back(report::Band{
            3.7, [](report::Canvas &c, const report::PageInfo &) { c.rule(1.3, 1, Qt::black); }, false});
        if (!printedDetails(Master, row).isEmpty()) {
            pushDetails();
            r.details.push_back(report::Band{2.0, {}, false});
        }
    }
    return r;
}
