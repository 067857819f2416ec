#pragma once

#include <functional>
#include <QObject>

class PageCommands;
class QWidget;
class TEditorSearch;
class TPrompts;
class TRxRichEdit;
class TSearchDialog;

// Text tools of the active page: find and replace, go to line, case, date and time,
// conversion between the Czech sets, T602 clean-up.
class TextToolCommands : public QObject
{
    Q_OBJECT
public:
    // `message` takes the searches' messages ("Nenalezeno", "Zaměněno: n"): the status bar's
    // hint panel; when it answers false (hidden), the dialog that searched shows them.
    TextToolCommands(PageCommands *pages, TPrompts *prompts, QWidget *window,
                     std::function<bool(const QString &)> message, QObject *parent = nullptr);

    void mmFindClick();
    void mmFindAgainClick();
    void mmReplaceClick();
    void mmGOTOClick();
    void Vloitdatumaas1Click();
    void UpperItem1Click();
    void LowerItem1Click();
    void InvertItem1Click();
    void mmKonverzeClick();
    void KonverzezT6021Click();

private:
    TEditorSearch *searchOf(TRxRichEdit *editor); // with its messages linked
    void tell(const QString &text, TSearchDialog *dialog);
    void goToLine(TRxRichEdit *editor); // once its lines are counted

    std::function<bool(const QString &)> m_message;
    // True (after saying so) on a UTF-8 page, where the Windows-1250 tools would lose text.
    bool refuseUtf8Page(TRxRichEdit *editor, const QString &title);

    PageCommands *m_pages;
    TPrompts *m_prompts;
    QWidget *m_window;
};
