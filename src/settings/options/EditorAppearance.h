#pragma once

#include <QColor>
#include <QFont>

#include <functional>

class QWidget;

// The editors' look as the settings dialog shows and sets it.
struct EditorLook
{
    QFont font;
    QColor text;
    QColor background;
};

// What the settings dialog reaches of the editors, and no more: the look new pages copy, and
// giving a look to the pages it applies to.
class EditorAppearance
{
public:
    virtual ~EditorAppearance() = default;
    virtual EditorLook Look() const = 0;
    virtual void Apply(const EditorLook &look) = 0;
};

// The look held in widgets' fonts and palettes: read from `model` (the template that new pages
// copy), applied to it and to what `active` answers (the active page's editor, or null);
// `applied` (may be empty) is told after each Apply.
class WidgetAppearance : public EditorAppearance
{
public:
    WidgetAppearance(QWidget *model, std::function<QWidget *()> active, std::function<void()> applied = {});
    EditorLook Look() const override;
    void Apply(const EditorLook &look) override;

private:
    QWidget *m_model;
    std::function<QWidget *()> m_active;
    std::function<void()> m_applied;
};
