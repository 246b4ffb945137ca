// Edit > Language...: which language Mealvane speaks, the desktop's or one chosen, from the next start.
#include "Language.h"
#include "TForm1.h"
#include "toolkit/widgets/VaneDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

void TForm1::chooseLanguage() {
    VaneDialog dialog(QStringLiteral("LanguageDialog"), tr("Language"), tr("The language Mealvane speaks"),
                      this);
    auto *choice = new QComboBox(&dialog);
    choice->setObjectName(QStringLiteral("LanguageChoice"));
    const QList<language::Choice> choices = language::choices();
    const QString now = language::chosen();
    for (const language::Choice &c : choices) {
        // Each language is named in itself, so that whoever reads it finds their own.
        const QString name = QLatin1String(c.code).isEmpty()
                                 ? tr("System (%1)").arg(QLocale::system().nativeLanguageName())
                                 : QString::fromUtf8(c.name);
        choice->addItem(name, QString::fromLatin1(c.code));
        if (now == QLatin1String(c.code))
            choice->setCurrentIndex(choice->count() - 1);
    }
    auto *form = new QFormLayout;
    form->addRow(tr("&Language:"), choice);
    dialog.body()->addLayout(form);
    auto *note = new QLabel(
        tr("The manual stays in English. Mealvane speaks the language chosen from its next start."), &dialog);
    note->setWordWrap(true);
    dialog.body()->addWidget(note);
    dialog.addButtons();
    showModal(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    const QString code = choice->currentData().toString();
    language::choose(code);
    tellDone(tr("From its next start Mealvane speaks %1").arg(choice->currentText()));
}
