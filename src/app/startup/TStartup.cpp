#include "app/startup/TStartup.h"

#include "app/commands/FileCommands.h"
#include "app/files/Recovery.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "app/startup/TInstanceChannel.h"
#include "common/TErrorText.h"
#include "common/TFileErrors.h"
#include "common/TPrompts.h"

#include <cerrno>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Startup {

void OpenCommandLineFiles(TMainForm &form, const QStringList &arguments)
{
    for (const QString &argument : arguments) {
        if (!QFileInfo::exists(argument)) {
            QFile file(argument);
            errno = 0;
            if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
                const QString text = QCoreApplication::translate("TextFile", "Cannot create file %1");
                form.Prompts()->ShowError(
                    &form, ErrorOpeningText(argument, FileErrors::WithReason(text.arg(argument), errno,
                                                                             FileErrors::Access::Write)));
                continue;
            }
        }
        const QString fullPath = QDir::cleanPath(QFileInfo(argument).absoluteFilePath());
        form.AddToRecent(fullPath, 0);
        try {
            form.Files()->OpenFile(fullPath);
        } catch (const TError &e) {
            form.Prompts()->ShowError(&form, ErrorOpeningText(fullPath, e.message()));
        }
    }
    Report(form, QStringLiteral("ready"));
}

void OpenHandedFile(TMainForm &form, const QString &argument, const QString &folder)
{
    const QString name = TInstanceChannel::ResolveArgument(argument, folder);
    try {
        form.Files()->OpenFile(name);
    } catch (const TError &e) {
        form.Prompts()->ShowError(&form, ErrorOpeningText(name, e.message()));
    }
    Report(form, QStringLiteral("open"), name);
}

void OfferRecovery(TMainForm &form)
{
    const QString answer = qEnvironmentVariable("QUORTOSK_TEST_RECOVERY");
    if (!answer.isEmpty())
        form.RecoveryCopies()->SetAsk([answer](QWidget *, int) {
            return answer == QLatin1String("Obnovit") ? Recovery::Choice::Restore : Recovery::Choice::Discard;
        });
    if (const int restored = form.RecoveryCopies()->OfferLeftCopies())
        Report(form, QStringLiteral("recovery"), QString::number(restored));
}

void BringForward(QWidget &window)
{
    if (window.isMinimized())
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    // Through QWindow::requestActivate(). On Wayland the request carries no activation
    // token of the starting process (Qt 6.4 cannot pass one on), so a compositor may only
    // mark the window as wanting attention instead of raising it.
    window.activateWindow();
}

void Report(const TMainForm &form, const QString &event, const QString &detail)
{
    const QString path = qEnvironmentVariable("QUORTOSK_TEST_REPORT");
    if (path.isEmpty())
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return;
    QStringList pages;
    for (int i = 0; i < form.PageControl()->PageCount(); ++i)
        pages << form.PageControl()->Page(i)->Hint();
    const QString text =
        event + QLatin1Char('\t') + detail + QStringLiteral("\npages\t") + pages.join(QLatin1Char('\t'))
        + QStringLiteral("\tactive=") + QString::number(form.PageControl()->ActivePageIndex())
        + QStringLiteral("\tminimized=") + QString::number(form.isMinimized()) + QLatin1Char('\n');
    file.write(text.toUtf8());
}

} // namespace Startup
