#include "spell/THunspellSpeller.h"

#include "spell/SpellWords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <hunspell.hxx>

namespace {

constexpr qsizetype MaxCachedWords = 200000;

QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

// Qt's name for an encoding named on a dictionary's SET line.
QString qtEncodingName(QString name)
{
    name = name.trimmed();
    if (name.startsWith(QLatin1String("ISO8859-"), Qt::CaseInsensitive))
        return QStringLiteral("ISO-8859-") + name.mid(8);
    if (name.compare(QLatin1String("microsoft-cp1251"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("windows-1251");
    if (name.compare(QLatin1String("TIS620-2533"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("TIS-620");
    return name;
}

// A file that Hunspell would read without a word of complaint but to no use: missing,
// unreadable, not a file, or not a dictionary at all. Hunspell only prints such problems.
QString dictionaryFileProblem(const QString &path, bool isDic)
{
    const QFileInfo fi(path);
    if (!fi.exists())
        return THunspellSpeller::tr("soubor %1 chybí").arg(native(path));
    QFile f(path);
    if (!fi.isFile() || !f.open(QIODevice::ReadOnly))
        return THunspellSpeller::tr("soubor %1 nelze číst").arg(native(path));
    const QByteArray head = f.read(64 * 1024);
    if (head.contains('\0'))
        return THunspellSpeller::tr("soubor %1 není textový").arg(native(path));
    if (isDic) {
        // The first line of a word list is the number of its words.
        QByteArray first = head.left(head.indexOf('\n')).trimmed();
        if (first.startsWith("\xEF\xBB\xBF"))
            first = first.mid(3).trimmed();
        bool ok = false;
        const int count = first.toInt(&ok);
        if (!ok || count < 1)
            return THunspellSpeller::tr("soubor %1 nezačíná počtem slov").arg(native(path));
    }
    return {};
}

} // namespace

THunspellSpeller::THunspellSpeller(int languageId, int options, const QString &affPath,
                                   const QString &dicPath, const QString &customDictFolder)
    : TAbstractSpeller(languageId, options), m_dicPath(dicPath)
{
    for (const auto &[path, isDic] : {std::pair{affPath, false}, std::pair{dicPath, true}}) {
        const QString problem = dictionaryFileProblem(path, isDic);
        if (!problem.isEmpty())
            throw ESpellError(tr("Slovník pro kontrolu pravopisu %1 je poškozený nebo nečitelný: %2")
                                  .arg(native(dicPath), problem));
    }
    m_hunspell = std::make_unique<Hunspell>(QFile::encodeName(affPath).constData(),
                                            QFile::encodeName(dicPath).constData());
    setUpEncoding(dicPath);
    const std::string &wordChars = m_hunspell->get_wordchars_cpp();
    for (const QChar c : decode(wordChars))
        if (!SpellWords::IsWordChar(c))
            m_innerChars.append(c);

    m_customPath = QDir(customDictFolder).filePath(CustomDictName);
    loadCustomDictionary();
}

THunspellSpeller::~THunspellSpeller() = default;

void THunspellSpeller::setUpEncoding(const QString &dicPath)
{
    m_encodingName = QString::fromStdString(m_hunspell->get_dict_encoding()).trimmed();
    if (m_encodingName.compare(QLatin1String("UTF-8"), Qt::CaseInsensitive) == 0) {
        m_utf8 = true;
        return;
    }
    m_utf8 = false;
    // Hunspell's other encodings are all single-byte: one table each way.
    QStringDecoder decoder(qtEncodingName(m_encodingName).toLatin1().constData());
    QByteArray all(256, Qt::Uninitialized);
    for (int b = 0; b < 256; ++b)
        all[b] = char(b);
    const QString chars = decoder.isValid() ? decoder.decode(all) : QString();
    if (!decoder.isValid() || chars.size() != 256)
        throw ESpellError(
            tr("Slovník %1 používá kódování %2, které program nezná").arg(native(dicPath), m_encodingName));
    for (int b = 0; b < 256; ++b) {
        const char16_t c = chars.at(b).unicode();
        m_fromByte[b] = c;
        if (c != QChar::ReplacementCharacter && !m_toByte.contains(c))
            m_toByte.insert(c, uchar(b));
    }
}

bool THunspellSpeller::encode(QStringView word, std::string *out) const
{
    if (m_utf8) {
        const QByteArray bytes = word.toUtf8();
        out->assign(bytes.constData(), size_t(bytes.size()));
        return true;
    }
    out->resize(size_t(word.size()));
    for (qsizetype i = 0; i < word.size(); ++i) {
        const auto it = m_toByte.constFind(word[i].unicode());
        if (it == m_toByte.cend())
            return false; // the dictionary cannot hold this word
        (*out)[size_t(i)] = char(*it);
    }
    return true;
}

QString THunspellSpeller::decode(const std::string &bytes) const
{
    if (m_utf8)
        return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
    QString s(qsizetype(bytes.size()), Qt::Uninitialized);
    for (size_t i = 0; i < bytes.size(); ++i)
        s[qsizetype(i)] = QChar(m_fromByte[uchar(bytes[i])]);
    return s;
}

// ---- custom dictionary ----

void THunspellSpeller::loadCustomDictionary()
{
    const QFileInfo fi(m_customPath);
    if (!fi.exists()) {
        QFile f(m_customPath);
        if (!QDir().mkpath(fi.absolutePath()) || !f.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            m_customProblem =
                tr("Vlastní slovník %1 nelze vytvořit: %2").arg(native(m_customPath), f.errorString());
        return;
    }
    QFile f(m_customPath);
    if (!fi.isFile() || !f.open(QIODevice::ReadOnly)) {
        m_customProblem = tr("Vlastní slovník %1 nelze číst").arg(native(m_customPath));
        return;
    }
    const QByteArray bytes = f.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8.decode(bytes);
    if (utf8.hasError() || bytes.contains('\0'))
        m_customProblem = tr("Vlastní slovník %1 je poškozený (není to text v kódování UTF-8); "
                             "slova s chybnými znaky se nenačetla")
                              .arg(native(m_customPath));
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        line = line.trimmed();
        if (line.isEmpty() || line.contains(QChar::ReplacementCharacter) || line.contains(QChar(0)))
            continue;
        const QString word = line.toString();
        if (!m_custom.contains(word)) {
            m_custom.insert(word);
            addToEngine(word);
        }
    }
}

void THunspellSpeller::addToEngine(const QString &word)
{
    // Given to Hunspell only to be offered among its suggestions.
    std::string bytes;
    if ((Options() & spoSuggestFromUserDict) && encode(word, &bytes))
        m_hunspell->add(bytes);
}

void THunspellSpeller::AddToCustomDictionary(const QString &word)
{
    const QString w = word.trimmed();
    if (w.isEmpty() || w.contains(QLatin1Char('\n')) || w.contains(QLatin1Char('\r')) || m_custom.contains(w))
        return;
    auto fail = [&](const QString &why) {
        throw ESpellError(
            tr("Slovo „%1“ nelze uložit do vlastního slovníku %2: %3").arg(w, native(m_customPath), why));
    };
    const QFileInfo fi(m_customPath);
    if (fi.exists() && !fi.isFile())
        fail(tr("není to obyčejný soubor"));
    // The whole file is written anew and renamed into place: an interrupted write never
    // leaves half a list.
    QByteArray bytes;
    if (fi.exists()) {
        QFile f(m_customPath);
        if (!f.open(QIODevice::ReadOnly))
            fail(f.errorString());
        bytes = f.readAll();
    }
    if (!bytes.isEmpty() && !bytes.endsWith('\n'))
        bytes.append('\n');
    bytes.append(w.toUtf8()).append('\n');
    QDir().mkpath(fi.absolutePath());
    QSaveFile out(m_customPath);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        fail(out.errorString());
    m_custom.insert(w);
    addToEngine(w);
    m_known.clear();
    m_suggestions.clear();
}

// ---- per-run lists ----

void THunspellSpeller::AddChangeOnce(const QString &word, const QString &replacement)
{
    m_changeOnce.insert(word, replacement);
}

void THunspellSpeller::AddChangeAlways(const QString &word, const QString &replacement)
{
    m_changeOnce.remove(word);
    m_changeAlways.insert(word, replacement);
}

void THunspellSpeller::IgnoreAlways(const QString &word)
{
    m_ignored.insert(word);
}

// ---- verification ----

bool THunspellSpeller::passedOver(QStringView word) const
{
    if (!SpellWords::HasLetter(word))
        return true; // numbers are no words
    const int o = Options();
    return ((o & spoIgnoreAllCaps) && SpellWords::IsAllCaps(word))
           || ((o & spoIgnoreMixedDigits) && SpellWords::MixesDigits(word))
           || ((o & spoIgnoreRomanNumerals) && SpellWords::IsRomanNumeral(word));
}

bool THunspellSpeller::hunspellKnows(const QString &word)
{
    const auto it = m_known.constFind(word);
    if (it != m_known.cend())
        return *it;
    std::string bytes;
    const bool known = encode(word, &bytes) && m_hunspell->spell(bytes);
    if (m_known.size() >= MaxCachedWords)
        m_known.clear();
    m_known.insert(word, known);
    return known;
}

bool THunspellSpeller::accepted(const QString &word)
{
    return m_ignored.contains(word) || m_custom.contains(word) || hunspellKnows(word);
}

int THunspellSpeller::judge(QStringView view, bool dotFollows)
{
    if (passedOver(view))
        return scNoErrors;
    const QString word = view.toString();
    const auto always = m_changeAlways.constFind(word);
    if (always != m_changeAlways.cend()) {
        m_replacement = *always;
        return scReturningChangeAlways;
    }
    const auto once = m_changeOnce.constFind(word);
    if (once != m_changeOnce.cend()) {
        m_replacement = *once;
        return scReturningChangeOnce;
    }
    if (accepted(word) || (dotFollows && hunspellKnows(word + QLatin1Char('.'))))
        return scNoErrors;
    return scUnknownInputWord;
}

int THunspellSpeller::verify(QStringView text, int *errorLength, int *errorOffset)
{
    auto report = [&](int status, qsizetype start, qsizetype end) {
        *errorOffset = int(start);
        *errorLength = int(end - start);
        m_errorWord = text.sliced(start, end - start).toString();
        if (status == scUnknownInputWord)
            m_replacement.clear();
        return status;
    };
    auto dotAt = [&](qsizetype i) { return i < text.size() && text[i] == QLatin1Char('.'); };
    qsizetype pos = 0, start = 0, end = 0;
    while (SpellWords::NextWord(text, pos, m_innerChars, &start, &end)) {
        // Words joined by hyphens ("e-mail", "česko-slovenský") are tried whole first: the
        // dictionary lists many such; the others are judged part by part.
        qsizetype joined = end;
        while (joined + 1 < text.size() && text[joined] == QLatin1Char('-')
               && SpellWords::IsWordChar(text[joined + 1])) {
            qsizetype s = 0, e = 0;
            SpellWords::NextWord(text, joined + 1, m_innerChars, &s, &e);
            joined = e;
        }
        if (joined > end) {
            const int status = judge(text.sliced(start, joined - start), dotAt(joined));
            if (status == scNoErrors) {
                pos = joined;
                continue;
            }
            if (status != scUnknownInputWord)
                return report(status, start, joined);
        }
        pos = end;
        const int status = judge(text.sliced(start, end - start), dotAt(end));
        if (status != scNoErrors)
            return report(status, start, end);
    }
    return scNoErrors;
}

int THunspellSpeller::VerifyFirst(QStringView text, int *errorLength, int *errorOffset)
{
    return verify(text, errorLength, errorOffset);
}

int THunspellSpeller::VerifyNext(QStringView text, int *errorLength, int *errorOffset)
{
    // No rule of ours looks across the end of the text verified before.
    return verify(text, errorLength, errorOffset);
}

bool THunspellSpeller::IsCorrect(const QString &word)
{
    const QString error = m_errorWord, replacement = m_replacement;
    int length = 0, offset = 0;
    const int status = verify(word, &length, &offset);
    m_errorWord = error;
    m_replacement = replacement;
    return status == scNoErrors;
}

QList<TAbstractSpeller::Error> THunspellSpeller::FindErrors(QStringView text)
{
    const QString error = m_errorWord, replacement = m_replacement;
    QList<Error> errors;
    for (qsizetype pos = 0; pos < text.size();) {
        int length = 0, offset = 0;
        const int status = verify(text.sliced(pos), &length, &offset);
        if (status == scNoErrors)
            break;
        errors.append({int(pos) + offset, length, status});
        pos += offset + qMax(1, length);
    }
    m_errorWord = error;
    m_replacement = replacement;
    return errors;
}

void THunspellSpeller::GetSuggestions(const QString &word, QStringList &list)
{
    list.clear();
    const auto cached = m_suggestions.constFind(word);
    if (cached != m_suggestions.cend()) {
        list = *cached;
        return;
    }
    std::string bytes;
    if (word.isEmpty() || !encode(word, &bytes))
        return;
    for (const std::string &s : m_hunspell->suggest(bytes)) {
        const QString suggestion = decode(s);
        if (!suggestion.isEmpty() && !list.contains(suggestion))
            list.append(suggestion);
    }
    if (m_suggestions.size() >= 1000)
        m_suggestions.clear();
    m_suggestions.insert(word, list);
}
