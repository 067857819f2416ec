#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Every modal question and file dialog of the program goes through this seam, so that
// commands can be tested without a person. TDialogPrompts shows the real dialogs.
class TPrompts
{
public:
    enum Answer { Yes, No, Cancel };

    virtual ~TPrompts() = default;

    // The confirmation box: title "Confirm", buttons "&Yes", "&No", "Cancel".
    virtual Answer Confirm(QWidget *parent, const QString &text) = 0;
    // The question before writing over a file another program changed: "Přepsat" (true)
    // or "Storno" (false, also on Esc and as the default).
    virtual bool ConfirmOverwrite(QWidget *parent, const QString &text) = 0;
    // The standard error box: application title, stop icon, OK, full-stop rule applied.
    virtual void ShowError(QWidget *parent, const QString &text) = 0;
    // An error notice: title "Error", stop icon, OK.
    virtual void ShowErrorNotice(QWidget *parent, const QString &text) = 0;
    // An information box with an OK button.
    virtual void ShowMessage(QWidget *parent, const QString &title, const QString &text) = 0;
    // The open dialog: chosen files in the dialog's order, empty when cancelled.
    virtual QStringList OpenFileNames(QWidget *parent, const QString &title, const QString &dir,
                                      const QString &filter) = 0;
    // The save dialog: the chosen name, empty when cancelled.
    virtual QString SaveFileName(QWidget *parent, const QString &title, const QString &proposal,
                                 const QString &filter) = 0;
    // The input box: prompt, one text field, "OK" and "Cancel"; false when cancelled.
    virtual bool InputQuery(QWidget *parent, const QString &title, const QString &prompt,
                            QString &value) = 0;
};

// The real dialogs.
class TDialogPrompts : public TPrompts
{
public:
    Answer Confirm(QWidget *parent, const QString &text) override;
    bool ConfirmOverwrite(QWidget *parent, const QString &text) override;
    void ShowError(QWidget *parent, const QString &text) override;
    void ShowErrorNotice(QWidget *parent, const QString &text) override;
    void ShowMessage(QWidget *parent, const QString &title, const QString &text) override;
    QStringList OpenFileNames(QWidget *parent, const QString &title, const QString &dir,
                              const QString &filter) override;
    QString SaveFileName(QWidget *parent, const QString &title, const QString &proposal,
                         const QString &filter) override;
    bool InputQuery(QWidget *parent, const QString &title, const QString &prompt,
                    QString &value) override;
};

// Converts the Windows filter form "Text (*.txt)|*.txt|All (*.*)|*.*" into Qt's
// "Text (*.txt);;All (*)": the label's parentheses list the patterns, and "*.*" becomes "*",
// which matches names without a dot as Windows' "*.*" does.
QString QtFilterFromWindowsFilter(const QString &filter);
