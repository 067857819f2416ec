#pragma once

#include <functional>
#include <QFrame>

class QHBoxLayout;
class QLabel;
class QPushButton;

// A message bar above a page's editor ("Soubor byl změněn jiným programem." with its
// buttons): tells without a modal box and waits for a click. Several bars of one page stack.
class TPageBar : public QFrame
{
    Q_OBJECT
public:
    explicit TPageBar(const QString &message, QWidget *parent = nullptr);

    void SetMessage(const QString &message);
    QString Message() const;
    // A button; `action` runs on a click. The bar stays until it is closed.
    QPushButton *AddButton(const QString &caption, std::function<void()> action);
    QList<QPushButton *> Buttons() const;
    // Removes the buttons (to set new ones when the situation changes).
    void ClearButtons();
    // Hides the bar and deletes it later.
    void Dismiss();

signals:
    void Dismissed();

private:
    QLabel *m_label;
    QHBoxLayout *m_layout;
    QList<QPushButton *> m_buttons;
};
