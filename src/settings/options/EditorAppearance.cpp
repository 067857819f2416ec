#include "settings/options/EditorAppearance.h"

#include <QPalette>
#include <QWidget>

namespace {

void setColor(QWidget *w, QPalette::ColorRole role, const QColor &color)
{
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive})
        pal.setColor(group, role, color);
    w->setPalette(pal);
}

} // namespace

WidgetAppearance::WidgetAppearance(QWidget *model, std::function<QWidget *()> active,
                                   std::function<void()> applied)
    : m_model(model), m_active(std::move(active)), m_applied(std::move(applied))
{}

EditorLook WidgetAppearance::Look() const
{
    const QPalette &pal = m_model->palette();
    return {m_model->font(), pal.color(QPalette::Active, QPalette::Text), pal.color(QPalette::Active, QPalette::Base)};
}

void WidgetAppearance::Apply(const EditorLook &look)
{
    QWidget *active = m_active ? m_active() : nullptr;
    for (QWidget *w : {m_model, active}) {
        if (!w)
            continue;
        w->setFont(look.font);
        setColor(w, QPalette::Text, look.text);
        setColor(w, QPalette::Base, look.background);
    }
    if (m_applied)
        m_applied();
}
