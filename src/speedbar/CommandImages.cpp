#include "speedbar/CommandImages.h"

#include <QImage>

static void initCommandResources()
{
    Q_INIT_RESOURCE(speedbar); // the drawings live in a static library
}

namespace {

struct ImageEntry
{
    const char *file;  // under :/commands/
    const char *theme; // freedesktop icon name, or nullptr
};

// Theme names only from the standard freedesktop icon names.
const ImageEntry images[CommandImages::Count] = {
    {"00-new", "document-new"},
    {"01-open", "document-open"},
    {"02-save", "document-save"},
    {"03-save-as", "document-save-as"},
    {"04-save-all", nullptr},
    {"05-close", "window-close"},
    {"06-close-all", nullptr},
    {"07-print", "document-print"},
    {"08-printer-setup", "document-page-setup"},
    {"09-exit", "application-exit"},
    {"10-undo", "edit-undo"},
    {"11-cut", "edit-cut"},
    {"12-copy", "edit-copy"},
    {"13-paste", "edit-paste"},
    {"14-find", "edit-find"},
    {"15-find-next", nullptr},
    {"16-replace", "edit-find-replace"},
    {"17-goto", "go-jump"},
    {"18-date-time", nullptr},
    {"19-upper", nullptr},
    {"20-lower", nullptr},
    {"21-invert", nullptr},
    {"22-select-all", "edit-select-all"},
    {"23-wrap", nullptr},
    {"24-toolbar", nullptr},
    {"25-status-bar", nullptr},
    {"26-side-panel", nullptr},
    {"27-convert", nullptr},
    {"28-spell", "tools-check-spelling"},
    {"29-settings", "preferences-system"},
};

bool validIndex(int index)
{
    return index >= 0 && index < CommandImages::Count;
}

} // namespace

QIcon OwnCommandImage(int index)
{
    if (!validIndex(index))
        return {};
    static const bool initialised = (initCommandResources(), true);
    Q_UNUSED(initialised);
    return QIcon(QStringLiteral(":/commands/%1.svg").arg(QLatin1String(images[index].file)));
}

QIcon CommandImage(int index)
{
    if (!validIndex(index))
        return {};
    const QString theme = CommandImages::ThemeName(index);
    if (!theme.isEmpty() && QIcon::hasThemeIcon(theme))
        return QIcon::fromTheme(theme);
    return OwnCommandImage(index);
}

namespace CommandImages {

QString ThemeName(int index)
{
    return validIndex(index) && images[index].theme ? QLatin1String(images[index].theme) : QString();
}

QPixmap Grayed(const QIcon &icon, qreal devicePixelRatio)
{
    QPixmap pixmap = icon.pixmap(QSize(Size, Size), devicePixelRatio);
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]));
        }
    }
    QPixmap out = QPixmap::fromImage(image);
    out.setDevicePixelRatio(pixmap.devicePixelRatio());
    return out;
}

} // namespace CommandImages
