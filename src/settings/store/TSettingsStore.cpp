#include "settings/store/TSettingsStore.h"

#include "common/SafeFile.h"
#include "common/TErrorText.h"
#include "common/TFileErrors.h"
#include "settings/store/SettingsFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cerrno>

namespace {
// The system's reason why the file cannot be read, asked again right away.
int readError(const QString &fileName)
{
    QFile file(fileName);
    errno = 0;
    return file.open(QIODevice::ReadOnly) ? 0 : errno;
}
} // namespace

TSettingsStore::TSettingsStore(QString fileName) : m_fileName(std::move(fileName)) {}

QString TSettingsStore::DefaultFileName()
{
    return DefaultFileName(ExeBaseName(QCoreApplication::applicationFilePath()));
}

QString TSettingsStore::DefaultFileName(const QString &exeBase)
{
    const QString base = exeBase.isEmpty() ? QStringLiteral("quortosk") : exeBase;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QLatin1Char('/')
           + base + QLatin1Char('/') + base + QStringLiteral(".ini");
}

void TSettingsStore::SetProblemHandler(ProblemHandler handler)
{
    m_handler = std::move(handler);
    if (m_handler && m_pending) {
        const auto text = std::exchange(m_pending, nullptr);
        m_handler(text());
    }
}

void TSettingsStore::ReportProblem(const QString &text)
{
    ReportProblem([text] { return text; });
}

void TSettingsStore::ReportProblem(std::function<QString()> text)
{
    if (m_reported)
        return;
    m_reported = true;
    if (m_handler)
        m_handler(text());
    else
        m_pending = std::move(text);
}

bool TSettingsStore::CheckFile()
{
    const QString problem = SafeFile::WriteProblem(m_fileName);
    if (!problem.isEmpty()) {
        ReportProblem(QCoreApplication::translate("TSettingsStore",
                                                  "Nastavení nelze číst ani ukládat: %1")
                          .arg(problem));
        return false;
    }
    const QFileInfo info(m_fileName);
    if (info.exists() && info.size() > MaxFileSize) {
        // Kept aside, not overwritten: the user may want what is in it.
        QString aside = m_fileName + QStringLiteral(".too-large");
        for (int n = 2; QFileInfo::exists(aside); ++n)
            aside = m_fileName + QStringLiteral(".too-large-%1").arg(n);
        if (!QFile::rename(m_fileName, aside)) {
            ReportProblem(QCoreApplication::translate("TSettingsStore",
                                                      "Soubor nastavení %1 je příliš velký a nelze jej "
                                                      "odložit; nastavení se nenačte ani neuloží.")
                              .arg(QDir::toNativeSeparators(m_fileName)));
            return false;
        }
        ReportProblem(QCoreApplication::translate("TSettingsStore",
                                                  "Soubor nastavení %1 je příliš velký (%2 MB): byl odložen "
                                                  "jako %3 a program začíná s výchozím nastavením.")
                          .arg(QDir::toNativeSeparators(m_fileName))
                          .arg(info.size() / (1024 * 1024))
                          .arg(QDir::toNativeSeparators(aside)));
    }
    return true;
}

TSettingsSession::TSettingsSession(TSettingsStore &store) : m_store(store)
{
    if (!store.CheckFile())
        return; // reads as empty, takes no changes
    m_settings = SettingsFile::Open(store.FileName());
    // Sections are parsed on first use; parsing them all now tells whether the file is
    // damaged. What could be read is used.
    m_settings->sync();
    m_settings->allKeys();
    QSettings::Status status = m_settings->status();
    if (SettingsFile::TakeDamaged(store.FileName()) && status == QSettings::NoError)
        status = QSettings::FormatError;
    switch (status) {
    case QSettings::NoError:
        break;
    case QSettings::FormatError:
        store.ReportProblem([name = QDir::toNativeSeparators(store.FileName())] {
            return QCoreApplication::translate("TSettingsStore",
                                               "Settings file '%1' is damaged; the values that "
                                               "could not be read keep their defaults")
                .arg(name);
        });
        break;
    case QSettings::AccessError:
        store.ReportProblem([name = store.FileName(), error = readError(store.FileName())] {
            return FileErrors::WithReason(
                QCoreApplication::translate("TSettingsStore", "Cannot read settings file '%1'")
                    .arg(QDir::toNativeSeparators(name)),
                error, FileErrors::Access::Read);
        });
        break;
    }
}

TSettingsSession::~TSettingsSession() = default; // QSettings writes pending changes

QString TSettingsSession::path(const QString &key, const QString &name) const
{
    QString p = key;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    while (p.startsWith(QLatin1Char('/')))
        p.remove(0, 1);
    while (p.endsWith(QLatin1Char('/')))
        p.chop(1);
    if (name.isEmpty())
        return p;
    return p.isEmpty() ? name : p + QLatin1Char('/') + name;
}

QString TSettingsSession::ReadString(const QString &key, const QString &name, const QString &fallback) const
{
    const QString p = path(key, name);
    if (!usable() || !m_settings->contains(p))
        return fallback;
    const QVariant value = m_settings->value(p);
    QString text;
    if (value.typeId() == QMetaType::QString)
        text = value.toString();
    else if (value.typeId() == QMetaType::QStringList) // a hand-written quoted list
        text = value.toStringList().join(QStringLiteral(", "));
    else
        throw TError(QCoreApplication::translate("TSettingsStore", "Invalid data type for '%1'").arg(name));
    const qsizetype zero = text.indexOf(QChar(0));
    if (zero >= 0)
        text.truncate(zero);
    return text;
}

bool TSettingsSession::ValueExists(const QString &key, const QString &name) const
{
    return usable() && m_settings->contains(path(key, name));
}

QStringList TSettingsSession::ValueNames(const QString &key) const
{
    if (!usable())
        return {};
    m_settings->beginGroup(path(key));
    QStringList names = m_settings->childKeys();
    m_settings->endGroup();
    return names;
}

bool TSettingsSession::KeyExists(const QString &key) const
{
    if (!usable())
        return false;
    m_settings->beginGroup(path(key));
    const bool exists = !m_settings->allKeys().isEmpty();
    m_settings->endGroup();
    return exists;
}

void TSettingsSession::beforeChange(const QString &name)
{
    if (m_firstChange.isEmpty())
        m_firstChange = name;
    if (!m_writableChecked) {
        m_writableChecked = true;
        m_writable = usable() && m_settings->isWritable();
    }
    if (!m_writable)
        throw TError(QCoreApplication::translate("TSettingsStore", "Failed to set data for '%1'").arg(name));
}

void TSettingsSession::WriteString(const QString &key, const QString &name, const QString &value)
{
    beforeChange(name);
    m_settings->setValue(path(key, name), value);
}

void TSettingsSession::DeleteValue(const QString &key, const QString &name)
{
    const QString p = path(key, name);
    if (!usable() || !m_settings->contains(p))
        return;
    beforeChange(name);
    // QSettings removes sub-keys of the same name along with the value; keep them.
    m_settings->beginGroup(p);
    QList<QPair<QString, QVariant>> below;
    for (const QString &k : m_settings->allKeys())
        below.append({k, m_settings->value(k)});
    m_settings->endGroup();
    m_settings->remove(p);
    for (const auto &[k, v] : below)
        m_settings->setValue(p + QLatin1Char('/') + k, v);
}

void TSettingsSession::DeleteKey(const QString &key)
{
    if (!KeyExists(key))
        return;
    beforeChange(key);
    m_settings->beginGroup(path(key));
    m_settings->remove(QString()); // everything in the group and below
    m_settings->endGroup();
}

void TSettingsSession::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (!usable())
        return;
    m_settings->sync();
    if (m_settings->status() == QSettings::AccessError && !m_firstChange.isEmpty())
        throw TError(
            QCoreApplication::translate("TSettingsStore", "Failed to set data for '%1'").arg(m_firstChange));
}
