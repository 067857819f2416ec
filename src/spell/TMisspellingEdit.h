#pragma once

#include <QTextEdit>

// The line of text around an error, with the error in red. Only the red run can be
// edited; everything else is protected. Edits come in only through the keyboard (and the
// clipboard keys): the control takes no drops and has no context menu.
class TMisspellingEdit : public QTextEdit
{
    Q_OBJECT
public:
    explicit TMisspellingEdit(QWidget *parent = nullptr);

    // Shows `line` with the characters [errorStart, errorStart + errorLength) in red.
    void SetLine(const QString &line, int errorStart, int errorLength);
    void ClearLine();

    // The red run as it stands now.
    QString EditedText() const;
    // Puts `word` back in place of the red run (not counted as an edit).
    void RestoreError(const QString &word);

    int ErrorStart() const { return m_start; }
    int ErrorEnd() const { return m_end; }

signals:
    void Edited(); // the user changed the red run

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void inputMethodEvent(QInputMethodEvent *e) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    bool editable(int from, int to) const;
    // Replaces [from, to) by text in red, when that lies inside the red run.
    bool edit(int from, int to, const QString &text);
    int length() const;

    int m_start = 0, m_end = 0;
};
