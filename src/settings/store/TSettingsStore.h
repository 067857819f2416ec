#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

class QSettings;

// The per-user settings store: one INI file whose root stands for the program key. Keys
// are written with "\" (or "/") between sub-keys, e.g. "Options\TMainForm.MRUMan"; every
// value is text. The store itself only knows where the file is and how problems reach
// the user; reading and writing go through a TSettingsSession opened per operation.
class TSettingsStore
{
public:
    explicit TSettingsStore(QString fileName);

    // <generic config folder>/<ExeBase>/<ExeBase>.ini for this executable.
    static QString DefaultFileName();
    static QString DefaultFileName(const QString &exeBase);

    const QString &FileName() const { return m_fileName; }

    // A damaged or unwritable file would otherwise complain at every access: only the
    // first problem of a run is passed on to the handler. A problem met before a handler
    // exists waits for it; its text is made when it is passed on, so that a problem met
    // before the translations are loaded is told in the language chosen.
    using ProblemHandler = std::function<void(const QString &text)>;
    void SetProblemHandler(ProblemHandler handler);
    void ReportProblem(const QString &text);
    void ReportProblem(std::function<QString()> text);
    bool ProblemReported() const { return m_reported; }

    // A settings file larger than this is not parsed: it is set aside and the program
    // starts with its defaults.
    static constexpr qint64 MaxFileSize = 4 * 1024 * 1024;
    // Whether the file may be read and written: false (reported once) when it is, or leads
    // to, a device, FIFO, socket or folder. An oversized file is renamed aside first.
    bool CheckFile();

private:
    QString m_fileName;
    ProblemHandler m_handler;
    std::function<QString()> m_pending;
    bool m_reported = false;
};

// One connection to the store, open for one Restore, Save or direct access. Changes are
// written to the file by Close() (errors thrown as TError) or, if an error ended the
// operation early, by the destructor (what was changed before the error stays changed).
class TSettingsSession
{
public:
    explicit TSettingsSession(TSettingsStore &store);
    ~TSettingsSession();
    TSettingsSession(const TSettingsSession &) = delete;
    TSettingsSession &operator=(const TSettingsSession &) = delete;

    TSettingsStore &Store() const { return m_store; }

    // The value's text up to its first zero character; `fallback` when the key or the
    // value is missing. A value that is not text throws "Invalid data type for '<name>'".
    QString ReadString(const QString &key, const QString &name, const QString &fallback = {}) const;
    bool ValueExists(const QString &key, const QString &name) const;
    QStringList ValueNames(const QString &key) const;
    bool KeyExists(const QString &key) const;

    // Writing throws "Failed to set data for '<name>'" when the file cannot be written. A
    // settings file refused by CheckFile() reads as empty and cannot be written.
    void WriteString(const QString &key, const QString &name, const QString &value);
    void DeleteValue(const QString &key, const QString &name); // a missing value is no error
    void DeleteKey(const QString &key);                          // with everything below it

    void Close();

private:
    QString path(const QString &key, const QString &name = {}) const;
    bool usable() const { return m_settings != nullptr; }
    void beforeChange(const QString &name);

    TSettingsStore &m_store;
    std::unique_ptr<QSettings> m_settings;
    QString m_firstChange; // the name reported when writing the file fails
    bool m_writableChecked = false;
    bool m_writable = false;
    bool m_closed = false;
};
