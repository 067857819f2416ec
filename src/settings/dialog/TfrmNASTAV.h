#pragma once

#include "settings/tags/TTagList.h"

#include <functional>
#include <optional>
#include <QColor>
#include <QDialog>
#include <QFont>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QToolButton;
class THotKeyEdit;
class TPrompts;
class EditorAppearance;
class TSettingsStore;

// "Nastavení": the editors' font and colours, the user tags and the launchers to the
// program. Created for each opening and shown modally. OK gives the editors the sample's font
// and colours (through `appearance`: the template and the active page) and rebuilds the tag menu;
// closing in any way saves the four tag lists.
class TfrmNASTAV : public QDialog
{
    Q_OBJECT
public:
    // Called by OK with the tag names and hot-key texts when the list is not empty.
    using TagMenuBuilder = std::function<void(const QStringList &names, const QStringList &hotKeys)>;
    // The font dialog: the chosen font, or nullopt when cancelled.
    using FontChooser = std::function<std::optional<QFont>(QWidget *parent, const QFont &font)>;

    // appearance: the look new pages copy (read at opening, written by OK); settings may be null.
    TfrmNASTAV(EditorAppearance *appearance, TagMenuBuilder rebuildTagMenu, TPrompts *prompts,
               TSettingsStore *settings, QWidget *parent = nullptr);
    // The hot-key field may lose the focus while the dialog is taken apart: it must not
    // reach this (by then no longer whole) dialog.
    ~TfrmNASTAV() override;

    // The sixteen colours of cmbColor in their order, with their names.
    static QList<QPair<QString, QColor>> Colors();

    // The tag lists as edited so far, and the tag being edited (-1: none).
    const TTagList &Tags() const { return m_tags; }
    int SelectedTag() const { return m_selected; }

    // What the sample shows now.
    QColor SampleTextColor() const;
    QColor SampleBackground() const;

    // Replacements for tests and other platforms: the font dialog, the folders the two
    // launchers go to (default: the desktop and the user's applications folder) and the
    // icon file they name (default: Launchers::ProgramIconFile()).
    void SetFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }
    void SetLauncherFolders(const QString &desktop, const QString &applications);
    void SetIconFile(const QString &iconFile) { m_iconFile = iconFile; }

    // The controls, named as the program's documentation names them.
    QTabWidget *PageControl1 = nullptr;
    QWidget *TabSheet1 = nullptr; // "Obecné"
    QWidget *TabSheet2 = nullptr; // "Písmo/barvy"
    QWidget *TabSheet3 = nullptr; // "Zkratky"
    QGroupBox *GroupBox1 = nullptr;
    QPushButton *Button4 = nullptr; // "Přidat do složky &ODESLAT"
    QPushButton *Button3 = nullptr; // "Přidat na &PLOCHU"
    QCheckBox *chkREOPEN = nullptr; // "Při spuštění &znovu otevřít soubory z minula"
    QGroupBox *GroupBox2 = nullptr;
    QListWidget *lstTextBarva = nullptr;
    QPushButton *Button1 = nullptr; // "Typ &písma..."
    QPushButton *Button2 = nullptr; // "&Standard"
    QComboBox *cmbColor = nullptr;
    QPlainTextEdit *edit_vzor = nullptr;
    QGroupBox *GroupBox3 = nullptr;
    QListWidget *lstZNACKY = nullptr;
    QToolButton *RxSpeedButton1 = nullptr; // add
    QToolButton *RxSpeedButton2 = nullptr; // remove
    QLabel *Label1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QLabel *Label2 = nullptr;
    THotKeyEdit *HotKey2 = nullptr;
    QLabel *Label3 = nullptr;
    QPlainTextEdit *memoSTART = nullptr;
    QLabel *Label4 = nullptr;
    QPlainTextEdit *memoEND = nullptr;
    QPushButton *btnOK = nullptr;
    QPushButton *btnSTORNO = nullptr;

protected:
    void done(int result) override;

private:
    QWidget *createObecne();
    QWidget *createPismo();
    QWidget *createZkratky();
    void FormCreate();
    void loadTags();
    void saveTags();

    void cmbColorChange(int index);
    void Button1Click();
    void Button2Click();
    void lstZNACKYClick();
    void Edit1Change(const QString &text);
    void HotKey2Exit();
    void memoSTARTChange();
    void memoENDChange();
    void RxSpeedButton1Click();
    void RxSpeedButton2Click();
    void btnOKClick();
    void Button3Click();
    void Button4Click();
    void makeLauncher(bool sendTo);

    void setSampleFont(const QFont &font);
    void setSampleColor(QPalette::ColorRole role, const QColor &color);
    void showColor(const QColor &color);
    void showTagFields(const QString &name, const QString &start, const QString &end);

    EditorAppearance *m_appearance;
    TagMenuBuilder m_rebuildTagMenu;
    TPrompts *m_prompts;
    TSettingsStore *m_settings;
    FontChooser m_chooseFont;
    std::optional<QString> m_desktopFolder, m_applicationsFolder;
    QString m_iconFile;

    TTagList m_tags;
    int m_selected = -1;
    bool m_tagsLoaded = false; // a list that could not be read is not written over
    bool m_filling = false;    // fields being filled by the program, not typed
    bool m_closed = false;
};
