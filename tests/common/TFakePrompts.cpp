#include "TFakePrompts.h"

TPrompts::Answer TFakePrompts::Confirm(QWidget *, const QString &text)
{
    confirmTexts << text;
    return confirmAnswers.isEmpty() ? Cancel : confirmAnswers.dequeue();
}

bool TFakePrompts::ConfirmOverwrite(QWidget *, const QString &text)
{
    overwriteTexts << text;
    return !overwriteAnswers.isEmpty() && overwriteAnswers.dequeue();
}

void TFakePrompts::ShowError(QWidget *, const QString &text)
{
    errors << text;
}

void TFakePrompts::ShowErrorNotice(QWidget *, const QString &text)
{
    messages << QStringLiteral("Error|") + text;
}

void TFakePrompts::ShowMessage(QWidget *, const QString &title, const QString &text)
{
    messages << title + QLatin1Char('|') + text;
}

QStringList TFakePrompts::OpenFileNames(QWidget *, const QString &, const QString &,
                                        const QString &)
{
    return openAnswers.isEmpty() ? QStringList() : openAnswers.dequeue();
}

QString TFakePrompts::SaveFileName(QWidget *, const QString &, const QString &proposal,
                                   const QString &)
{
    saveProposals << proposal;
    return saveAnswers.isEmpty() ? QString() : saveAnswers.dequeue();
}

bool TFakePrompts::InputQuery(QWidget *, const QString &title, const QString &prompt,
                              QString &value)
{
    inputPrompts << title + QLatin1Char('|') + prompt + QLatin1Char('|') + value;
    if (inputAnswers.isEmpty())
        return false;
    const QString answer = inputAnswers.dequeue();
    if (answer.isNull())
        return false;
    value = answer;
    return true;
}
