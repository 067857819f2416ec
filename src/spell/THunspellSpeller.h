#pragma once

#include "spell/TAbstractSpeller.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <array>
#include <memory>

class Hunspell;

// The speller binding over Hunspell. Hunspell only judges single words: cutting the text
// into words, the option rules, the per-run lists and the custom dictionary are ours.
// Words go to Hunspell in the dictionary's own encoding (its SET line), whatever that is.
//
// Construction reads the dictionary and touches no widget, so it may run on a worker
// thread; afterwards one thread at a time uses the object.
class THunspellSpeller : public TAbstractSpeller
{
    Q_DECLARE_TR_FUNCTIONS(THunspellSpeller)
public:
    static inline const QString CustomDictName = QStringLiteral("CUSTOM.DIC");

    // Throws ESpellError when the dictionary cannot be read or is damaged. The custom
    // dictionary CUSTOM.DIC in `customDictFolder` is created when missing; a problem with
    // it does not stop the binding (see CustomDictionaryProblem).
    THunspellSpeller(int languageId, int options, const QString &affPath, const QString &dicPath,
                     const QString &customDictFolder);
    ~THunspellSpeller() override;

    int VerifyFirst(QStringView text, int *errorLength, int *errorOffset) override;
    int VerifyNext(QStringView text, int *errorLength, int *errorOffset) override;
    void AddChangeOnce(const QString &word, const QString &replacement) override;
    void AddChangeAlways(const QString &word, const QString &replacement) override;
    void IgnoreAlways(const QString &word) override;
    void AddToCustomDictionary(const QString &word) override; // throws ESpellError
    void GetSuggestions(const QString &word, QStringList &list) override;
    QString GetReplacement() override { return m_replacement; }
    QString GetErrorWord() override { return m_errorWord; }
    bool IsCorrect(const QString &word) override;
    QList<Error> FindErrors(QStringView text) override;

    // The text of a problem met reading the custom dictionary at creation, empty if none.
    QString CustomDictionaryProblem() const { return m_customProblem; }
    QString CustomDictionaryPath() const { return m_customPath; }
    QString DictionaryPath() const { return m_dicPath; }
    // The dictionary's encoding as its SET line names it.
    QString Encoding() const { return m_encodingName; }

private:
    int verify(QStringView text, int *errorLength, int *errorOffset);
    // 0 when the word passes, else its status; `dotFollows`: a full stop comes right after
    // it (abbreviations are listed with theirs).
    int judge(QStringView word, bool dotFollows);
    bool passedOver(QStringView word) const;
    bool accepted(const QString &word);
    bool hunspellKnows(const QString &word);
    bool encode(QStringView word, std::string *out) const;
    QString decode(const std::string &bytes) const;
    void setUpEncoding(const QString &dicPath);
    void loadCustomDictionary();
    void addToEngine(const QString &word);

    std::unique_ptr<Hunspell> m_hunspell;
    QString m_dicPath, m_customPath, m_customProblem;
    QString m_encodingName;
    bool m_utf8 = true;
    std::array<char16_t, 256> m_fromByte{};  // 8-bit dictionaries: byte -> character
    QHash<char16_t, unsigned char> m_toByte; // and back
    QString m_innerChars;                    // the dictionary's WORDCHARS

    QSet<QString> m_custom, m_ignored;
    QHash<QString, QString> m_changeOnce, m_changeAlways;
    QHash<QString, bool> m_known;              // Hunspell's verdicts so far
    QHash<QString, QStringList> m_suggestions; // and its suggestions: a misspelling often recurs
    QString m_errorWord, m_replacement;
};
