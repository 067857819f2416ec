#pragma once

#include "common/TPrompts.h"

#include <QQueue>

// Answers the program's questions from queues filled by a test and records what was
// asked. An empty queue answers Cancel / nothing.
class TFakePrompts : public TPrompts
{
public:
    QQueue<Answer> confirmAnswers;
    QQueue<bool> overwriteAnswers; // empty: "Storno"
    QQueue<QStringList> openAnswers;
    QQueue<QString> saveAnswers;
    QQueue<QString> inputAnswers; // a null QString means Cancel

    QStringList confirmTexts;
    QStringList overwriteTexts;
    QStringList errors;
    QStringList messages;     // "title|text", error notices as "Error|text"
    QStringList saveProposals;
    QStringList inputPrompts; // "title|prompt|preset"

    Answer Confirm(QWidget *, const QString &text) override;
    bool ConfirmOverwrite(QWidget *, const QString &text) override;
    void ShowError(QWidget *, const QString &text) override;
    void ShowErrorNotice(QWidget *, const QString &text) override; // recorded as "Error|text"
    void ShowMessage(QWidget *, const QString &title, const QString &text) override;
    QStringList OpenFileNames(QWidget *, const QString &title, const QString &dir,
                              const QString &filter) override;
    QString SaveFileName(QWidget *, const QString &title, const QString &proposal,
                         const QString &filter) override;
    bool InputQuery(QWidget *, const QString &title, const QString &prompt,
                    QString &value) override;
};
