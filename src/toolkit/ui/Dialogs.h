#pragma once

#include <QString>
#include <QStringList>

/// The standard boxes the system asks and tells through. Windows use the real ones; tests answer them.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    /// An error box with OK.
    virtual void showError(const QString &text) = 0;
    /// An information box with OK.
    virtual void showInformation(const QString &text) = 0;
    /// A confirmation with Yes and No; true only for Yes.
    virtual bool confirm(const QString &text) = 0;
    /// A proposal with Yes and No, Yes the default (Enter takes it); true only for Yes.
    virtual bool propose(const QString &text) = 0;
    /// What a question that may throw work away was answered.
    enum class Answer { Yes, No, Cancel };
    /// A question with Yes, No and Cancel, Yes the default; Escape and the box's close button answer
    /// Cancel.
    virtual Answer ask(const QString &text) = 0;
    /// A question answered by one of `answers`, the buttons' captions in order: the first is the default
    /// (Enter takes it), the last answers Escape and the box's close button. Returns the answer's index.
    virtual int choose(const QString &text, const QStringList &answers) = 0;
    /// An input box; Cancel gives back `preset`.
    virtual QString input(const QString &caption, const QString &prompt, const QString &preset) = 0;
    /// A file-open box; empty when cancelled. `filters` are "Name (*.ext)" entries, the first selected.
    virtual QString openFileName(const QString &caption, const QStringList &filters) = 0;
    /// Several files at once; empty when the user cancels.
    virtual QStringList openFileNames(const QString &caption, const QStringList &filters) = 0;
    /// A file-save box; empty when cancelled.
    /// `suggested`: the path the box starts with (folder and file name), empty for none.
    virtual QString saveFileName(const QString &caption, const QStringList &filters,
                                 const QString &suggested = {}) = 0;
    /// A box that chooses a folder; empty when cancelled.
    virtual QString folderName(const QString &caption) = 0;
};
