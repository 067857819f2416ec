#pragma once

#include <QObject>

class PageCommands;
class TTabSheet;
class QWidget;

// The main window's caption names the active page: "Quorvel Tosk - " and its file's path
// (its untitled caption when it has no file), with "*" before it while it is modified;
// "Quorvel Tosk" alone when no page is open. It follows page switches, closes, edits,
// saves and loads.
class TWindowCaption : public QObject
{
    Q_OBJECT
public:
    TWindowCaption(PageCommands *pages, QWidget *window, QObject *parent);

    // The caption for a page (nullptr: no page).
    static QString CaptionOf(const TTabSheet *page);

private:
    void watch(TTabSheet *page);
    void refresh();

    PageCommands *m_pages;
    QWidget *m_window;
};
