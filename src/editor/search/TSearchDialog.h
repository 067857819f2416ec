#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The editor's modeless Find or Replace dialog: search text, whole word, match case, and
// either the direction (Find) or the replace text (Replace). The dialog only collects
// what the user wants; TEditorSearch does the searching when a button is pressed.
class TSearchDialog : public QDialog
{
    Q_OBJECT
public:
    enum Kind { Find, Replace };

    static constexpr int MaxTextLength = 255;

    explicit TSearchDialog(Kind kind, QWidget *parent = nullptr);

    Kind DialogKind() const { return m_kind; }

    QString SearchText() const;
    void SetSearchText(const QString &text); // cut to MaxTextLength
    QString ReplaceText() const;
    void SetReplaceText(const QString &text);
    bool MatchCase() const;
    void SetMatchCase(bool on);
    bool WholeWord() const;
    void SetWholeWord(bool on);
    bool Down() const; // the Replace dialog always searches down
    void SetDown(bool down);

    // A short message about the last search ("Nenalezeno") on a line of its own, for when the
    // status bar is hidden; cleared by the next search or a change of the search text.
    void ShowMessage(const QString &text);
    QString Message() const;
    // How many hits the search text has and which one is selected; empty while the search
    // text is.
    void ShowHits(const QString &text);
    QString Hits() const;

    // The controls, for tests and screenshots.
    QLineEdit *edtSearch = nullptr;
    QLineEdit *edtReplace = nullptr;     // Replace only
    QCheckBox *chkWholeWord = nullptr;
    QCheckBox *chkMatchCase = nullptr;
    QRadioButton *rbUp = nullptr;        // Find only
    QRadioButton *rbDown = nullptr;      // Find only
    QPushButton *btnFindNext = nullptr;
    QPushButton *btnReplace = nullptr;   // Replace only
    QPushButton *btnReplaceAll = nullptr; // Replace only
    QPushButton *btnCancel = nullptr;
    QLabel *lblMessage = nullptr;
    QLabel *lblHits = nullptr;

signals:
    void FindNextClicked(TSearchDialog *dialog);
    void ReplaceClicked(TSearchDialog *dialog);
    void ReplaceAllClicked(TSearchDialog *dialog);
    void Closed(TSearchDialog *dialog);

protected:
    void hideEvent(QHideEvent *e) override;

private:
    void updateButtons();

    Kind m_kind;
};
