#pragma once

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QQueue>
#include <QString>
#include <QStringList>
#include <QTimer>

class QLocalServer;
#include <QLocalSocket>

// The messages between a second start and the running instance. Every frame is
// "QTsk", one kind byte, a 32-bit big-endian payload length and the payload.
namespace InstanceProtocol {

constexpr quint32 InstanceReply = 1193300; // the running instance's answer to a probe
constexpr int MaxPayload = 64 * 1024;

enum class Kind : char {
    Probe = 'P',   // "is this our running instance?"
    Reply = 'R',   // payload: 32-bit big-endian answer
    Restore = 'S', // come to the front
    Open = 'O',    // payload: UTF-8 argument, NUL, UTF-8 folder of the sender
    Ack = 'A',     // the open request has been taken
    Busy = 'B',    // the open request was refused: too many are waiting
};

struct Message
{
    Message(Kind kind = Kind::Probe, quint32 value = 0, QString argument = QString(),
            QString folder = QString())
        : kind(kind), value(value), argument(std::move(argument)), folder(std::move(folder))
    {}
    Kind kind;
    quint32 value;    // Reply
    QString argument; // Open: the first argument as typed
    QString folder;   // Open: the sender's current folder
};

QByteArray encode(const Message &message);

enum class Decoded { NeedMore, Complete, Malformed };
// Takes one complete frame off the front of buffer. Malformed input is never a message.
Decoded decode(QByteArray &buffer, Message &message);

} // namespace InstanceProtocol

// One running instance per user and display. Start() either hands the restore request and
// the first argument to a running instance of this program, or starts listening so that
// later starts reach this one. A probe is answered only by our own protocol, and only a
// server of the same user is ever talked to.
class TInstanceChannel : public QObject
{
    Q_OBJECT
public:
    // Refused: a running instance was found but did not take the argument (Problem() says
    // why).
    enum Role { Primary, Forwarded, Failed, Refused };

    // folder: where the socket lives; empty for the user's runtime folder (or the temp
    // folder when there is none).
    explicit TInstanceChannel(const QString &exeBase, const QString &folder = QString(),
                              QObject *parent = nullptr);
    ~TInstanceChannel() override;

    // arguments: the command-line arguments without the program's own path.
    Role Start(const QStringList &arguments, const QString &currentFolder);

    // The names tried in order: the base name, then a few alternatives for the case that a
    // foreign program holds it.
    QStringList CandidateNames() const;
    QString ListeningName() const; // empty unless Primary

    // "<folder>/<exeBase>.<user>.<display>" with the display made file-name safe.
    static QString BaseName(const QString &exeBase, const QString &folder, const QString &user,
                            const QString &display);
    // Without a private runtime folder: <temp>/quortosk-<uid>, made with mode 0700 and used
    // only when it is our own private folder. Empty, with *problem set, when it cannot be.
    static QString DefaultFolder(QString *problem = nullptr);
    // Why Start() failed before trying any name, or why the argument was refused.
    QString Problem() const { return m_problem; }
    static QString CurrentUser();
    static QString CurrentDisplay();

    // The name the running instance opens: a relative argument is taken relative to the
    // folder the sender was started in.
    static QString ResolveArgument(const QString &argument, const QString &folder);

    static constexpr int CandidateCount = 4;
    static constexpr int MaxClients = 32;            // connections served at once
    static constexpr int ListenCheckInterval = 2000; // ms between checks that we still listen
    // Opens handed over and not yet handled; more are refused. They are handed on a few per
    // turn of the event loop, so that the window and a termination signal are served between.
    static constexpr int MaxWaitingOpens = 100;
    static constexpr int OpensPerTurn = 4;

signals:
    void RestoreRequested();
    void OpenRequested(const QString &argument, const QString &folder);
    // Opens were refused because too many were waiting; once until the waiting ones are done.
    void OpensRefused();

private:
    enum class Probe { Ours, Nothing, Stale, Foreign };
    Probe probe(const QString &name, QLocalSocket &socket) const;
    Role forward(QLocalSocket &socket, const QStringList &arguments, const QString &folder);
    bool listenOn(const QString &name, Probe state);
    void acceptConnections();
    void keepListening();
    void serve(QLocalSocket *socket);
    bool takeOpen(const InstanceProtocol::Message &open); // false: refused
    void handWaitingOpens();

    QString m_exeBase;
    QString m_folder;
    QLocalServer *m_server = nullptr;
    QString m_name;                          // the name listened on
    QString m_problem;                       // no usable folder for the socket
    QList<QPointer<QLocalSocket>> m_clients; // oldest first
    QTimer m_watch;
    QQueue<std::pair<QString, QString>> m_waiting; // argument, folder
    QTimer m_handOn;
    bool m_refusalTold = false;
    bool m_handing = false;
};
