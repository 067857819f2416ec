#pragma once

#include <QIcon>
#include <QString>

// An icon read from a PNG file (or resource) by Qt's own PNG reader alone. QIcon(fileName)
// first loads every image-format plugin to ask whether one of them reads PNG too, which
// costs milliseconds on the way to the first paint. A null icon when the file cannot be read.
QIcon PngIcon(const QString &fileName);
