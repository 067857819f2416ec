#include "app/files/Recovery.h"
#include "app/files/RecoveryStore.h"
#include "app/shell/TMainForm.h"
#include "app/startup/CommandLine.h"
#include "app/startup/TFontWarmup.h"
#include "app/startup/TInstanceChannel.h"
#include "app/startup/TLastFilesReopen.h"
#include "app/startup/TStartup.h"
#include "app/startup/TTermSignal.h"
#include "common/StartTrace.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "settings/options/TLanguageChoice.h"
#include "settings/options/TLanguages.h"
#include "settings/store/TSettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QSessionManager>
#include <QTranslator>

#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    StartTrace::Mark("main");
    // Our own options come first, from the raw bytes: they need no display and leave any
    // running instance alone.
    QList<QByteArray> raw;
    for (int i = 0; i < argc; ++i)
        raw << QByteArray(argv[i]);
    const CommandLine line = CommandLine::Parse(raw);
    if (line.action() != CommandLine::Run) {
        const QString text =
            line.action() == CommandLine::Help ? CommandLine::HelpText() : CommandLine::VersionText();
        std::fputs(text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    // The fonts are read beside the display connection, not after it.
    TFontWarmup fontWarmup;
    // Qt sees only what stands before "--", and takes its own options out of that.
    int qtArgc = line.QtArgumentCount();
    std::vector<char *> qtArgv(argv, argv + qtArgc);
    qtArgv.push_back(nullptr);
    QApplication app(qtArgc, qtArgv.data());
    StartTrace::Mark("application");
    StartTrace::WatchFirstPaint();
    QList<QByteArray> fileBytes;
    for (int i = 1; i < qtArgc; ++i)
        fileBytes << QByteArray(qtArgv[size_t(i)]);
    const QByteArray unknownOption = CommandLine::UnknownOption(fileBytes);
    fileBytes += line.AfterSeparator();
    QStringList unusable;
    const QStringList arguments = CommandLine::UsableNames(fileBytes, &unusable);
    // The application title (error boxes). Set as the name, not the display name: Qt would
    // append a display name to every window caption ("Quorvel Tosk - <path>").
    QApplication::setApplicationName(QStringLiteral("Quorvel Tosk"));
    TDialogPrompts prompts;

    // The language version chosen in "Jazyková verze" at an earlier run (Czech when none),
    // before any message can be shown. "[default]" (empty) keeps the source texts.
    TSettingsStore settings(TSettingsStore::DefaultFileName());
    QTranslator translator;
    const QString code = LanguageChoice::Read(settings);
    if (Languages::Load(translator, code, Languages::SearchFolders()))
        QApplication::installTranslator(&translator);
    // Qt's own dialogs (files, fonts, printing) speak the same language as the program.
    QTranslator qtTranslator;
    if (qtTranslator.load(QStringLiteral("qtbase_") + (code.isEmpty() ? LanguageChoice::Czech : code),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);
    StartTrace::Mark("translators");

    // An unknown option is no file to create: refused on the terminal, before any window or
    // hand-over to a running instance.
    if (!unknownOption.isEmpty()) {
        std::fputs(CommandLine::UnknownOptionText(unknownOption).toLocal8Bit().constData(), stderr);
        return 2;
    }

    // A name that is not valid in the system's encoding could only be opened under another
    // name (Qt would create a new file with a replacement character): it is refused.
    for (const QString &name : std::as_const(unusable))
        prompts.ShowError(nullptr, QCoreApplication::translate("main", "Název souboru %1 nelze použít: "
                                                                       "není platný v kódování systému.")
                                       .arg(name));

    // A running instance takes over our first argument; we then end without a window.
    TInstanceChannel channel(ExeBaseName(QApplication::applicationFilePath()));
    switch (channel.Start(arguments, QDir::currentPath())) {
    case TInstanceChannel::Forwarded:
        return 0;
    case TInstanceChannel::Refused:
        std::fprintf(stderr, "%s\n", qPrintable(channel.Problem()));
        return 1;
    case TInstanceChannel::Failed:
        prompts.ShowError(nullptr, channel.Problem().isEmpty()
                                       ? QCoreApplication::translate("main", "Initialization failed")
                                       : QCoreApplication::translate("main", "Initialization failed")
                                             + QStringLiteral(": ") + channel.Problem());
        return 1;
    case TInstanceChannel::Primary:
        break;
    }
    StartTrace::Mark("instance channel");

    // Unsaved pages are copied here and offered again after a crash; without the folder
    // nothing is kept, and the program works as ever.
    RecoveryStore recoveryStore(RecoveryStore::DefaultFolder());
    recoveryStore.Open();
    StartTrace::Mark("recovery store");
    fontWarmup.Wait(); // the first widget reads fonts: not twice at once
    StartTrace::Mark("fonts read");
    TMainForm form(&prompts, &settings);
    StartTrace::Mark("main window made");
    form.RecoveryCopies()->SetStore(&recoveryStore);
    // kill, a session that ends, a logout: copies of the unsaved pages and the settings are
    // written, and the program ends without questions nobody would answer.
    TTermSignal term([&form] { form.EndWithoutQuestions(); });
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &form,
        [&form](QSessionManager &) { form.EndWithoutQuestions(); }, Qt::DirectConnection);
    QObject::connect(&channel, &TInstanceChannel::RestoreRequested, &form, [&form] {
        Startup::BringForward(form);
        Startup::Report(form, QStringLiteral("restore"));
    });
    QObject::connect(&channel, &TInstanceChannel::OpensRefused, &form, [&form] {
        Startup::Report(form, QStringLiteral("refused"));
        form.Prompts()->ShowErrorNotice(
            &form, QCoreApplication::translate("main", "Příliš mnoho souborů k otevření najednou; "
                                                       "další požadavky byly odmítnuty."));
    });
    QObject::connect(&channel, &TInstanceChannel::OpenRequested, &form,
                     [&form](const QString &argument, const QString &folder) {
                         Startup::OpenHandedFile(form, argument, folder);
                     });
    // Without file arguments the files of the last normal close may open again, once the
    // window is painted and after the recovery copies (a file of both opens once).
    TLastFilesReopen reopen(form, arguments.isEmpty() ? &settings : nullptr);
    form.show(); // creates the untitled page 1 before any file of the command line
    StartTrace::Mark("shown");
    Startup::OpenCommandLineFiles(form, arguments);
    Startup::OfferRecovery(form);
    reopen.Start();
    StartTrace::Mark("event loop");
    return app.exec();
}
