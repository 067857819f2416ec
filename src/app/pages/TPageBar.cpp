#include "app/pages/TPageBar.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TPageBar::TPageBar(const QString &message, QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("PageBar"));
    setFrameStyle(QFrame::StyledPanel | QFrame::Plain);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(255, 244, 200)); // a light yellow, as notices usually are
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    m_layout = new QHBoxLayout(this);
    m_layout->setContentsMargins(6, 3, 6, 3);
    m_label = new QLabel(message, this);
    m_label->setTextFormat(Qt::PlainText);
    m_label->setWordWrap(true);
    m_layout->addWidget(m_label, 1);
}

void TPageBar::SetMessage(const QString &message)
{
    m_label->setText(message);
}

QString TPageBar::Message() const
{
    return m_label->text();
}

QPushButton *TPageBar::AddButton(const QString &caption, std::function<void()> action)
{
    auto *button = new QPushButton(caption, this);
    connect(button, &QPushButton::clicked, this, [action = std::move(action)] {
        if (action)
            action();
    });
    m_layout->addWidget(button);
    m_buttons << button;
    return button;
}

QList<QPushButton *> TPageBar::Buttons() const
{
    return m_buttons;
}

void TPageBar::ClearButtons()
{
    for (QPushButton *button : std::as_const(m_buttons))
        button->deleteLater();
    m_buttons.clear();
}

void TPageBar::Dismiss()
{
    hide();
    emit Dismissed();
    deleteLater();
}
