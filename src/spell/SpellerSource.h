#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

class QThread;
class QWidget;
class TAbstractSpeller;
class TPrompts;
class TSettingsStore;

// The program's one Czech speller, shared by the spelling check (F7) and the check as you
// type, so that a word added or skipped in one counts in the other. The dictionary is read
// either now (the first F7) or on a worker thread (checking as you type at start); a read
// in progress is waited for rather than done twice.
class SpellerSource : public QObject
{
    Q_OBJECT
public:
    // `settings` may be null: the default settings file's folder then holds CUSTOM.DIC and
    // no dictionary path is stored. A custom dictionary that cannot be read is reported
    // once, through `prompts`, when the speller is made.
    SpellerSource(TSettingsStore *settings, TPrompts *prompts, QWidget *window, QObject *parent = nullptr);
    ~SpellerSource() override;

    static constexpr int Language = 1029;
    static constexpr int Options = 0x000F;

    // The speller when it has been read, else null.
    TAbstractSpeller *Speller() const { return m_speller.get(); }
    std::shared_ptr<TAbstractSpeller> SharedSpeller() const { return m_speller; }
    bool IsLoading() const { return m_thread != nullptr; }

    // Starts reading the dictionary on a worker thread unless it is read or being read.
    // Loaded or LoadFailed follows.
    void LoadInBackground();
    // The speller, read now if need be (waiting for a read in progress). Throws
    // ESpellError (or TError) when it cannot be made; the next call tries again.
    std::shared_ptr<TAbstractSpeller> Load();
    // Load, as an object of its own for an owner that wants one (the spelling check); it
    // forwards to the shared speller and keeps it alive.
    std::unique_ptr<TAbstractSpeller> LoadHandle();

    // The folders searched after $DICPATH and the user's data folder (the system's
    // dictionary folders unless set otherwise, as tests do).
    void SetSystemDictionaryFolders(const QStringList &folders) { m_systemFolders = folders; }

signals:
    void Loaded();
    // `notInstalled`: the language has no dictionary on this machine (no fault of a file).
    void LoadFailed(const QString &message, bool notInstalled);
    // A word was added to the custom dictionary or to a list of the run through a handle.
    void ListsChanged();

private:
    struct Request;
    struct Result;
    Request request() const;
    void adopt(); // takes over what the worker made
    void took(std::shared_ptr<TAbstractSpeller> speller, const QString &customProblem);

    TSettingsStore *m_settings;
    TPrompts *m_prompts;
    QWidget *m_window;
    QStringList m_systemFolders;
    std::shared_ptr<TAbstractSpeller> m_speller;
    QThread *m_thread = nullptr;
    std::shared_ptr<Result> m_result; // written by the worker, read after it ended
};
