// The Hunspell binding against the installed Czech dictionary and tiny dictionaries made
// here: verification, offsets, the option rules, the lists, the custom dictionary, the
// dictionary's own encoding and where dictionaries are looked for.
#include "TestFiles.h"
#include "spell/SpellDictionaries.h"
#include "spell/THunspellSpeller.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QTest>

#include <map>

namespace {

using S = TAbstractSpeller;

struct Result
{
    int status = 0, offset = -1, length = -1;
};

Result verify(TAbstractSpeller &sp, const QString &text)
{
    Result r;
    r.status = sp.VerifyFirst(text, &r.length, &r.offset);
    if (r.status == 0)
        r.offset = r.length = -1;
    return r;
}

QByteArray latin2(const QString &text)
{
    QStringEncoder enc("ISO-8859-2");
    QByteArray out = enc.encode(text);
    return out;
}

// A tiny ISO-8859-2 dictionary: five words, Czech letters in the TRY line.
void makeLatin2Dictionary(const QString &folder, const QString &extraAff = {})
{
    QVERIFY(TestFiles::WriteBytes(
        folder + "/cs_CZ.aff",
        latin2(QStringLiteral("SET ISO8859-2\nTRY ůňřěíáýžčšeaoiu\nMAP 2\nMAP uů\nMAP nň\n") + extraAff)));
    QVERIFY(TestFiles::WriteBytes(folder + "/cs_CZ.dic", latin2(QStringLiteral("5\nžluťoučký\nkůň\nřeřicha\núpěl\nďábel\n"))));
}

const QString SystemAff = QStringLiteral("/usr/share/hunspell/cs_CZ.aff");
const QString SystemDic = QStringLiteral("/usr/share/hunspell/cs_CZ.dic");

} // namespace

class TestHunspellSpeller : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    std::unique_ptr<THunspellSpeller> m_cs;
    std::map<int, std::unique_ptr<THunspellSpeller>> m_byOptions; // reading the dictionary takes a while

    std::unique_ptr<THunspellSpeller> czech(int options = S::DefaultOptions, const QString &folder = {})
    {
        return std::make_unique<THunspellSpeller>(S::Czech, options, SystemAff, SystemDic,
                                                  folder.isEmpty() ? m_config.path() : folder);
    }

private slots:
    void initTestCase();

    void knownWordsPass_data();
    void knownWordsPass();
    void misspeltWordIsFound_data();
    void misspeltWordIsFound();
    void suggestionsHoldTheWord_data();
    void suggestionsHoldTheWord();
    void optionRules_data();
    void optionRules();
    void lists();
    void listsLastOneRun();
    void customDictionaryOutlastsTheBinding();
    void customDictionaryKeepsOtherLines();
    void damagedCustomDictionary();
    void customDictionaryNotAFile();
    void eightBitDictionary();
    void wordCharsJoinWords();
    void damagedDictionary_data();
    void damagedDictionary();
    void lookupOrder_data();
    void lookupOrder();
    void searchFoldersFromEnvironment();
    void notInstalled();
    void findErrorsListsEveryError_data();
    void findErrorsListsEveryError();
};

void TestHunspellSpeller::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(m_config.isValid());
    if (!QFile::exists(SystemDic))
        QSKIP("the Czech dictionary (hunspell-cs) is not installed");
    m_cs = czech();
    QCOMPARE(m_cs->Encoding(), QStringLiteral("UTF-8"));
    QCOMPARE(m_cs->CustomDictionaryProblem(), QString());
    QVERIFY(QFile::exists(m_config.filePath(THunspellSpeller::CustomDictName))); // created when missing
}

void TestHunspellSpeller::findErrorsListsEveryError_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("errors");
    QTest::newRow("none") << "Příliš žluťoučký kůň úpěl ďábelské ódy." << QStringList();
    QTest::newRow("two") << "Ten pes přílš štěká a kočka mňoukaa." << QStringList{"přílš", "mňoukaa"};
    QTest::newRow("abbreviation without its full stop") << "např. a např" << QStringList{"např"};
    QTest::newRow("the wrong part of a hyphenated word") << "pes-xqzský kůň" << QStringList{"xqzský"};
    QTest::newRow("errors side by side") << "xqz,xqw" << QStringList{"xqz", "xqw"};
}

// The check as you type takes every error of the visible text at once, between two steps
// of a spelling check: the last error those steps read stays as it was.
void TestHunspellSpeller::findErrorsListsEveryError()
{
    QFETCH(QString, text);
    QFETCH(QStringList, errors);
    const Result before = verify(*m_cs, QStringLiteral("pes kůn"));
    QCOMPARE(before.status, 1);
    QStringList found;
    for (const TAbstractSpeller::Error &e : m_cs->FindErrors(text)) {
        QCOMPARE(e.status, 1);
        found << text.mid(e.offset, e.length);
    }
    QCOMPARE(found, errors);
    QCOMPARE(m_cs->GetErrorWord(), QStringLiteral("kůn"));
}

void TestHunspellSpeller::knownWordsPass_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("pes") << "pes";
    QTest::newRow("psa") << "psa";
    QTest::newRow("sentence") << "Příliš žluťoučký kůň úpěl ďábelské ódy.";
    QTest::newRow("abbreviations with their full stop") << "např. koně, atd. a tzv. psi";
    QTest::newRow("punctuation and numbers") << "(1) Pes, 2 psi; 3. kůň!";
    QTest::newRow("capitalised at sentence start") << "Psa venčí Praha.";
    QTest::newRow("hyphen joins two words") << "pes-kůň";
    QTest::newRow("hyphenated dictionary words") << "Poslal e-mail o česko-slovenský stand-up.";
    QTest::newRow("empty") << "";
}

void TestHunspellSpeller::knownWordsPass()
{
    QFETCH(QString, text);
    Result r = verify(*m_cs, text);
    QCOMPARE(r.status, 0);
    if (!text.isEmpty())
        QCOMPARE(m_cs->VerifyNext(text, &r.length, &r.offset), 0);
}

void TestHunspellSpeller::misspeltWordIsFound_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("offset");
    QTest::addColumn<QString>("word");
    QTest::newRow("middle") << "Ten pes přílš štěká" << 8 << "přílš";
    QTest::newRow("ř ů ě before it") << "řeřicha kůň úpěl neuvěřytelně" << 17 << "neuvěřytelně";
    QTest::newRow("word with ř ů ě") << "Kůň pravopysů" << 4 << "pravopysů";
    QTest::newRow("abbreviation without its stop") << "např koně" << 0 << "např";
    QTest::newRow("small letter name") << "ve městě praha" << 9 << "praha";
    QTest::newRow("after tab and digits") << "\t12 (psa) psaa" << 10 << "psaa";
    QTest::newRow("second part of a hyphenated word") << "Brno-měsdo" << 5 << "měsdo";
    QTest::newRow("70 letters") << QString(70, QLatin1Char('x')) << 0 << QString(70, QLatin1Char('x'));
}

void TestHunspellSpeller::misspeltWordIsFound()
{
    QFETCH(QString, text);
    QFETCH(int, offset);
    QFETCH(QString, word);
    const Result r = verify(*m_cs, text);
    QCOMPARE(r.status, int(S::scUnknownInputWord));
    QCOMPARE(r.offset, offset);
    QCOMPARE(r.length, int(word.size()));
    QCOMPARE(m_cs->GetErrorWord(), word);
    QVERIFY(!m_cs->IsCorrect(word));
}

void TestHunspellSpeller::suggestionsHoldTheWord_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<QString>("expected");
    QTest::newRow("missing i") << "přílš"
                               << "příliš";
    QTest::newRow("y for i") << "neuvěřytelný"
                             << "neuvěřitelný";
    QTest::newRow("missing háček") << "zluťoučký"
                                   << "žluťoučký";
    QTest::newRow("kun") << "kun"
                         << "kůň";
}

void TestHunspellSpeller::suggestionsHoldTheWord()
{
    QFETCH(QString, word);
    QFETCH(QString, expected);
    QStringList list{QStringLiteral("left over")};
    m_cs->GetSuggestions(word, list);
    QVERIFY2(list.contains(expected), qPrintable(list.join(u',')));
    QVERIFY(!list.contains(QStringLiteral("left over")));
    QCOMPARE(QSet<QString>(list.begin(), list.end()).size(), list.size()); // no duplicates
}

void TestHunspellSpeller::optionRules_data()
{
    // Every word here is one Hunspell itself rejects (the rows with options 0 show it).
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("options");
    QTest::addColumn<int>("status");
    QTest::newRow("capitals, no rule") << "KRTXQ" << 0 << 1;
    QTest::newRow("capitals, caps rule") << "KRTXQ" << int(S::spoIgnoreAllCaps) << 0;
    QTest::newRow("capitals, other rules")
        << "KRTXQ" << int(S::spoIgnoreMixedDigits | S::spoIgnoreRomanNumerals) << 1;
    QTest::newRow("capitalised only, caps rule") << "Krtxq" << int(S::spoIgnoreAllCaps) << 1;
    QTest::newRow("capitals with diacritics") << "ŘŮĚXQ" << int(S::spoIgnoreAllCaps) << 0;
    QTest::newRow("digits, no rule") << "pes2x" << 0 << 1;
    QTest::newRow("digits, digits rule") << "pes2x" << int(S::spoIgnoreMixedDigits) << 0;
    QTest::newRow("digits, caps rule") << "pes2x" << int(S::spoIgnoreAllCaps) << 1;
    QTest::newRow("digits first") << "2kůňx" << int(S::spoIgnoreMixedDigits) << 0;
    QTest::newRow("roman, no rule") << "MCMXCIV" << 0 << 1;
    QTest::newRow("roman, roman rule") << "MCMXCIV" << int(S::spoIgnoreRomanNumerals) << 0;
    QTest::newRow("small roman, no rule") << "xviii" << 0 << 1;
    QTest::newRow("small roman, roman rule") << "xviii" << int(S::spoIgnoreRomanNumerals) << 0;
    QTest::newRow("ill-formed roman") << "MCMXCIIII" << int(S::spoIgnoreRomanNumerals) << 1;
    QTest::newRow("mixed-case roman") << "xVIII" << int(S::spoIgnoreRomanNumerals) << 1;
    QTest::newRow("program's options") << "KRTXQ MCMXCIV pes2x xviii" << S::DefaultOptions << 0;
    QTest::newRow("program's options, real error") << "KRTXQ krtxq" << S::DefaultOptions << 1;
}

void TestHunspellSpeller::optionRules()
{
    QFETCH(QString, word);
    QFETCH(int, options);
    QFETCH(int, status);
    auto &sp = m_byOptions[options];
    if (!sp)
        sp = czech(options);
    QCOMPARE(verify(*sp, word).status, status);
    if (!word.contains(u' '))
        QCOMPARE(sp->IsCorrect(word), status == 0);
}

void TestHunspellSpeller::lists()
{
    auto sp = czech();
    sp->AddChangeAlways(QStringLiteral("pesx"), QStringLiteral("pes"));
    sp->AddChangeOnce(QStringLiteral("kůňx"), QStringLiteral("kůň"));
    sp->IgnoreAlways(QStringLiteral("řeřichax"));

    Result r = verify(*sp, QStringLiteral("velký pesx"));
    QCOMPARE(r.status, int(S::scReturningChangeAlways));
    QCOMPARE(r.offset, 6);
    QCOMPARE(r.length, 4);
    QCOMPARE(sp->GetReplacement(), QStringLiteral("pes"));
    r = verify(*sp, QStringLiteral("a kůňx"));
    QCOMPARE(r.status, int(S::scReturningChangeOnce));
    QCOMPARE(sp->GetReplacement(), QStringLiteral("kůň"));
    QCOMPARE(verify(*sp, QStringLiteral("řeřichax řeřichax")).status, 0);
    QVERIFY(sp->IsCorrect(QStringLiteral("řeřichax")));
    QVERIFY(!sp->IsCorrect(QStringLiteral("pesx"))); // changed always: not correct
    // A later plain unknown word brings no stale replacement.
    r = verify(*sp, QStringLiteral("krtxq"));
    QCOMPARE(r.status, 1);
    QCOMPARE(sp->GetReplacement(), QString());
}

void TestHunspellSpeller::listsLastOneRun()
{
    auto sp = czech();
    sp->IgnoreAlways(QStringLiteral("řeřichax"));
    sp->AddChangeAlways(QStringLiteral("pesx"), QStringLiteral("pes"));
    auto again = czech();
    QCOMPARE(verify(*again, QStringLiteral("řeřichax")).status, 1);
    QCOMPARE(verify(*again, QStringLiteral("pesx")).status, 1);
}

void TestHunspellSpeller::customDictionaryOutlastsTheBinding()
{
    QTemporaryDir dir;
    const QString word = QStringLiteral("Quorvelův");
    {
        auto sp = czech(S::DefaultOptions, dir.path());
        QCOMPARE(verify(*sp, word).status, 1);
        QStringList list;
        sp->GetSuggestions(QStringLiteral("Quorvelůw"), list);
        QVERIFY(!list.contains(word));
        sp->AddToCustomDictionary(word);
        QCOMPARE(verify(*sp, QStringLiteral("a ") + word).status, 0);
        sp->GetSuggestions(QStringLiteral("Quorvelůw"), list);
        QVERIFY2(list.contains(word), qPrintable(list.join(u','))); // suggested from the custom dictionary
    }
    QCOMPARE(TestFiles::ReadBytes(dir.filePath("CUSTOM.DIC")), word.toUtf8() + "\n");
    auto sp = czech(S::DefaultOptions, dir.path());
    QCOMPARE(verify(*sp, word).status, 0);
    sp->AddToCustomDictionary(word); // already there: not written twice
    QCOMPARE(TestFiles::ReadBytes(dir.filePath("CUSTOM.DIC")), word.toUtf8() + "\n");
}

void TestHunspellSpeller::customDictionaryKeepsOtherLines()
{
    QTemporaryDir dir;
    // No break after the last word.
    QVERIFY(TestFiles::WriteBytes(dir.filePath("CUSTOM.DIC"), "prvnix\r\n\ndruhyx"));
    auto sp = czech(S::DefaultOptions, dir.path());
    QCOMPARE(verify(*sp, QStringLiteral("prvnix druhyx")).status, 0);
    sp->AddToCustomDictionary(QStringLiteral("třetíx"));
    QCOMPARE(TestFiles::ReadBytes(dir.filePath("CUSTOM.DIC")),
             QByteArray("prvnix\r\n\ndruhyx\n") + QStringLiteral("třetíx\n").toUtf8());
}

void TestHunspellSpeller::damagedCustomDictionary()
{
    QTemporaryDir dir;
    QVERIFY(TestFiles::WriteBytes(dir.filePath("CUSTOM.DIC"), "dobréx\n\xff\xfe\x80zlé\nposlednix\n"));
    auto sp = czech(S::DefaultOptions, dir.path());
    QVERIFY(sp->CustomDictionaryProblem().contains(QStringLiteral("CUSTOM.DIC")));
    QCOMPARE(verify(*sp, QStringLiteral("poslednix")).status, 0); // what could be read is used
    QCOMPARE(verify(*sp, QStringLiteral("pes přílš")).status, 1); // and checking goes on
    sp->AddToCustomDictionary(QStringLiteral("novéx"));
    QVERIFY(TestFiles::ReadBytes(dir.filePath("CUSTOM.DIC")).startsWith("dobréx\n\xff\xfe\x80zlé\n")); // nothing lost
}

void TestHunspellSpeller::customDictionaryNotAFile()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("CUSTOM.DIC"));
    auto sp = czech(S::DefaultOptions, dir.path());
    QVERIFY(!sp->CustomDictionaryProblem().isEmpty());
    QCOMPARE(verify(*sp, QStringLiteral("pes")).status, 0);
    try {
        sp->AddToCustomDictionary(QStringLiteral("slovox"));
        QFAIL("adding must fail");
    } catch (const ESpellError &e) {
        QVERIFY(e.message().contains(QStringLiteral("slovox")));
        QVERIFY(e.message().contains(QStringLiteral("CUSTOM.DIC")));
    }
    QCOMPARE(verify(*sp, QStringLiteral("slovox")).status, 1); // not accepted when not saved
}

void TestHunspellSpeller::eightBitDictionary()
{
    QTemporaryDir dir;
    makeLatin2Dictionary(dir.path());
    THunspellSpeller sp(S::Czech, S::DefaultOptions, dir.filePath("cs_CZ.aff"), dir.filePath("cs_CZ.dic"),
                        dir.path());
    QCOMPARE(sp.Encoding(), QStringLiteral("ISO8859-2"));
    QCOMPARE(verify(sp, QStringLiteral("žluťoučký kůň úpěl, řeřicha")).status, 0);
    const Result r = verify(sp, QStringLiteral("kůň řeřycha"));
    QCOMPARE(r.status, 1);
    QCOMPARE(r.offset, 4);
    QCOMPARE(r.length, 7);
    QStringList list;
    sp.GetSuggestions(QStringLiteral("kun"), list);
    QVERIFY2(list.contains(QStringLiteral("kůň")), qPrintable(list.join(u',')));
    sp.GetSuggestions(QStringLiteral("řeřycha"), list);
    QVERIFY2(list.contains(QStringLiteral("řeřicha")), qPrintable(list.join(u',')));
    // A word the dictionary's character set cannot hold is unknown, nothing worse.
    QCOMPARE(verify(sp, QStringLiteral("kůň мир")).offset, 4);
    sp.GetSuggestions(QStringLiteral("мир"), list);
    QVERIFY(list.isEmpty());
    // The custom dictionary is UTF-8 whatever the dictionary's encoding.
    sp.AddToCustomDictionary(QStringLiteral("čůřěx"));
    QCOMPARE(TestFiles::ReadBytes(dir.filePath("CUSTOM.DIC")), QStringLiteral("čůřěx\n").toUtf8());
    THunspellSpeller again(S::Czech, S::DefaultOptions, dir.filePath("cs_CZ.aff"), dir.filePath("cs_CZ.dic"),
                           dir.path());
    QCOMPARE(verify(again, QStringLiteral("kůň čůřěx")).status, 0);
}

void TestHunspellSpeller::wordCharsJoinWords()
{
    QTemporaryDir dir;
    makeLatin2Dictionary(dir.path(), QStringLiteral("WORDCHARS -'\n"));
    THunspellSpeller sp(S::Czech, S::DefaultOptions, dir.filePath("cs_CZ.aff"), dir.filePath("cs_CZ.dic"),
                        dir.path());
    // The hyphenated word is one word: its error covers all of it.
    QCOMPARE(verify(sp, QStringLiteral("úpěl kůň-řeřicha")).status, 0);
    Result r = verify(sp, QStringLiteral("úpěl kůň-řeřycha"));
    QCOMPARE(r.status, 1);
    QCOMPARE(r.offset, 5);
    QCOMPARE(r.length, 11);
    // Only between letters: a hyphen at the word's edge is no part of it.
    QCOMPARE(verify(sp, QStringLiteral("-kůň- 'úpěl'")).status, 0);
    r = verify(sp, QStringLiteral("kůň d'ábel"));
    QCOMPARE(r.offset, 4);
    QCOMPARE(r.length, 6);
}

void TestHunspellSpeller::damagedDictionary_data()
{
    QTest::addColumn<QByteArray>("aff");
    QTest::addColumn<QByteArray>("dic");
    QTest::addColumn<QString>("named");
    QTest::newRow("no count") << QByteArray("SET UTF-8\n") << QByteArray("pes\nkočka\n") << "cs_CZ.dic";
    QTest::newRow("binary word list")
        << QByteArray("SET UTF-8\n") << QByteArray("3\n\0\x01\x02", 5) << "cs_CZ.dic";
    QTest::newRow("binary affixes") << QByteArray("\0\0\0\0", 4) << QByteArray("1\npes\n") << "cs_CZ.aff";
    QTest::newRow("unknown encoding")
        << QByteArray("SET NOSUCH-42\n") << QByteArray("1\npes\n") << "NOSUCH-42";
}

void TestHunspellSpeller::damagedDictionary()
{
    QFETCH(QByteArray, aff);
    QFETCH(QByteArray, dic);
    QFETCH(QString, named);
    QTemporaryDir dir;
    QVERIFY(TestFiles::WriteBytes(dir.filePath("cs_CZ.aff"), aff));
    QVERIFY(TestFiles::WriteBytes(dir.filePath("cs_CZ.dic"), dic));
    try {
        THunspellSpeller sp(S::Czech, S::DefaultOptions, dir.filePath("cs_CZ.aff"), dir.filePath("cs_CZ.dic"),
                            dir.path());
        QFAIL("a damaged dictionary must be refused");
    } catch (const ESpellError &e) {
        QCOMPARE(e.kind(), ESpellError::Failure);
        QVERIFY2(e.message().contains(named), qPrintable(e.message()));
    }
}

void TestHunspellSpeller::lookupOrder_data()
{
    // Folders: stored, dicpath, user, system. Which hold a dictionary, which is taken.
    QTest::addColumn<QStringList>("holding");
    QTest::addColumn<QString>("stored"); // "folder", "file", or ""
    QTest::addColumn<QString>("taken");
    QTest::newRow("stored folder first") << QStringList{"stored", "dicpath", "user", "system"} << "folder"
                                         << "stored";
    QTest::newRow("stored .dic file") << QStringList{"stored", "dicpath"} << "file"
                                      << "stored";
    QTest::newRow("nothing stored") << QStringList{"stored", "dicpath", "user", "system"} << ""
                                    << "dicpath";
    QTest::newRow("stored folder empty") << QStringList{"user", "system"} << "folder"
                                         << "user";
    QTest::newRow("system last") << QStringList{"system"} << "folder"
                                 << "system";
    QTest::newRow("only a .dic is no dictionary") << QStringList{"dicpath-dic-only", "system"} << ""
                                                  << "system";
    QTest::newRow("none") << QStringList{} << "folder"
                          << "";
}

void TestHunspellSpeller::lookupOrder()
{
    QFETCH(QStringList, holding);
    QFETCH(QString, stored);
    QFETCH(QString, taken);
    QTemporaryDir root;
    const QStringList names{"stored", "dicpath", "user", "system"};
    for (const QString &n : names)
        QVERIFY(QDir(root.path()).mkdir(n));
    for (const QString &h : holding) {
        const QString folder = root.filePath(h.section('-', 0, 0));
        QVERIFY(TestFiles::WriteBytes(folder + "/cs_CZ.dic", "1\npes\n"));
        if (!h.endsWith("dic-only"))
            QVERIFY(TestFiles::WriteBytes(folder + "/cs_CZ.aff", "SET UTF-8\n"));
    }
    QString storedPath;
    if (stored == "folder")
        storedPath = root.filePath("stored");
    else if (stored == "file")
        storedPath = root.filePath("stored/cs_CZ.dic");
    const QStringList folders{root.filePath("dicpath"), root.filePath("user"), root.filePath("system")};
    const auto files = SpellDictionaries::Find(SpellDictionaries::LanguageTag(1029), storedPath, folders);
    if (taken.isEmpty()) {
        QVERIFY(!files.IsFound());
        return;
    }
    QCOMPARE(files.dic, root.filePath(taken + "/cs_CZ.dic"));
    QCOMPARE(files.aff, root.filePath(taken + "/cs_CZ.aff"));
}

void TestHunspellSpeller::searchFoldersFromEnvironment()
{
    QProcessEnvironment env;
    env.insert("DICPATH", "/a/dic:/b/dic");
    env.insert("XDG_DATA_HOME", "/x/data");
    env.insert("HOME", "/home/u");
    QCOMPARE(SpellDictionaries::SearchFolders(env),
             (QStringList{"/a/dic", "/b/dic", "/x/data/hunspell", "/usr/share/hunspell",
                          "/usr/share/myspell/dicts"}));
    env.remove("XDG_DATA_HOME");
    env.remove("DICPATH");
    QCOMPARE(SpellDictionaries::SearchFolders(env, {}), QStringList{"/home/u/.local/share/hunspell"});
    QCOMPARE(SpellDictionaries::LanguageTag(1029), QStringLiteral("cs_CZ"));
}

void TestHunspellSpeller::notInstalled()
{
    QTemporaryDir empty;
    try {
        SpellDictionaries::Open(S::Czech, S::DefaultOptions, {}, {empty.path()}, empty.path());
        QFAIL("no dictionary there");
    } catch (const ESpellError &e) {
        QCOMPARE(e.kind(), ESpellError::NotInstalled);
        QVERIFY(e.message().contains(QStringLiteral("cs_CZ.dic")));
        QVERIFY(e.message().contains(empty.path()));
    }
    QVERIFY(!QFile::exists(empty.filePath("CUSTOM.DIC"))); // nothing made for a missing dictionary
}

QTEST_GUILESS_MAIN(TestHunspellSpeller)
#include "tst_hunspellspeller.moc"
