#include "spell/SpellerSource.h"

#include "common/TPrompts.h"
#include "spell/SpellDictionaries.h"
#include "spell/THunspellSpeller.h"

#include <QPointer>
#include <QProcessEnvironment>
#include <QThread>

#include <new>

namespace {

class TSpellerHandle : public TAbstractSpeller
{
public:
    TSpellerHandle(std::shared_ptr<TAbstractSpeller> s, std::function<void()> changed)
        : TAbstractSpeller(s->Language(), s->Options()), m_s(std::move(s)), m_changed(std::move(changed))
    {}
    int VerifyFirst(QStringView text, int *errorLength, int *errorOffset) override
    {
        return m_s->VerifyFirst(text, errorLength, errorOffset);
    }
    int VerifyNext(QStringView text, int *errorLength, int *errorOffset) override
    {
        return m_s->VerifyNext(text, errorLength, errorOffset);
    }
    void AddChangeOnce(const QString &word, const QString &replacement) override
    {
        m_s->AddChangeOnce(word, replacement);
        m_changed();
    }
    void AddChangeAlways(const QString &word, const QString &replacement) override
    {
        m_s->AddChangeAlways(word, replacement);
        m_changed();
    }
    void IgnoreAlways(const QString &word) override
    {
        m_s->IgnoreAlways(word);
        m_changed();
    }
    void AddToCustomDictionary(const QString &word) override
    {
        m_s->AddToCustomDictionary(word);
        m_changed();
    }
    void GetSuggestions(const QString &word, QStringList &list) override { m_s->GetSuggestions(word, list); }
    QString GetReplacement() override { return m_s->GetReplacement(); }
    QString GetErrorWord() override { return m_s->GetErrorWord(); }
    bool IsCorrect(const QString &word) override { return m_s->IsCorrect(word); }
    QList<Error> FindErrors(QStringView text) override { return m_s->FindErrors(text); }

private:
    std::shared_ptr<TAbstractSpeller> m_s;
    std::function<void()> m_changed;
};

} // namespace

struct SpellerSource::Request
{
    QString storedPath;
    QStringList folders;
    QString customFolder;

    std::unique_ptr<THunspellSpeller> open() const
    {
        return SpellDictionaries::Open(Language, Options, storedPath, folders, customFolder);
    }
};

struct SpellerSource::Result
{
    std::unique_ptr<THunspellSpeller> speller;
    QString error;
    bool notInstalled = false;
};

SpellerSource::SpellerSource(TSettingsStore *settings, TPrompts *prompts, QWidget *window, QObject *parent)
    : QObject(parent), m_settings(settings), m_prompts(prompts), m_window(window),
      m_systemFolders(SpellDictionaries::SystemFolders())
{}

SpellerSource::~SpellerSource()
{
    // The worker only reads files; it is let finish (a fraction of a second).
    if (m_thread) {
        m_thread->wait();
        delete m_thread;
    }
}

SpellerSource::Request SpellerSource::request() const
{
    // The settings are read here, on the thread that owns them.
    return {SpellDictionaries::StoredPath(m_settings),
            SpellDictionaries::SearchFolders(QProcessEnvironment::systemEnvironment(), m_systemFolders),
            SpellDictionaries::ConfigFolder(m_settings)};
}

void SpellerSource::LoadInBackground()
{
    if (m_speller || m_thread)
        return;
    Request req;
    try {
        req = request();
    } catch (const TError &e) {
        emit LoadFailed(e.message(), false);
        return;
    }
    auto result = std::make_shared<Result>();
    m_result = result;
    m_thread = QThread::create([result, req] {
        try {
            result->speller = req.open();
        } catch (const ESpellError &e) {
            result->error = e.message();
            result->notInstalled = e.kind() == ESpellError::NotInstalled;
        } catch (const TError &e) {
            result->error = e.message();
        } catch (const std::bad_alloc &) {
            result->error = tr("Na slovník pro kontrolu pravopisu nezbývá paměť.");
        } catch (...) {
            // Nothing may leave the worker: the program would end.
            result->error = tr("Slovník pro kontrolu pravopisu nelze načíst.");
        }
    });
    m_thread->setObjectName(QStringLiteral("SpellerLoader"));
    connect(m_thread, &QThread::finished, this, &SpellerSource::adopt, Qt::QueuedConnection);
    m_thread->start(QThread::LowPriority);
}

void SpellerSource::adopt()
{
    if (!m_thread)
        return; // already taken over by Load
    m_thread->wait();
    delete m_thread;
    m_thread = nullptr;
    const std::shared_ptr<Result> result = std::move(m_result);
    if (result->speller) {
        const QString problem = result->speller->CustomDictionaryProblem();
        took(std::shared_ptr<TAbstractSpeller>(std::move(result->speller)), problem);
    } else {
        emit LoadFailed(result->error, result->notInstalled);
    }
}

void SpellerSource::took(std::shared_ptr<TAbstractSpeller> speller, const QString &customProblem)
{
    m_speller = std::move(speller);
    // A custom dictionary that cannot be read is reported; the checks go on without it.
    if (!customProblem.isEmpty())
        m_prompts->ShowError(m_window, customProblem);
    emit Loaded();
}

std::shared_ptr<TAbstractSpeller> SpellerSource::Load()
{
    if (m_thread) {
        const std::shared_ptr<Result> result = m_result;
        adopt();
        if (!m_speller)
            throw ESpellError(result->error,
                              result->notInstalled ? ESpellError::NotInstalled : ESpellError::Failure);
    }
    if (!m_speller) {
        std::unique_ptr<THunspellSpeller> speller = request().open();
        const QString problem = speller->CustomDictionaryProblem();
        took(std::shared_ptr<TAbstractSpeller>(std::move(speller)), problem);
    }
    return m_speller;
}

std::unique_ptr<TAbstractSpeller> SpellerSource::LoadHandle()
{
    QPointer<SpellerSource> source(this);
    return std::make_unique<TSpellerHandle>(Load(), [source] {
        if (source)
            emit source->ListsChanged();
    });
}
