#include "app/startup/TInstanceChannel.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStringDecoder>
#include <QtEndian>
#include <QTimer>

#include <memory>
#include <utility>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace InstanceProtocol {

namespace {
const QByteArray Magic = QByteArrayLiteral("QTsk");
constexpr int HeaderSize = 9; // magic, kind, length

bool strictUtf8(const QByteArray &bytes, QString *text)
{
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    *text = decoder.decode(bytes);
    return !decoder.hasError();
}
} // namespace

QByteArray encode(const Message &message)
{
    QByteArray payload;
    switch (message.kind) {
    case Kind::Reply:
        payload.resize(4);
        qToBigEndian<quint32>(message.value, payload.data());
        break;
    case Kind::Open:
        payload = message.argument.toUtf8() + '\0' + message.folder.toUtf8();
        break;
    default:
        break;
    }
    QByteArray frame = Magic;
    frame += char(message.kind);
    char length[4];
    qToBigEndian<quint32>(quint32(payload.size()), length);
    frame.append(length, 4);
    frame += payload;
    return frame;
}

Decoded decode(QByteArray &buffer, Message &message)
{
    const qsizetype magicPart = qMin<qsizetype>(buffer.size(), Magic.size());
    if (buffer.left(magicPart) != Magic.left(magicPart))
        return Decoded::Malformed;
    if (buffer.size() < HeaderSize)
        return Decoded::NeedMore;
    const quint32 length = qFromBigEndian<quint32>(buffer.constData() + 5);
    if (length > quint32(MaxPayload))
        return Decoded::Malformed;
    if (buffer.size() < HeaderSize + qsizetype(length))
        return Decoded::NeedMore;

    const char kind = buffer.at(4);
    const QByteArray payload = buffer.mid(HeaderSize, length);
    buffer.remove(0, HeaderSize + length);

    message = Message();
    switch (kind) {
    case char(Kind::Probe):
    case char(Kind::Restore):
    case char(Kind::Ack):
    case char(Kind::Busy):
        if (!payload.isEmpty())
            return Decoded::Malformed;
        message.kind = Kind(kind);
        return Decoded::Complete;
    case char(Kind::Reply):
        if (payload.size() != 4)
            return Decoded::Malformed;
        message.kind = Kind::Reply;
        message.value = qFromBigEndian<quint32>(payload.constData());
        return Decoded::Complete;
    case char(Kind::Open): {
        const qsizetype nul = payload.indexOf('\0');
        if (nul <= 0 || payload.indexOf('\0', nul + 1) >= 0)
            return Decoded::Malformed;
        message.kind = Kind::Open;
        if (!strictUtf8(payload.left(nul), &message.argument)
            || !strictUtf8(payload.mid(nul + 1), &message.folder))
            return Decoded::Malformed;
        return Decoded::Complete;
    }
    default:
        return Decoded::Malformed;
    }
}

} // namespace InstanceProtocol

using namespace InstanceProtocol;

namespace {

constexpr int ConnectTimeout = 1000;
constexpr int ReplyTimeout = 2000;
constexpr int IdleConnectionLimit = 10000; // a client that goes quiet is dropped

// Only a process of the same user may talk to us, and we talk only to such a process.
bool peerIsSameUser(qintptr descriptor)
{
#if defined(Q_OS_LINUX)
    struct ucred cred = {};
    socklen_t length = sizeof cred;
    if (::getsockopt(int(descriptor), SOL_SOCKET, SO_PEERCRED, &cred, &length) != 0)
        return false;
    return cred.uid == ::geteuid();
#elif defined(Q_OS_UNIX)
    uid_t uid;
    gid_t gid;
    if (::getpeereid(int(descriptor), &uid, &gid) != 0)
        return false;
    return uid == ::geteuid();
#else
    Q_UNUSED(descriptor);
    return true; // the pipe's access list (UserAccessOption) admits only this user
#endif
}

QString safeForFileName(const QString &text)
{
    QString out;
    for (const QChar ch : text) {
        const bool plain = (ch >= QLatin1Char('a') && ch <= QLatin1Char('z'))
                           || (ch >= QLatin1Char('A') && ch <= QLatin1Char('Z'))
                           || (ch >= QLatin1Char('0') && ch <= QLatin1Char('9')) || ch == QLatin1Char('-')
                           || ch == QLatin1Char('.');
        out += plain ? ch : QLatin1Char('_');
    }
    return out;
}

} // namespace

TInstanceChannel::TInstanceChannel(const QString &exeBase, const QString &folder, QObject *parent)
    : QObject(parent), m_exeBase(exeBase), m_folder(folder)
{
    if (m_folder.isEmpty())
        m_folder = DefaultFolder(&m_problem);
    // Qt closes a server whose accept() fails (too many open files) and removes its socket;
    // every later start would then open a window of its own. Listen again when that happens.
    m_watch.setInterval(ListenCheckInterval);
    connect(&m_watch, &QTimer::timeout, this, &TInstanceChannel::keepListening);
    m_handOn.setSingleShot(true);
    m_handOn.setInterval(0);
    connect(&m_handOn, &QTimer::timeout, this, &TInstanceChannel::handWaitingOpens);
}

TInstanceChannel::~TInstanceChannel() = default; // the server removes its socket on close

QString TInstanceChannel::BaseName(const QString &exeBase, const QString &folder, const QString &user,
                                   const QString &display)
{
    const QString name = exeBase + QLatin1Char('.') + safeForFileName(user) + QLatin1Char('.')
                         + safeForFileName(display.isEmpty() ? QStringLiteral("none") : display);
    return folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
}

QString TInstanceChannel::DefaultFolder(QString *problem)
{
#ifdef Q_OS_UNIX
    // The runtime folder is private to the user; use it only when it really is.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat st;
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime)
        && ::stat(QFile::encodeName(runtime).constData(), &st) == 0 && S_ISDIR(st.st_mode)
        && st.st_uid == ::geteuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0)
        return QDir::cleanPath(runtime);
    // Otherwise a folder of our own in the temporary folder: names there are predictable,
    // so it is used only when it is a real folder (not a link), ours, and closed to others.
    const QString own = QDir::cleanPath(QDir::tempPath()) + QStringLiteral("/quortosk-") + CurrentUser();
    const QByteArray path = QFile::encodeName(own);
    if (::mkdir(path.constData(), 0700) != 0 && errno != EEXIST) {
        if (problem)
            *problem = QStringLiteral("cannot create the folder %1").arg(own);
        return QString();
    }
    if (::lstat(path.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()
        || (st.st_mode & 0777) != 0700) {
        if (problem)
            *problem = QStringLiteral("the folder %1 is not a private folder of this user").arg(own);
        return QString();
    }
    return own;
#else
    Q_UNUSED(problem);
    return QString(); // named pipes live in their own namespace
#endif
}

QString TInstanceChannel::CurrentUser()
{
#ifdef Q_OS_UNIX
    return QString::number(::geteuid());
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

QString TInstanceChannel::CurrentDisplay()
{
    const QString wayland = qEnvironmentVariable("WAYLAND_DISPLAY");
    return wayland.isEmpty() ? qEnvironmentVariable("DISPLAY") : wayland;
}

QStringList TInstanceChannel::CandidateNames() const
{
    const QString base = BaseName(m_exeBase, m_folder, CurrentUser(), CurrentDisplay());
    QStringList names{base};
    for (int i = 2; i <= CandidateCount; ++i)
        names << base + QLatin1Char('-') + QString::number(i);
    return names;
}

QString TInstanceChannel::ListeningName() const
{
    return m_server ? m_server->fullServerName() : QString();
}

QString TInstanceChannel::ResolveArgument(const QString &argument, const QString &folder)
{
    if (argument.isEmpty() || folder.isEmpty() || QDir::isAbsolutePath(argument))
        return argument;
    return QDir::cleanPath(QDir(folder).filePath(argument));
}

TInstanceChannel::Role TInstanceChannel::Start(const QStringList &arguments, const QString &currentFolder)
{
    if (!m_problem.isEmpty())
        return Failed;
    // Two starts at the same moment must not both become the instance: discovery and
    // listening happen under one lock. Without the lock we go on all the same.
    const QString lockFolder = m_folder.isEmpty() ? QDir::tempPath() : m_folder;
    QLockFile lock(lockFolder + QLatin1Char('/') + QFileInfo(CandidateNames().first()).fileName()
                   + QStringLiteral(".lock"));
    lock.tryLock(5000);

    QList<Probe> states;
    for (const QString &name : CandidateNames()) {
        QLocalSocket socket;
        const Probe state = probe(name, socket);
        if (state == Probe::Ours)
            return forward(socket, arguments, currentFolder);
        states << state;
    }
    const QStringList names = CandidateNames();
    for (int i = 0; i < names.size(); ++i) {
        if ((states[i] == Probe::Nothing || states[i] == Probe::Stale) && listenOn(names[i], states[i]))
            return Primary;
    }
    return Failed;
}

TInstanceChannel::Probe TInstanceChannel::probe(const QString &name, QLocalSocket &socket) const
{
#ifdef Q_OS_UNIX
    // Only a socket of our own user is ever connected to, or removed when stale.
    struct stat st;
    if (::lstat(QFile::encodeName(name).constData(), &st) != 0)
        return errno == ENOENT ? Probe::Nothing : Probe::Foreign;
    if (!S_ISSOCK(st.st_mode) || st.st_uid != ::geteuid())
        return Probe::Foreign;
#endif
    socket.connectToServer(name);
    if (!socket.waitForConnected(ConnectTimeout)) {
        switch (socket.error()) {
        case QLocalSocket::ServerNotFoundError:
            return Probe::Nothing;
        case QLocalSocket::ConnectionRefusedError:
            return Probe::Stale; // left behind by an instance that crashed
        default:
            return Probe::Foreign;
        }
    }
    if (!peerIsSameUser(socket.socketDescriptor())) {
        socket.abort();
        return Probe::Foreign;
    }

    socket.write(encode(Message{Kind::Probe}));
    socket.waitForBytesWritten(ReplyTimeout);
    QByteArray buffer;
    const QDeadlineTimer deadline(ReplyTimeout);
    while (!deadline.hasExpired() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
        buffer += socket.readAll();
        Message reply;
        const Decoded result = decode(buffer, reply);
        if (result == Decoded::Complete && reply.kind == Kind::Reply && reply.value == InstanceReply)
            return Probe::Ours;
        if (result != Decoded::NeedMore)
            break;
    }
    socket.abort();
    return Probe::Foreign;
}

TInstanceChannel::Role TInstanceChannel::forward(QLocalSocket &socket, const QStringList &arguments,
                                                 const QString &folder)
{
    // Only the first argument travels; one that would not fit is refused here, saying why.
    const bool hasArgument = !arguments.isEmpty() && !arguments.first().isEmpty();
    QByteArray frame;
    if (hasArgument) {
        Message open{Kind::Open};
        open.argument = arguments.first();
        open.folder = folder;
        frame = encode(open);
        if (frame.size() > HeaderSize + MaxPayload) {
            m_problem = tr("Argument je příliš dlouhý (%1 bajtů, nejvýše %2) a běžícímu programu "
                           "nebyl předán.")
                            .arg(frame.size() - HeaderSize)
                            .arg(MaxPayload);
            socket.abort();
            return Refused;
        }
    }
    Role role = Forwarded;
    socket.write(encode(Message{Kind::Restore}));
    if (hasArgument) {
        socket.write(frame);
        QByteArray buffer;
        const QDeadlineTimer deadline(ReplyTimeout);
        socket.waitForBytesWritten(ReplyTimeout);
        while (!deadline.hasExpired() && socket.waitForReadyRead(int(deadline.remainingTime()))) {
            buffer += socket.readAll();
            Message answer;
            const Decoded result = decode(buffer, answer);
            if (result == Decoded::Complete && answer.kind == Kind::Busy) {
                m_problem = tr("Běžící program má příliš mnoho souborů k otevření; %1 nebyl předán.")
                                .arg(arguments.first());
                role = Refused;
            }
            if (result != Decoded::NeedMore)
                break;
        }
    }
    socket.waitForBytesWritten(ReplyTimeout);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(ConnectTimeout);
    return role;
}

bool TInstanceChannel::listenOn(const QString &name, Probe state)
{
    if (state == Probe::Stale)
        QLocalServer::removeServer(name);
    auto *server = new QLocalServer(this);
    server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server->listen(name)) {
        delete server;
        return false;
    }
    connect(server, &QLocalServer::newConnection, this, &TInstanceChannel::acceptConnections);
    m_server = server;
    m_name = name;
    m_watch.start();
    return true;
}

void TInstanceChannel::keepListening()
{
    if (!m_server || m_server->isListening())
        return;
    // Clients are dropped first so that descriptors are free again.
    for (const QPointer<QLocalSocket> &client : std::as_const(m_clients))
        if (client)
            client->abort();
    m_clients.clear();
    m_server->deleteLater();
    m_server = nullptr;
    QLocalServer::removeServer(m_name);
    if (!listenOn(m_name, Probe::Nothing))
        m_watch.start(); // tried again at the next check
}

void TInstanceChannel::acceptConnections()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection())
        serve(socket);
    if (!m_server->isListening())
        QTimer::singleShot(0, this, &TInstanceChannel::keepListening);
}

void TInstanceChannel::serve(QLocalSocket *socket)
{
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!peerIsSameUser(socket->socketDescriptor())) {
        socket->abort();
        socket->deleteLater();
        return;
    }
    // A flood of idle connections must not use up the descriptors: the oldest go first.
    m_clients.removeAll(nullptr);
    while (m_clients.size() >= MaxClients) {
        if (QLocalSocket *oldest = m_clients.takeFirst()) {
            oldest->abort();
            oldest->deleteLater();
        }
    }
    m_clients << socket;
    QTimer::singleShot(IdleConnectionLimit, socket, [socket] {
        socket->abort();
        socket->deleteLater();
    });

    // A connection carries one hand-over: a restore, then at most one open. Anything after
    // the open is ignored and the connection closed.
    auto buffer = std::make_shared<QByteArray>();
    auto restored = std::make_shared<bool>(false);
    auto handedOver = std::make_shared<bool>(false);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket, buffer, restored, handedOver] {
        if (*handedOver) {
            socket->readAll();
            return;
        }
        buffer->append(socket->readAll());
        for (;;) {
            Message message;
            const Decoded result = decode(*buffer, message);
            if (result == Decoded::NeedMore)
                return;
            if (result == Decoded::Malformed) {
                // Whatever sent that is not a start of this program: forget it.
                buffer->clear();
                socket->abort();
                socket->deleteLater();
                return;
            }
            switch (message.kind) {
            case Kind::Probe:
                socket->write(encode(Message{Kind::Reply, InstanceReply}));
                break;
            case Kind::Restore:
                if (std::exchange(*restored, true))
                    break;
                // Handled after this read returns, in the order the requests came.
                QMetaObject::invokeMethod(
                    this, [this] { emit RestoreRequested(); }, Qt::QueuedConnection);
                break;
            case Kind::Open:
                *handedOver = true;
                buffer->clear();
                socket->write(encode(Message{takeOpen(message) ? Kind::Ack : Kind::Busy}));
                socket->disconnectFromServer(); // after the answer is written
                return;
            default:
                buffer->clear();
                socket->abort();
                socket->deleteLater();
                return;
            }
        }
    });
}

bool TInstanceChannel::takeOpen(const Message &open)
{
    if (m_waiting.size() >= MaxWaitingOpens) {
        if (!std::exchange(m_refusalTold, true))
            QMetaObject::invokeMethod(this, &TInstanceChannel::OpensRefused, Qt::QueuedConnection);
        return false;
    }
    m_waiting.enqueue({open.argument, open.folder});
    if (!m_handOn.isActive())
        m_handOn.start();
    return true;
}

void TInstanceChannel::handWaitingOpens()
{
    // An open may show a modal box: no further opens are handed inside it (they would
    // stack boxes); requests meanwhile wait, up to the limit.
    if (m_handing)
        return;
    m_handing = true;
    for (int i = 0; i < OpensPerTurn && !m_waiting.isEmpty(); ++i) {
        const auto [argument, folder] = m_waiting.dequeue();
        emit OpenRequested(argument, folder);
    }
    m_handing = false;
    if (!m_waiting.isEmpty())
        m_handOn.start();
    else
        m_refusalTold = false;
}
