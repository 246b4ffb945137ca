#include "TReportIngredientsList.h"

#include "ReportBands.h"
#include "ReportStyle.h"

TReportIngredientsList::TReportIngredientsList(const QString &dataFile)
    : ReportLayout(QStringLiteral("ReportIngredientsList"), true, dataFile)
    , Groups(QStringLiteral("Groups"), ADOConnection1)
    , ADOQuery1(QStringLiteral("ADOQuery1"), ADOConnection1) {
    Groups.setSql(QStringLiteral("SELECT IGROUP_ID, IGROUP_NAME FROM IGroup"));
    ADOQuery1.addLookupField(QStringLiteral("Group"),
                             db::LookupDef{QStringLiteral("Ingredients_Group"), &Groups,
                                           QStringLiteral("IGROUP_ID"), QStringLiteral("IGROUP_NAME")});
}

void TReportIngredientsList::open() {
    if (!ADOConnection1.isOpen())
        ADOConnection1.open();
    ADOQuery1.close();
    Groups.close();
    Groups.open();
    ADOQuery1.setSql(QStringLiteral("select * from Ingredients order by Ingredients_Description"));
    ADOQuery1.open();
}

report::BandReport TReportIngredientsList::QuickRep1() const {
    using namespace reportstyle;
    report::BandReport r;
    r.title = QStringLiteral("Ingredients List Report");
    r.fileName = QStringLiteral("Ingredients List");
    r.columns = 2;
    r.pageHeader =
        reportbands::pageHeader(QStringLiteral("VaneMix"), QStringLiteral("Ingredients List"), 137.1);
    r.pageFooter = reportbands::pageFooter(QRLabelPrintTime, QRLabel7, 1.9);
    r.columnHeader =
        report::Band{7.9,
                     [](report::Canvas &c, const report::PageInfo &) {
                         c.text(5.3, 1.0, 80, QStringLiteral("Ingredients Description"), plain(9, true));
                         c.fillRect(0, 5.6, c.band().width(), 1.1, QColor(150, 150, 150));
                     },
                     false};
    const int description = ADOQuery1.fieldIndex(QStringLiteral("Ingredients_Description"));
    const int group = ADOQuery1.fieldIndex(QStringLiteral("Group"));
    for (int row = 0; row < ADOQuery1.recordCount(); ++row) {
        const QString name = ADOQuery1.value(row, description).toString();
        const QString groupName = ADOQuery1.value(row, group).toString();
        r.details.push_back(report::Band{4.8,
                                         [name, groupName](report::Canvas &c, const report::PageInfo &) {
                                             const QFont font = plain(10);
                                             c.text(5.3, 0.2, 52.1, name, font);
                                             c.text(59.3, 0.2, 32.0, groupName, font);
                                         },
                                         false});
    }
    return r;
}
