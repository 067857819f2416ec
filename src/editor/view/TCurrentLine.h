#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>

class TRxRichEdit;

// Marks the caret's display line across the whole width of the editor, under the text and
// the selection. With word wrap on that is the piece of the file line the caret is in, as
// the caret moves by display lines too.
class TCurrentLine : public QObject
{
    Q_OBJECT
public:
    static void SetShown(TRxRichEdit *editor, bool on);
    static bool Shown(const TRxRichEdit *editor);

    explicit TCurrentLine(TRxRichEdit *editor);
    ~TCurrentLine() override;

    // The marked strip in the viewport's coordinates.
    QRect LineRect() const;
    // See-through, laid over the page's background.
    static QColor Color(const QPalette &palette);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QRect lineRectAt(int position) const;
    void caretMoved();

    TRxRichEdit *m_editor;
    QPointer<QWidget> m_viewport;
    int m_lastPosition = 0;
};
