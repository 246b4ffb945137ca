#pragma once

#include "toolkit/ui/Dialogs.h"

#include <QStringList>
#include <deque>
#include <functional>

/// Records what the system showed and answers its questions from queues the test fills.
class FakeDialogs : public Dialogs {
public:
    void showError(const QString &text) override { errors << text; }
    void showInformation(const QString &text) override { informations << text; }
    bool confirm(const QString &text) override {
        questions << text;
        if (onQuestion)
            onQuestion();
        return pop(confirmAnswers, false);
    }
    bool propose(const QString &text) override { return confirm(text); }
    /// Answered from `askAnswers`, else from `confirmAnswers` (true Yes, false No), else No.
    Answer ask(const QString &text) override {
        questions << text;
        if (onQuestion)
            onQuestion();
        if (!askAnswers.empty())
            return pop(askAnswers, Answer::No);
        return pop(confirmAnswers, false) ? Answer::Yes : Answer::No;
    }
    /// Answered from `chooseAnswers`, else with the last answer (what Escape gives).
    int choose(const QString &text, const QStringList &answers) override {
        questions << text;
        choices << answers;
        if (onQuestion)
            onQuestion();
        return pop(chooseAnswers, int(answers.size()) - 1);
    }
    QString input(const QString &caption, const QString &prompt, const QString &preset) override {
        inputs << caption + u'|' + prompt;
        return pop(inputAnswers, preset);
    }
    QString openFileName(const QString &caption, const QStringList &) override {
        fileBoxes << caption;
        return pop(fileAnswers, QString());
    }
    QStringList openFileNames(const QString &caption, const QStringList &filters) override {
        fileBoxes << caption;
        fileFilters << filters;
        return manyFileAnswers.empty() ? QStringList() : pop(manyFileAnswers, QStringList());
    }
    QString saveFileName(const QString &caption, const QStringList &,
                         const QString &suggested = {}) override {
        fileBoxes << caption;
        suggestedFiles << suggested;
        return pop(fileAnswers, QString());
    }

    QString folderName(const QString &caption) override {
        fileBoxes << caption;
        return pop(fileAnswers, QString());
    }

    QStringList errors, informations, questions, inputs, fileBoxes, suggestedFiles;
    std::deque<bool> confirmAnswers;
    std::deque<Answer> askAnswers;
    std::deque<int> chooseAnswers;
    /// The answers each choice offered.
    QList<QStringList> choices;
    std::deque<QString> inputAnswers, fileAnswers;
    std::deque<QStringList> manyFileAnswers;
    QList<QStringList> fileFilters;
    /// Runs while a confirmation is being asked, to look at the program at that moment.
    std::function<void()> onQuestion;

private:
    template <typename T> static T pop(std::deque<T> &queue, T fallback) {
        if (queue.empty())
            return fallback;
        T value = queue.front();
        queue.pop_front();
        return value;
    }
};
