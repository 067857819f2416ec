#pragma once

#include "about/HelpGuide.h"

#include <QWidget>

class QTextBrowser;

// "Nápověda": the user guide in a window of its own beside the main window, not modal. Links
// within the guide stay in the window; web and mail links go to the desktop's programs.
class THelpWindow : public QWidget
{
    Q_OBJECT
public:
    explicit THelpWindow(QWidget *parent = nullptr);

    // Shows the guide file with the keys table filled in; false when the file cannot be read.
    bool ShowGuide(const QString &file, const QList<HelpGuide::KeyRow> &keys);

    QTextBrowser *Browser() const { return m_browser; }

protected:
    void keyPressEvent(QKeyEvent *e) override;

private:
    QTextBrowser *m_browser;
};
