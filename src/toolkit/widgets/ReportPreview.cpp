#include "ReportPreview.h"

#include "toolkit/ui/Dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QToolBar>
#include <QToolButton>

BusyCursor::BusyCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

BusyCursor::~BusyCursor() {
    QGuiApplication::restoreOverrideCursor();
}

bool saveReportAsPdf(const report::BandReport &report, const QString &path) {
    const BusyCursor busy;
    QPdfWriter writer(path);
    if (!writer.setPageLayout(report.pageLayout))
        return false;
    writer.setTitle(report.title);
    writer.setCreator(QStringLiteral("Mealvane"));
    writer.setResolution(600);
    report.render(writer);
    return QFileInfo(path).size() > 0;
}

QString suggestedPdfPath(const report::BandReport &report) {
    QString name = report.fileName.isEmpty() ? report.title : report.fileName;
    // Signs that no file system takes in a name, and none that hides a file.
    static const QRegularExpression unsafe(QStringLiteral("[/\\\\:*?\"<>|\\x00-\\x1f]"));
    name = name.replace(unsafe, QStringLiteral(" ")).simplified();
    while (name.startsWith(u'.') || name.startsWith(u' '))
        name.remove(0, 1);
    if (name.isEmpty())
        name = QStringLiteral("Report");
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QFileInfo(folder).isDir())
        folder = QDir::homePath();
    return QDir(folder).filePath(name + QStringLiteral(".pdf"));
}

void previewReport(const report::BandReport &report, QWidget *parent, Dialogs &dialogs) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(report.pageLayout);
    printer.setDocName(report.title);
    QPrintPreviewDialog preview(&printer, parent);
    preview.setWindowTitle(report.title);
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview, [&report](QPrinter *target) {
        // Every page is painted before the preview shows: a book of photographs takes
        // seconds.
        const BusyCursor busy;
        report.render(*target);
    });
    if (auto *tools = preview.findChild<QToolBar *>()) {
        tools->addSeparator();
        QAction *save = tools->addAction(QObject::tr("Save as PDF..."));
        save->setObjectName(QStringLiteral("SaveAsPdf"));
        save->setToolTip(QObject::tr("Save the report as a PDF file"));
        QObject::connect(save, &QAction::triggered, &preview, [&report, &dialogs] {
            QString path =
                dialogs.saveFileName(QObject::tr("Save as PDF"),
                                     {QCoreApplication::translate("ReportPreview", "PDF files (*.pdf)")},
                                     suggestedPdfPath(report));
            if (path.isEmpty())
                return;
            if (QFileInfo(path).suffix().isEmpty())
                path += QStringLiteral(".pdf");
            if (!saveReportAsPdf(report, path))
                dialogs.showError(QObject::tr("Could not write \"%1\".").arg(QDir::toNativeSeparators(path)));
        });
        // The whole road by keyboard: Tab reaches every button of the bar, Ctrl+P prints, Ctrl+S saves as
        // PDF, Escape closes.
        save->setShortcut(QKeySequence::Save);
        for (QAction *action : tools->actions()) {
            if (action != save &&
                action->text().remove(u'&').compare(QCoreApplication::translate("ReportPreview", "Print"),
                                                    Qt::CaseInsensitive) == 0)
                action->setShortcut(QKeySequence::Print);
        }
        // The zoom box and the page field tell assistive technology what they are.
        for (QComboBox *zoom : tools->findChildren<QComboBox *>())
            zoom->setAccessibleName(QObject::tr("Zoom"));
        for (QLineEdit *page : tools->findChildren<QLineEdit *>()) {
            if (page->parentWidget() == nullptr || qobject_cast<QComboBox *>(page->parentWidget()) == nullptr)
                page->setAccessibleName(QObject::tr("Page"));
        }
        for (QToolButton *button : tools->findChildren<QToolButton *>()) {
            button->setFocusPolicy(Qt::TabFocus);
            if (button->defaultAction() != nullptr && button->accessibleName().isEmpty())
                button->setAccessibleName(button->defaultAction()->text().remove(u'&'));
        }
    }
    preview.resize(900, 700);
    preview.exec();
}
