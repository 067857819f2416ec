#pragma once

#include <QWidget>

class TRxRichEdit;

// The line numbers at the editor's left edge: the number of each file line (a block), in
// the editor's font and colours, once per line also when word wrap breaks it into several
// display lines. Only the lines in sight are painted.
class TLineNumberArea : public QWidget
{
    Q_OBJECT
public:
    // Puts the numbers beside `editor` or takes them away.
    static void SetShown(TRxRichEdit *editor, bool on);
    static bool Shown(const TRxRichEdit *editor);
    static TLineNumberArea *of(const TRxRichEdit *editor);

    explicit TLineNumberArea(TRxRichEdit *editor);

    // Wide enough for the text's last line number, at least three digits.
    int NeededWidth() const;

    // The numbers in sight between the heights top and bottom, each with the strip of the
    // file line's first display line where it is written.
    struct Number
    {
        int number;
        QRect rect;
    };
    QList<Number> VisibleNumbers(int top, int bottom) const;

protected:
    void paintEvent(QPaintEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateWidth();

    TRxRichEdit *m_editor;
    int m_digits = 0;
};
