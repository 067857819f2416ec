#include "common/TErrorText.h"
#include "app/TInstanceChannel.h"
#include "app/TLanguages.h"
#include "app/TMainForm.h"
#include "common/TPrompts.h"
#include "app/TStartup.h"
#include "app/TTermSignal.h"
#include "settings/TLanguageChoice.h"
#include "settings/TSettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application title (error boxes). Set as the name, not the display name: Qt would
    // append a display name to every window caption ("Quorvel Tosk - <path>").
    QApplication::setApplicationName(QStringLiteral("Quorvel Tosk"));
    const QStringList arguments = QApplication::arguments().mid(1);
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

    // A running instance takes over our first argument; we then end without a window.
    TInstanceChannel channel(ExeBaseName(QApplication::applicationFilePath()));
    switch (channel.Start(arguments, QDir::currentPath())) {
    case TInstanceChannel::Forwarded:
        return 0;
    case TInstanceChannel::Failed:
        prompts.ShowError(nullptr, QCoreApplication::translate("main", "Initialization failed"));
        return 1;
    case TInstanceChannel::Primary:
        break;
    }

    TMainForm form(&prompts, &settings);
    // kill, logout: closed like the close box, so the settings are saved.
    TTermSignal term([&form] { form.close(); });
    QObject::connect(&channel, &TInstanceChannel::RestoreRequested, &form, [&form] {
        Startup::BringForward(form);
        Startup::Report(form, QStringLiteral("restore"));
    });
    QObject::connect(&channel, &TInstanceChannel::OpenRequested, &form,
                     [&form](const QString &argument, const QString &folder) {
                         Startup::OpenHandedFile(form, argument, folder);
                     });
    form.show(); // creates the untitled page 1 before any file of the command line
    Startup::OpenCommandLineFiles(form, arguments);
    return app.exec();
}
