// The channel between a second start and the running instance: frames, names, the
// server's answers, hand-over, stale and foreign sockets.
#include "app/startup/TInstanceChannel.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QMutex>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstring>
#include <fcntl.h>
#include <sys/resource.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace InstanceProtocol;

namespace {

// A running instance in a thread of its own, so that a client in the test's thread can
// use the blocking hand-over against it.
class InstanceThread : public QThread
{
public:
    InstanceThread(QString exeBase, QString folder)
        : m_exeBase(std::move(exeBase)), m_folder(std::move(folder))
    {}
    ~InstanceThread() override
    {
        quit();
        wait();
    }
    TInstanceChannel::Role role = TInstanceChannel::Failed;
    QString name;
    QStringList events() const
    {
        QMutexLocker lock(&m_mutex);
        return m_events;
    }
    void startAndWait()
    {
        start();
        m_ready.acquire();
    }

protected:
    void run() override
    {
        TInstanceChannel channel(m_exeBase, m_folder);
        connect(
            &channel, &TInstanceChannel::RestoreRequested, &channel,
            [this] { record(QStringLiteral("restore")); }, Qt::DirectConnection);
        connect(
            &channel, &TInstanceChannel::OpenRequested, &channel,
            [this](const QString &arg, const QString &folder) {
                record(QStringLiteral("open ") + arg + QStringLiteral(" in ") + folder);
            },
            Qt::DirectConnection);
        role = channel.Start({}, QString());
        name = channel.ListeningName();
        m_ready.release();
        exec();
    }

private:
    void record(const QString &event)
    {
        QMutexLocker lock(&m_mutex);
        m_events << event;
    }
    QString m_exeBase, m_folder;
    mutable QMutex m_mutex;
    QStringList m_events;
    QSemaphore m_ready;
};

// A program of somebody else listening on our name: answers every connection with fixed
// bytes (or nothing).
class ForeignThread : public QThread
{
public:
    ForeignThread(QString name, QByteArray answer) : m_name(std::move(name)), m_answer(std::move(answer)) {}
    ~ForeignThread() override
    {
        quit();
        wait();
    }
    bool listening = false;
    void startAndWait()
    {
        start();
        m_ready.acquire();
    }

protected:
    void run() override
    {
        QLocalServer server;
        listening = server.listen(m_name);
        QObject::connect(&server, &QLocalServer::newConnection, &server, [&] {
            while (QLocalSocket *s = server.nextPendingConnection()) {
                QObject::connect(s, &QLocalSocket::readyRead, s, [this, s] {
                    s->readAll();
                    if (!m_answer.isEmpty())
                        s->write(m_answer);
                });
            }
        });
        m_ready.release();
        exec();
    }

private:
    QString m_name;
    QByteArray m_answer;
    QSemaphore m_ready;
};

// A socket file nobody listens on, as a crashed instance leaves it.
bool makeStaleSocket(const QString &path)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    const QByteArray p = QFile::encodeName(path);
    if (size_t(p.size()) >= sizeof addr.sun_path)
        return false;
    memcpy(addr.sun_path, p.constData(), p.size());
    const bool ok = ::bind(fd, reinterpret_cast<sockaddr *>(&addr), sizeof addr) == 0;
    ::close(fd);
    return ok;
}

QByteArray openFrame(const QString &argument, const QString &folder)
{
    Message m{Kind::Open};
    m.argument = argument;
    m.folder = folder;
    return encode(m);
}

QByteArray rawFrame(char kind, const QByteArray &payload)
{
    QByteArray frame("QTsk");
    frame += kind;
    const quint32 n = quint32(payload.size());
    frame += char(n >> 24);
    frame += char(n >> 16);
    frame += char(n >> 8);
    frame += char(n);
    return frame + payload;
}

} // namespace

class TestInstanceChannel : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void roundTrip_data();
    void roundTrip();
    void byteByByte();
    void malformed_data();
    void malformed();

    void namesSeparateUsersAndDisplays_data();
    void namesSeparateUsersAndDisplays();
    void resolveArgument_data();
    void resolveArgument();

    void firstStartListensUserOnly();
    void answersProbeAndKeepsOrder();
    void garbageIsDroppedAndInstanceSurvives_data();
    void garbageIsDroppedAndInstanceSurvives();
    void secondStartHandsOverFirstArgumentOnly_data();
    void secondStartHandsOverFirstArgumentOnly();
    void floodOfIdleConnections();
    void listensAgainAfterRunningOutOfDescriptors();
    void staleSocketIsReplaced();
    void foreignListenerIsPassedOver_data();
    void foreignListenerIsPassedOver();
    void otherUsersInstanceIsNeverUsed();
    void noUsableFolderFails();

private:
    QString folder() const { return m_dir->path(); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestInstanceChannel::init()
{
    // Short paths: a socket name must fit the platform's limit.
    m_dir = std::make_unique<QTemporaryDir>(QStringLiteral("/tmp/qtic-XXXXXX"));
    QVERIFY(m_dir->isValid());
    qputenv("DISPLAY", ":42");
    qunsetenv("WAYLAND_DISPLAY");
}

void TestInstanceChannel::roundTrip_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<quint32>("value");
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("folder");
    QTest::newRow("probe") << int(Kind::Probe) << 0u << QString() << QString();
    QTest::newRow("reply") << int(Kind::Reply) << InstanceReply << QString() << QString();
    QTest::newRow("restore") << int(Kind::Restore) << 0u << QString() << QString();
    QTest::newRow("ack") << int(Kind::Ack) << 0u << QString() << QString();
    QTest::newRow("open czech") << int(Kind::Open) << 0u << QStringLiteral("žluťoučký kůň.txt")
                                << QStringLiteral("/home/jiří/dopisy");
    QTest::newRow("open without folder") << int(Kind::Open) << 0u << QStringLiteral("a b.txt") << QString();
}

void TestInstanceChannel::roundTrip()
{
    QFETCH(int, kind);
    QFETCH(quint32, value);
    QFETCH(QString, argument);
    QFETCH(QString, folder);
    Message m{Kind(kind), value, argument, folder};
    QByteArray buffer = encode(m) + encode(Message{Kind::Probe});
    Message out;
    QCOMPARE(decode(buffer, out), Decoded::Complete);
    QCOMPARE(int(out.kind), kind);
    QCOMPARE(out.value, value);
    QCOMPARE(out.argument, argument);
    QCOMPARE(out.folder, folder);
    // The following frame is left for the next call.
    QCOMPARE(decode(buffer, out), Decoded::Complete);
    QCOMPARE(out.kind, Kind::Probe);
    QVERIFY(buffer.isEmpty());
}

void TestInstanceChannel::byteByByte()
{
    const QByteArray frame = openFrame(QStringLiteral("x.txt"), QStringLiteral("/d"));
    QByteArray buffer;
    Message out;
    for (int i = 0; i < frame.size() - 1; ++i) {
        buffer += frame.at(i);
        QCOMPARE(decode(buffer, out), Decoded::NeedMore);
    }
    buffer += frame.back();
    QCOMPARE(decode(buffer, out), Decoded::Complete);
    QCOMPARE(out.argument, QStringLiteral("x.txt"));
}

void TestInstanceChannel::malformed_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("http request") << QByteArray("GET / HTTP/1.0\r\n\r\n");
    QTest::newRow("wrong magic at once") << QByteArray("QX");
    QTest::newRow("unknown kind") << rawFrame('Z', QByteArray());
    QTest::newRow("probe with payload") << rawFrame('P', "x");
    QTest::newRow("short reply") << rawFrame('R', "abc");
    QTest::newRow("open without separator") << rawFrame('O', "abc");
    QTest::newRow("open with two separators") << rawFrame('O', QByteArray("a\0b\0c", 5));
    QTest::newRow("open with empty argument") << rawFrame('O', QByteArray("\0/home", 6));
    QTest::newRow("open not utf-8") << rawFrame('O', QByteArray("\xff\xfe\0/x", 5));
    QByteArray huge("QTskO");
    huge += QByteArray("\x7f\xff\xff\xff", 4);
    QTest::newRow("length over the limit") << huge;
}

void TestInstanceChannel::malformed()
{
    QFETCH(QByteArray, bytes);
    Message out;
    QCOMPARE(decode(bytes, out), Decoded::Malformed);
}

void TestInstanceChannel::namesSeparateUsersAndDisplays_data()
{
    QTest::addColumn<QString>("userA");
    QTest::addColumn<QString>("displayA");
    QTest::addColumn<QString>("userB");
    QTest::addColumn<QString>("displayB");
    QTest::newRow("two users") << "1000"
                               << ":0"
                               << "1001"
                               << ":0";
    QTest::newRow("two displays") << "1000"
                                  << ":0"
                                  << "1000"
                                  << ":1";
    QTest::newRow("display number runs into user") << "100"
                                                   << ":10"
                                                   << "1001"
                                                   << ":0";
    QTest::newRow("x and wayland") << "1000"
                                   << ":0"
                                   << "1000"
                                   << "wayland-0";
    QTest::newRow("no display and one") << "1000"
                                        << ""
                                        << "1000"
                                        << ":0";
}

void TestInstanceChannel::namesSeparateUsersAndDisplays()
{
    QFETCH(QString, userA);
    QFETCH(QString, displayA);
    QFETCH(QString, userB);
    QFETCH(QString, displayB);
    const QString a = TInstanceChannel::BaseName("quortosk", "/run/user/1000", userA, displayA);
    const QString b = TInstanceChannel::BaseName("quortosk", "/run/user/1000", userB, displayB);
    QVERIFY(a != b);
    for (const QString &name : {a, b}) {
        QVERIFY(name.startsWith(QStringLiteral("/run/user/1000/quortosk.")));
        const QString file = name.mid(QStringLiteral("/run/user/1000/").size());
        QVERIFY2(!file.contains(QLatin1Char('/')) && !file.contains(QLatin1Char(':')), qPrintable(file));
    }
}

void TestInstanceChannel::resolveArgument_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("expected");
    QTest::newRow("relative") << "dopis.txt"
                              << "/home/jan"
                              << "/home/jan/dopis.txt";
    QTest::newRow("relative with dot") << "./a/b.txt"
                                       << "/home/jan"
                                       << "/home/jan/a/b.txt";
    QTest::newRow("parent folder") << "../b.txt"
                                   << "/home/jan"
                                   << "/home/b.txt";
    QTest::newRow("absolute kept as typed") << "/tmp//x.txt"
                                            << "/home/jan"
                                            << "/tmp//x.txt";
    QTest::newRow("no folder sent") << "x.txt"
                                    << ""
                                    << "x.txt";
    QTest::newRow("blank in name") << "můj dopis.txt"
                                   << "/home/jan"
                                   << "/home/jan/můj dopis.txt";
}

void TestInstanceChannel::resolveArgument()
{
    QFETCH(QString, argument);
    QFETCH(QString, folder);
    QFETCH(QString, expected);
    QCOMPARE(TInstanceChannel::ResolveArgument(argument, folder), expected);
}

void TestInstanceChannel::firstStartListensUserOnly()
{
    QString name;
    {
        TInstanceChannel channel(QStringLiteral("tst"), folder());
        QCOMPARE(channel.Start({QStringLiteral("a.txt")}, folder()), TInstanceChannel::Primary);
        name = channel.ListeningName();
        QCOMPARE(name, channel.CandidateNames().first());
        struct stat st;
        QCOMPARE(::stat(QFile::encodeName(name).constData(), &st), 0);
        QVERIFY(S_ISSOCK(st.st_mode));
        QCOMPARE(int(st.st_mode & 077), 0);
    }
    QVERIFY(!QFileInfo::exists(name)); // removed when the instance ends
}

void TestInstanceChannel::answersProbeAndKeepsOrder()
{
    TInstanceChannel channel(QStringLiteral("tst"), folder());
    QCOMPARE(channel.Start({}, QString()), TInstanceChannel::Primary);
    QStringList events;
    connect(&channel, &TInstanceChannel::RestoreRequested, this,
            [&] { events << QStringLiteral("restore"); });
    connect(&channel, &TInstanceChannel::OpenRequested, this,
            [&](const QString &a, const QString &f) { events << a + QLatin1Char('|') + f; });

    QLocalSocket client;
    client.connectToServer(channel.ListeningName());
    QVERIFY(client.waitForConnected(1000));
    client.write(encode(Message{Kind::Probe}) + encode(Message{Kind::Restore})
                 + openFrame(QStringLiteral("a.txt"), QStringLiteral("/d")));
    QByteArray buffer;
    Message reply, ack;
    QTRY_VERIFY((buffer += client.readAll(), buffer.size() >= 22));
    QCOMPARE(decode(buffer, reply), Decoded::Complete);
    QCOMPARE(reply.kind, Kind::Reply);
    QCOMPARE(reply.value, InstanceReply);
    QCOMPARE(decode(buffer, ack), Decoded::Complete);
    QCOMPARE(ack.kind, Kind::Ack);
    QTRY_COMPARE(events, QStringList({QStringLiteral("restore"), QStringLiteral("a.txt|/d")}));
}

void TestInstanceChannel::garbageIsDroppedAndInstanceSurvives_data()
{
    QTest::addColumn<QByteArray>("garbage");
    QTest::newRow("text") << QByteArray("hello\n");
    QTest::newRow("valid probe then junk") << encode(Message{Kind::Probe}) + QByteArray("\x00\x01\x02", 3);
    QTest::newRow("oversized frame") << QByteArray("QTskO\x01\x00\x00\x00", 9);
    QTest::newRow("open with bad text") << rawFrame('O', QByteArray("\xc3\0/x", 4));
}

void TestInstanceChannel::garbageIsDroppedAndInstanceSurvives()
{
    QFETCH(QByteArray, garbage);
    TInstanceChannel channel(QStringLiteral("tst"), folder());
    QCOMPARE(channel.Start({}, QString()), TInstanceChannel::Primary);
    int requests = 0;
    connect(&channel, &TInstanceChannel::RestoreRequested, this, [&] { ++requests; });
    connect(&channel, &TInstanceChannel::OpenRequested, this, [&] { ++requests; });

    QLocalSocket bad;
    bad.connectToServer(channel.ListeningName());
    QVERIFY(bad.waitForConnected(1000));
    bad.write(garbage);
    QTRY_COMPARE(bad.state(), QLocalSocket::UnconnectedState);
    QCOMPARE(requests, 0);

    QLocalSocket good;
    good.connectToServer(channel.ListeningName());
    QVERIFY(good.waitForConnected(1000));
    good.write(encode(Message{Kind::Probe}));
    QByteArray buffer;
    QTRY_VERIFY((buffer += good.readAll(), buffer.size() >= 13));
    Message reply;
    QCOMPARE(decode(buffer, reply), Decoded::Complete);
    QCOMPARE(reply.value, InstanceReply);
}

void TestInstanceChannel::secondStartHandsOverFirstArgumentOnly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no arguments") << QStringList() << QStringList{"restore"};
    QTest::newRow("one") << QStringList{"a.txt"} << QStringList{"restore", "open a.txt in /w"};
    QTest::newRow("two: only the first")
        << QStringList{"../a b.txt", "c.txt"} << QStringList{"restore", "open ../a b.txt in /w"};
    QTest::newRow("empty first argument") << QStringList{"", "c.txt"} << QStringList{"restore"};
}

void TestInstanceChannel::secondStartHandsOverFirstArgumentOnly()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, expected);
    InstanceThread running(QStringLiteral("tst"), folder());
    running.startAndWait();
    QCOMPARE(running.role, TInstanceChannel::Primary);

    TInstanceChannel second(QStringLiteral("tst"), folder());
    QCOMPARE(second.Start(arguments, QStringLiteral("/w")), TInstanceChannel::Forwarded);
    QVERIFY(second.ListeningName().isEmpty());
    QTRY_COMPARE(running.events(), expected);
}

// Hundreds of idle connections: the server keeps a few dozen, dropping the oldest, and a
// later start still reaches it.
void TestInstanceChannel::floodOfIdleConnections()
{
    InstanceThread running(QStringLiteral("flood"), folder());
    running.startAndWait();
    QCOMPARE(running.role, TInstanceChannel::Primary);
    std::vector<std::unique_ptr<QLocalSocket>> idle;
    for (int i = 0; i < 300; ++i) {
        idle.push_back(std::make_unique<QLocalSocket>());
        idle.back()->connectToServer(running.name);
        idle.back()->waitForConnected(1000);
    }
    QTest::qWait(300);
    int open = 0;
    for (auto &s : idle) {
        s->waitForReadyRead(0); // notices a connection the server dropped
        open += s->state() == QLocalSocket::ConnectedState ? 1 : 0;
    }
    QVERIFY2(open <= TInstanceChannel::MaxClients, qPrintable(QString::number(open)));
    TInstanceChannel second(QStringLiteral("flood"), folder());
    QCOMPARE(second.Start({QStringLiteral("x.txt")}, QStringLiteral("/w")), TInstanceChannel::Forwarded);
    QTRY_VERIFY(running.events().contains(QStringLiteral("open x.txt in /w")));
}

// When accept() fails for want of descriptors, Qt stops the server and removes its socket;
// the instance listens again once descriptors are free.
void TestInstanceChannel::listensAgainAfterRunningOutOfDescriptors()
{
    InstanceThread running(QStringLiteral("fds"), folder());
    running.startAndWait();
    QCOMPARE(running.role, TInstanceChannel::Primary);
    // The client sockets exist before the limit is tightened, and the limit is the lowest
    // free descriptor: connecting needs no new descriptor, so only the server's accept()
    // can run out, whatever the timing of the two threads.
    std::vector<int> clients;
    for (int i = 0; i < 4; ++i)
        clients.push_back(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    for (int fd : clients)
        QVERIFY(fd >= 0);
    struct rlimit old;
    QVERIFY(::getrlimit(RLIMIT_NOFILE, &old) == 0);
    const int lowestFree = ::fcntl(0, F_DUPFD_CLOEXEC, 0);
    QVERIFY(lowestFree >= 0);
    ::close(lowestFree);
    struct rlimit tight = old;
    tight.rlim_cur = rlim_t(lowestFree);
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &tight) == 0);
    struct sockaddr_un address
    {
    };
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(running.name);
    QVERIFY(size_t(path.size()) < sizeof(address.sun_path));
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    int connected = 0;
    for (int fd : clients)
        connected += ::connect(fd, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0 ? 1 : 0;
    QTest::qWait(300);
    const bool stillThere = QFileInfo::exists(running.name);
    for (int fd : clients)
        ::close(fd);
    QVERIFY(::setrlimit(RLIMIT_NOFILE, &old) == 0);
    QVERIFY(connected > 0);
    QVERIFY2(!stillThere, "the server did not run out of descriptors");
    QTest::qWait(TInstanceChannel::ListenCheckInterval + 500);
    TInstanceChannel later(QStringLiteral("fds"), folder());
    QCOMPARE(later.Start({}, QString()), TInstanceChannel::Forwarded);
}

void TestInstanceChannel::staleSocketIsReplaced()
{
    TInstanceChannel channel(QStringLiteral("tst"), folder());
    const QString name = channel.CandidateNames().first();
    QVERIFY(makeStaleSocket(name));
    QCOMPARE(channel.Start({}, QString()), TInstanceChannel::Primary);
    QCOMPARE(channel.ListeningName(), name);
}

void TestInstanceChannel::foreignListenerIsPassedOver_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("silent") << QByteArray();
    QTest::newRow("wrong number") << encode(Message{Kind::Reply, 1193301});
    QTest::newRow("other protocol") << QByteArray("220 ready\r\n");
}

void TestInstanceChannel::foreignListenerIsPassedOver()
{
    QFETCH(QByteArray, answer);
    TInstanceChannel channel(QStringLiteral("tst"), folder());
    const QStringList names = channel.CandidateNames();
    ForeignThread foreign(names.first(), answer);
    foreign.startAndWait();
    QVERIFY(foreign.listening);

    QCOMPARE(channel.Start({QStringLiteral("a.txt")}, folder()), TInstanceChannel::Primary);
    QCOMPARE(channel.ListeningName(), names.at(1));
    QVERIFY(QFileInfo::exists(names.first())); // the other program's socket is left alone
}

void TestInstanceChannel::otherUsersInstanceIsNeverUsed()
{
    if (::geteuid() != 0)
        QSKIP("needs to hand a socket to another user (run as root)");
    InstanceThread other(QStringLiteral("tst"), folder());
    other.startAndWait();
    QCOMPARE(other.role, TInstanceChannel::Primary);
    QCOMPARE(::chown(QFile::encodeName(other.name).constData(), 4242, 4242), 0);

    // A plain file of another user in the place of the second name, too.
    TInstanceChannel channel(QStringLiteral("tst"), folder());
    const QStringList names = channel.CandidateNames();
    QVERIFY(makeStaleSocket(names.at(1)));
    QCOMPARE(::chown(QFile::encodeName(names.at(1)).constData(), 4242, 4242), 0);

    QCOMPARE(channel.Start({QStringLiteral("secret.txt")}, folder()), TInstanceChannel::Primary);
    QCOMPARE(channel.ListeningName(), names.at(2));
    QVERIFY(QFileInfo::exists(names.at(1))); // not removed although nobody listens
    QTest::qWait(200);
    QVERIFY(other.events().isEmpty());
}

void TestInstanceChannel::noUsableFolderFails()
{
    TInstanceChannel channel(QStringLiteral("tst"), folder() + QStringLiteral("/missing"));
    QCOMPARE(channel.Start({}, QString()), TInstanceChannel::Failed);
    QVERIFY(channel.ListeningName().isEmpty());
}

QTEST_GUILESS_MAIN(TestInstanceChannel)
#include "tst_instancechannel.moc"
