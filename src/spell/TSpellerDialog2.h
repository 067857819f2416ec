#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class TMisspellingEdit;
class TSpellChecker;

// "Kontrola pravopisu": the modeless dialog of the spelling check. It shows the error the
// checker stopped at and hands the user's command back to the checker.
class TSpellerDialog2 : public QDialog
{
    Q_OBJECT
public:
    enum DisplayMode { dmWord, dmNoSuggestion, dmRepeatedWord };

    explicit TSpellerDialog2(TSpellChecker *checker, QWidget *parent = nullptr);

    // Fills the dialog for an error: `line` is the text around it, the error at
    // [errorStart, errorStart + errorLength) of it.
    void ShowError(int code, const QString &message, DisplayMode mode, const QStringList &suggestions,
                   const QString &line, int errorStart, int errorLength, const QString &errorWord);

    bool IsEdited() const { return m_edited; }
    bool IsDeactivated() const { return m_deactivated; }
    // The state after the user turned to the main window: only "Storno" and "Začít" work.
    void Deactivate();

    // The controls, named as the program's documentation names them.
    QLabel *InfoMsg = nullptr;
    TMisspellingEdit *Misspelling = nullptr;
    QLabel *Label2 = nullptr;
    QListWidget *Variants = nullptr;
    QPushButton *ChangeButton = nullptr;
    QPushButton *DelButton = nullptr;
    QPushButton *StartButton = nullptr;
    QPushButton *ChangeAllButton = nullptr;
    QPushButton *SkipButton = nullptr;
    QPushButton *SkipAllButton = nullptr;
    QPushButton *AddButton = nullptr;
    QPushButton *CancelButton = nullptr;
    QPushButton *CancelEdit = nullptr;

public slots:
    void reject() override; // Esc: "Storno"

protected:
    void changeEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    void showEvent(QShowEvent *e) override;

private:
    void ChangeButtonClick();
    void DelButtonClick();
    void StartButtonClick();
    void ChangeAllButtonClick();
    void SkipButtonClick();
    void SkipAllButtonClick();
    void AddButtonClick();
    void CancelButtonClick();
    void CancelEditClick();
    void MisspellingChange();
    void VariantsDblClick();
    void checkDeactivation();
    QString selectedSuggestion() const;
    bool hasSelectedSuggestion() const;

    TSpellChecker *m_checker;
    int m_code = 0;
    QString m_errorWord;
    bool m_edited = false;
    bool m_deactivated = false;
    bool m_placed = false;
};
