#pragma once

#include <memory>
#include <QSettings>
#include <QString>

// The one place that makes the settings object: every QSettings of the program (and of its
// tests) on the settings file is opened here, in the file format of IniText, registered
// with Qt once.
namespace SettingsFile {

QSettings::Format Format();
std::unique_ptr<QSettings> Open(const QString &fileName);

// Whether the last reading of the file met lines it could not read. Qt drops everything a
// custom reader read when it reports an error, so the reader reports success and the
// damage comes this way; asking clears it.
bool TakeDamaged(const QString &fileName);

} // namespace SettingsFile
