#pragma once

// Prompts for the benchmark programs: nobody answers, messages go to the terminal.
#include "common/TPrompts.h"

#include <cstdio>

namespace Bench {

class SilentPrompts : public TPrompts
{
public:
    Answer Confirm(QWidget *, const QString &) override { return Cancel; }
    bool ConfirmOverwrite(QWidget *, const QString &) override { return false; }
    void ShowError(QWidget *, const QString &t) override { std::printf("error: %s\n", qPrintable(t)); }
    void ShowErrorNotice(QWidget *, const QString &t) override { std::printf("error: %s\n", qPrintable(t)); }
    void ShowMessage(QWidget *, const QString &, const QString &t) override { std::printf("%s\n", qPrintable(t)); }
    QStringList OpenFileNames(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    QString SaveFileName(QWidget *, const QString &, const QString &, const QString &) override { return {}; }
    bool InputQuery(QWidget *, const QString &, const QString &, QString &) override { return false; }
};

} // namespace Bench
