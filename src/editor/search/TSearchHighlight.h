#pragma once

#include "editor/search/THitCounter.h"

#include <QObject>
#include <QPointer>

class QPainter;
class TRxRichEdit;
class TSearchDialog;

// While a Find or Replace dialog shows, every hit of its search text (with its case and
// whole-word options) is marked on the editor's page, and the dialog tells how many there
// are and which one is selected. The hits are counted in slices (THitCounter); only the
// hits in sight are painted, under the text and the selection. Hiding the dialog takes
// the marks away.
class TSearchHighlight : public QObject
{
    Q_OBJECT
public:
    TSearchHighlight(TRxRichEdit *editor, TSearchDialog *dialog);
    ~TSearchHighlight() override;

    const THitCounter &Counter() const { return m_counter; }
    bool Active() const { return m_active; }

    // "3 výskyty", "žádný výskyt"; Czech has a form for one, for two to four and for more.
    static QString CountText(int count);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void activate();
    void deactivate();
    void restart();
    void showCount();
    void paintHits(QPainter &painter);
    void repaintIfInSight(qsizetype firstNew);
    int visibleEnd() const;

    TRxRichEdit *m_editor;
    TSearchDialog *m_dialog;
    QPointer<QWidget> m_viewport; // the one our filter is on
    THitCounter m_counter;
    bool m_active = false;
    bool m_hitsPainted = false; // the last paint marked some hit
};
