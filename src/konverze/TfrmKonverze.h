#pragma once

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QPushButton;
class TKonverzePreview;
class TRxRichEdit;

// "Konverze": converts the whole text of a page from one Czech character set to another
// (or to ASCII), with an optional preview. Created for each opening and shown modally.
class TfrmKonverze : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmKonverze(TRxRichEdit *editor, QWidget *parent = nullptr);

    // The character-set numbers of the two lists' selections (1 = the first item).
    int Source() const;
    int Target() const;

    // Refreshes the preview with the page's current text converted from source to target.
    // The preview reads and converts only the lines it shows, so this costs the same for
    // any length of page.
    void ObnovitNahled(int source, int target);

    // A text converted, each line ended by a line break, the last one too.
    static QString ConvertedText(QStringView text, int source, int target);

    // The controls, named as the program's documentation names them.
    QGroupBox *GroupBox1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QListWidget *lstZdroj = nullptr;
    QListWidget *lstCil = nullptr;
    QPushButton *btnKonvert = nullptr;
    QPushButton *btnStorno = nullptr;
    QGroupBox *GroupBox2 = nullptr;
    TKonverzePreview *editPreview = nullptr;
    QCheckBox *CheckBox1 = nullptr;

private:
    void FormCreate();
    void CheckBox1Click();
    void lstZdrojClick();
    void lstCilClick();
    void btnKonvertClick();
    void btnStornoClick();
    // The page's 8-bit set: the conversion works on the bytes the page would save.
    int pageSet() const;

    TRxRichEdit *m_editor;
};
