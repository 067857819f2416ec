#pragma once

#include <QIcon>
#include <QPixmap>

// The 16 x 16 images of the commands, numbered as the speed bar's items: 0 "Nový",
// 1 "Otevřít", 2 "Uložit" ... 29 "Nastavení". The main menu's items for the same
// commands show the same images.
//
// CommandImage gives the desktop theme's icon where a standard freedesktop name fits the
// command (document-save, edit-cut, ...), else, and always without an icon theme, the
// program's own drawing. An index outside 0..29 gives a null icon.
QIcon CommandImage(int index);
// The program's own drawing only, whatever the theme.
QIcon OwnCommandImage(int index);

namespace CommandImages {
inline constexpr int Count = 30;
inline constexpr int Size = 16;
// The freedesktop icon name used for `index`, empty where the program has only its own.
QString ThemeName(int index);
// A pixmap of `icon` at 16 x 16 logical pixels drawn in shades of grey (speed bar buttons
// show their images so until the pointer is over them).
QPixmap Grayed(const QIcon &icon, qreal devicePixelRatio);
} // namespace CommandImages
