#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <functional>
#include <memory>

class QWidget;
class TAbstractSpeller;
class TPrompts;
class TRxRichEdit;
class TSpellerDialog2;

// The spelling check of an editor: walks the range piece by piece (a line, or what is
// left of it), hands each piece to the speller and stops at every error it reports, which
// the modeless dialog then shows. Replacements go into the editor as ordinary edits.
class TSpellChecker : public QObject
{
    Q_OBJECT
public:
    // Makes the speller of a language; throws ESpellError (or TError) when it cannot.
    using SpellerFactory = std::function<std::unique_ptr<TAbstractSpeller>(int languageId, int options)>;

    TSpellChecker(SpellerFactory factory, TPrompts *prompts, QWidget *dialogParent,
                  QObject *parent = nullptr);
    ~TSpellChecker() override;

    // The designed settings.
    int Language = 1029;
    int Options = 0x000F;
    QString Caption; // the dialog's title, "%s" for the language's name; empty keeps its own

    // Starts a check of the editor: the selection, or from the caret to the end.
    void Check(TRxRichEdit *editor);

    // The dialog's commands; each but Cancel goes on with the check.
    void Change(const QString &text, bool edited); // "Zaměnit"
    void ChangeAll(const QString &suggestion);     // "Zaměňovat"
    void Skip();                                   // "Přeskočit"
    void SkipAll();                                // "Přeskakovat"
    void Add();                                    // "Přidat"
    void Delete();                                 // "Odstranit"
    void Cancel();                                 // "Storno"

    bool IsChecking() const { return m_checking; }
    TSpellerDialog2 *Dialog() const;
    TAbstractSpeller *Speller() const { return m_speller.get(); }
    // The run state: the error (or the place reached), the range's end, the last status.
    int Position() const { return m_pos; }
    int ErrorLength() const { return m_errLen; }
    int RangeEnd() const { return m_rangeEnd; }
    int Status() const { return m_status; }

signals:
    void Finished(); // the range was checked to its end

private:
    bool ensureSpeller();
    void loop();
    void finish();
    void replaceError(const QString &text);
    void showError();
    void showFailure(const QString &text);
    void run(const std::function<void()> &command);
    bool isBreakAt(int pos);
    const QString &blockAt(int pos, int *blockPos);
    void forgetBlock() { m_blockPos = -1; }

    SpellerFactory m_factory;
    TPrompts *m_prompts;
    QWidget *m_dialogParent;
    std::unique_ptr<TAbstractSpeller> m_speller;
    QPointer<TSpellerDialog2> m_dialog;
    QPointer<TRxRichEdit> m_editor;
    QMetaObject::Connection m_editorChanges, m_editorGone;

    bool m_checking = false;
    int m_rangeEnd = 0, m_pos = 0, m_errLen = 0, m_lineEnd = 0, m_status = 0;
    QString m_errorWord;

    // The text of the block last read: a long line is copied once, not once per error.
    QString m_block;
    int m_blockPos = -1;
};
