#pragma once

#include "common/TErrorText.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The error raised by a speller binding. `NotInstalled` marks the one failure that is no
// fault of a file: the language has no dictionary on this machine.
class ESpellError : public TError
{
public:
    enum Kind { Failure, NotInstalled };
    explicit ESpellError(QString message, Kind kind = Failure) : TError(std::move(message)), m_kind(kind) {}
    Kind kind() const { return m_kind; }

private:
    Kind m_kind;
};

// One speller engine for one language, as the spell checker uses it. Texts are handed
// over as editor characters; offsets and lengths come back in the same units.
// An object is used from one thread at a time; it may be made on another thread than the
// one that uses it.
class TAbstractSpeller
{
public:
    // Status codes of verification.
    enum Status {
        scNoErrors = 0,
        scUnknownInputWord = 1,
        scReturningChangeAlways = 2,
        scReturningChangeOnce = 3,
        scInvalidHyphenation = 4,
        scErrorCapitalization = 5,
        scWordConsideredAbbreviation = 6,
        scNoMoreSuggestions = 8,
        scNoSentenceStartCap = 10,
        scRepeatWord = 11,
        scExtraSpaces = 12,
        scMissingSpace = 13,
        scInitialNumeral = 14,
    };

    // Bits of the options word.
    enum Option {
        spoSuggestFromUserDict = 0x0001,
        spoIgnoreAllCaps = 0x0002,
        spoIgnoreMixedDigits = 0x0004,
        spoIgnoreRomanNumerals = 0x0008,
        spoFindUncappedSentences = 0x0010,
        spoFindMissingSpaces = 0x0020,
        spoFindRepeatWord = 0x0040,
        spoFindExtraSpaces = 0x0080,
        spoFindSpacesBeforePunc = 0x0100,
        spoFindSpacesAfterPunc = 0x0200,
        spoRateSuggestions = 0x0400,
        spoFindInitialNumerals = 0x0800,
    };
    // The program's choice: suggestions from the custom dictionary too; words in capitals,
    // words with digits and Roman numerals pass.
    static constexpr int DefaultOptions = 0x000F;
    static constexpr int Czech = 1029;

    TAbstractSpeller(int languageId, int options) : m_language(languageId), m_options(options) {}
    virtual ~TAbstractSpeller() = default;
    TAbstractSpeller(const TAbstractSpeller &) = delete;
    TAbstractSpeller &operator=(const TAbstractSpeller &) = delete;

    int Language() const { return m_language; }
    int Options() const { return m_options; }

    // Verifies text (a line or the rest of one) up to its first error. Returns the status
    // (0 when there is none); with an error also its offset and length in the text.
    // VerifyNext is used for text that continues the text verified before.
    virtual int VerifyFirst(QStringView text, int *errorLength, int *errorOffset) = 0;
    virtual int VerifyNext(QStringView text, int *errorLength, int *errorOffset) = 0;

    // Per-run lists: a word changed once comes back with status 3, a word changed always
    // with status 2, each with its replacement; an ignored word passes.
    virtual void AddChangeOnce(const QString &word, const QString &replacement) = 0;
    virtual void AddChangeAlways(const QString &word, const QString &replacement) = 0;
    virtual void IgnoreAlways(const QString &word) = 0;
    // The custom dictionary outlasts the program.
    virtual void AddToCustomDictionary(const QString &word) = 0;

    // Suggestions for a word in the engine's order, without duplicates.
    virtual void GetSuggestions(const QString &word, QStringList &list) = 0;
    // The replacement returned with the last status 2 or 3, and the last error's text.
    virtual QString GetReplacement() = 0;
    virtual QString GetErrorWord() = 0;

    // One word judged as verification would judge it, without touching the last error.
    virtual bool IsCorrect(const QString &word) = 0;

    // Every error of a text, as verifying it piece after piece would report them: for the
    // check as you type, which runs between the steps of a spelling check. A binding
    // leaves the last error (GetErrorWord, GetReplacement) as it was; this fallback cannot.
    struct Error
    {
        int offset = 0, length = 0, status = 0;
        bool operator==(const Error &) const = default;
    };
    virtual QList<Error> FindErrors(QStringView text)
    {
        QList<Error> errors;
        for (int pos = 0; pos < text.size();) {
            int length = 0, offset = 0;
            const int status = VerifyNext(text.sliced(pos), &length, &offset);
            if (status == scNoErrors)
                break;
            errors.append({pos + offset, length, status});
            pos += offset + qMax(1, length);
        }
        return errors;
    }

private:
    int m_language;
    int m_options;
};
