#pragma once

#include <QString>
#include <QStringList>

class QWidget;
class TMainForm;

// What the running instance does with its own command line and with the requests of later
// starts.
namespace Startup {

// Opens every command-line file on its own page, in order, after the untitled page: a file
// that does not exist is created empty; full paths enter the recent list. A file that can
// neither be created nor read is reported and the next one follows.
void OpenCommandLineFiles(TMainForm &form, const QStringList &arguments);

// A later start handed over its first argument, typed in the folder it was started in.
void OpenHandedFile(TMainForm &form, const QString &argument, const QString &folder);

// Offers the recovery copies left by an instance that ended without saving (reported as
// "recovery\t<count restored>" when any were restored). For the whole-program tests, QUORTOSK_TEST_RECOVERY
// ("Obnovit" or "Zahodit") answers the question without showing it.
void OfferRecovery(TMainForm &form);

// A later start asked for the window: restored when minimised, otherwise brought forward.
void BringForward(QWidget &window);

// For the whole-program tests: when QUORTOSK_TEST_REPORT names a file, one line
// "<event>\t<detail>" is appended to it, followed by "pages\t<hint>\t<hint>...\tactive=<n>".
// Without the variable nothing is written.
void Report(const TMainForm &form, const QString &event, const QString &detail = QString());

} // namespace Startup
