#pragma once

#include "toolkit/report/BandReport.h"

class Dialogs;
class QWidget;

/// The busy cursor for as long as the object lives: shown while a report is built, painted or saved.
class BusyCursor {
public:
    BusyCursor();
    ~BusyCursor();
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

/// Shows a report in the print preview, from which the user prints it or saves it as a PDF file; returns
/// when the preview is closed.
void previewReport(const report::BandReport &report, QWidget *parent, Dialogs &dialogs);

/// The file the "Save as PDF" box starts with: in the user's documents folder (the home folder when there is
/// none), named after the report and what it is about.
QString suggestedPdfPath(const report::BandReport &report);

/// Writes the report to a PDF file; false when the file cannot be written.
bool saveReportAsPdf(const report::BandReport &report, const QString &path);
