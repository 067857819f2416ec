#pragma once

#include "about/HelpGuide.h"
#include "about/THelpWindow.h"

#include <functional>
#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QUrl>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

// A label that is a link: drawn green and underlined with the hand cursor over it; a click
// hands its target to the desktop (a web address to the browser; an e-mail address, with
// "mailto:" put before it, to the mail program). What the desktop then does is not
// examined: a failure shows nothing.
class TLinkLabel : public QLabel
{
    Q_OBJECT
public:
    enum Kind { Web, Mail };
    // The caption is the target as the user sees it: the web address or the bare e-mail
    // address.
    TLinkLabel(Kind kind, const QString &target, QWidget *parent = nullptr);
    // A picture that links to the target.
    TLinkLabel(const QPixmap &picture, const QString &target, QWidget *parent = nullptr);

    QUrl Url() const;

protected:
    void mouseReleaseEvent(QMouseEvent *e) override;

private:
    Kind m_kind;
    QString m_target;
};

// "O programu": the product's name and version, its links, and on a second page the
// information text for the user's language when its file exists.
class TfrmAbout : public QDialog
{
    Q_OBJECT
public:
    // languageCode selects the information file quor_<code>.txt ("CSY", "ENU"), looked for
    // in `folders` (by default the executable's folder and the installed data folder).
    explicit TfrmAbout(const QString &languageCode, QWidget *parent = nullptr,
                       const QStringList &folders = {});

    // Creates the dialog, shows it modally and destroys it when it closes.
    static void Execute(QWidget *parent, const QString &languageCode);

    QTabWidget *PageControl1;
    QWidget *tabAutor;
    QWidget *tabInformace;
    QLabel *lblProduct; // "Quorvel Tosk"
    QLabel *Label5;     // the version
    QPlainTextEdit *Memo1;
    QPushButton *OKButton;
    QList<TLinkLabel *> Links() const;

protected:
    void showEvent(QShowEvent *e) override;

private:
    void FormCreate(const QString &languageCode, const QStringList &folders);
};

// The help menu's "&Nápověda" (F1) and "O pro&gramu..." for the main window.
class AboutCommands : public QObject
{
    Q_OBJECT
public:
    // languageCode: AboutInfo::LanguageCode of the language the program runs in.
    AboutCommands(QWidget *window, const QString &languageCode, QObject *parent = nullptr);
    void mmAboutClick();
    // The guide of the program's language in the help window (made at the first use, then
    // brought forward); a guide that cannot be found is reported in an error box.
    void mmNAPOVEDAClick();

    // The keys of the window's commands for the guide's table, asked at each opening.
    void SetKeyList(std::function<QList<HelpGuide::KeyRow>()> keys) { m_keys = std::move(keys); }
    // Where the guide is looked for (default: HelpGuide::Folders of the executable's folder).
    void SetHelpFolders(const QStringList &folders) { m_helpFolders = folders; }
    // Tells how a guide could not be shown (the window's error box by default).
    void SetErrorShower(std::function<void(const QString &)> show) { m_showError = std::move(show); }
    THelpWindow *HelpWindow() const { return m_help; }

private:
    QWidget *m_window;
    QString m_languageCode;
    std::function<QList<HelpGuide::KeyRow>()> m_keys;
    QStringList m_helpFolders;
    std::function<void(const QString &)> m_showError;
    QPointer<THelpWindow> m_help;
};
