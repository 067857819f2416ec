#include "common/PngImage.h"

#include <QImage>
#include <QImageReader>
#include <QPixmap>

QIcon PngIcon(const QString &fileName)
{
    QImageReader reader(fileName, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    if (image.isNull())
        return {};
    return QIcon(QPixmap::fromImage(image));
}
