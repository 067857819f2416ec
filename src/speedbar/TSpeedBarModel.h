#pragma once

#include "speedbar/SpeedGrid.h"

#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

class TSettingsSession;

// One command of the speed bar: where it belongs and where it sits. `pos` is the button's
// top-left corner inside the bar; a hidden item is not on the bar but stays in its
// section, where the customising dialog offers it.
struct TSpeedItem
{
    QString section; // the caption of its section
    QString name;    // component name ("savebutton"), the stored layout's key
    QString caption; // the tooltip and the dialog's text
    int image = -1;  // CommandImage number
    QPoint pos;
    bool shown = false;
};

// The layout of the speed bar without any widget: its sections and items, the side it is
// docked to, the button size and offsets (exchanged while the bar is vertical), and the
// stored form of all this in the settings key "Options\TMainFormToolBar".
class TSpeedBarModel
{
public:
    static constexpr int LayoutVersion = 0;
    static constexpr int DesignedPixelsPerInch = 96;
    // Along and across a horizontal bar.
    static constexpr int ButtonLength = 24;
    static constexpr int ButtonThickness = 23;
    static constexpr int ButtonOffset = 3;

    // Sets the items in their designed places (as on a horizontal bar docked at the top)
    // and takes that layout as the current one.
    void SetDesign(const QList<TSpeedItem> &items);
    // Back to the designed layout: top side, horizontal, the designed buttons.
    void ResetToDesign();

    const QList<TSpeedItem> &Items() const { return m_items; }
    const TSpeedItem &Item(int index) const { return m_items.at(index); }
    int IndexOf(const QString &name) const; // without regard to case; -1 if none
    // Section captions in the order of their first item.
    QStringList Sections() const;
    QList<int> ItemsOf(const QString &section) const;

    TBarSide Side() const { return m_side; }
    bool Vertical() const { return SpeedGrid::IsVertical(m_side); }
    // Width and height of a button as drawn: 24 x 23 on a horizontal bar, 23 x 24 on a
    // vertical one.
    QSize ButtonSize() const;
    QPoint Offset() const { return {ButtonOffset, ButtonOffset}; }
    // The bar's size across: one button thickness and the offset on each side.
    int Thickness() const { return ButtonThickness + 2 * ButtonOffset; }

    // Docks at `side` (None and Client count as Top). Turning between horizontal and
    // vertical exchanges each button's left and top. Returns whether the side changed.
    bool Dock(TBarSide side);

    // Places item `index` with its top-left corner dropped at `point` of a bar of
    // `barSize`, by the snap grid. The item is shown if the resulting corner lies inside
    // the bar, else hidden. Returns whether it is shown.
    bool Place(int index, QPoint point, QSize barSize);
    void Hide(int index);

    // The stored layout. Save deletes the key and writes it anew. Load reads it as far as
    // it goes; returns whether the docked side changed. Should reading fail (a value that
    // is not text), the designed layout comes back and the error is passed on.
    void Save(TSettingsSession &session, const QString &key, int pixelsPerInch) const;
    bool Load(TSettingsSession &session, const QString &key, int pixelsPerInch);

private:
    void load(TSettingsSession &session, const QString &key, int pixelsPerInch);

    QList<TSpeedItem> m_design;
    QList<TSpeedItem> m_items;
    TBarSide m_side = TBarSide::Top;
};
