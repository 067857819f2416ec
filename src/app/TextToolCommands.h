#pragma once

#include <QObject>

class PageCommands;
class QWidget;
class TPrompts;
class TRxRichEdit;

// Text tools of the active page: find and replace, go to line, case, date and time,
// conversion between the Czech sets, T602 clean-up.
class TextToolCommands : public QObject
{
    Q_OBJECT
public:
    TextToolCommands(PageCommands *pages, TPrompts *prompts, QWidget *window, QObject *parent = nullptr);

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
    // True (after saying so) on a UTF-8 page, where the Windows-1250 tools would lose text.
    bool refuseUtf8Page(TRxRichEdit *editor, const QString &title);

    PageCommands *m_pages;
    TPrompts *m_prompts;
    QWidget *m_window;
};
