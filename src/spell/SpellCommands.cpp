#include "spell/SpellCommands.h"

#include "common/TPrompts.h"
#include "spell/SpellDictionaries.h"
#include "spell/SpellerSource.h"
#include "spell/THunspellSpeller.h"
#include "spell/TSpellChecker.h"

SpellCommands::SpellCommands(std::function<TRxRichEdit *()> activeEditor, TPrompts *prompts, QWidget *window,
                             TSettingsStore *settings, QObject *parent)
    : QObject(parent), m_activeEditor(std::move(activeEditor)), m_prompts(prompts), m_window(window),
      m_settings(settings), m_systemFolders(SpellDictionaries::SystemFolders()),
      m_source(new SpellerSource(settings, prompts, window, this))
{
    auto factory = [this](int languageId, int options) -> std::unique_ptr<TAbstractSpeller> {
        if (languageId == SpellerSource::Language && options == SpellerSource::Options)
            return m_source->LoadHandle();
        const QString stored = SpellDictionaries::StoredPath(m_settings);
        const QStringList folders =
            SpellDictionaries::SearchFolders(QProcessEnvironment::systemEnvironment(), m_systemFolders);
        auto speller = SpellDictionaries::Open(languageId, options, stored, folders,
                                               SpellDictionaries::ConfigFolder(m_settings));
        // A custom dictionary that cannot be read is reported; the check goes on without it.
        if (!speller->CustomDictionaryProblem().isEmpty())
            m_prompts->ShowError(m_window, speller->CustomDictionaryProblem());
        return speller;
    };
    m_speller = new TSpellChecker(factory, prompts, window, this);
}

SpellCommands::~SpellCommands() = default;

void SpellCommands::SetSystemDictionaryFolders(const QStringList &folders)
{
    m_systemFolders = folders;
    m_source->SetSystemDictionaryFolders(folders);
}

void SpellCommands::mmSpellClick()
{
    if (TRxRichEdit *editor = m_activeEditor ? m_activeEditor() : nullptr)
        m_speller->Check(editor);
}
