#pragma once

// The test's own program run again as a child process that does its part (types into a page,
// waits for its recovery copy, ...) and is then ended by SIGKILL: what a crash leaves behind,
// from a window a test can type into, which the real program's is not. The test program's
// main() hands over to its child part when Role() is set.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QString>
#include <QStringList>

#include <cstdio>

namespace KilledRun {

inline const char *RoleVariable()
{
    return "QUORTOSK_TEST_KILLED_RUN";
}

// In the child: the part it was started for; empty in the test itself.
inline QString Role()
{
    return qEnvironmentVariable(RoleVariable());
}

// In the child, its part done: tells the test, then runs until the signal comes.
inline int Ready()
{
    std::fputs("ready\n", stdout);
    std::fflush(stdout);
    return QCoreApplication::exec();
}

// In the test: the program again as a child in `role` with `arguments`, killed with SIGKILL
// once it said it was ready. False (with the reason) when it ended or timed out before.
inline bool RunAndKill(const QString &role, const QStringList &arguments, QString *problem)
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QLatin1String(RoleVariable()), role);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), arguments);
    QByteArray said;
    QElapsedTimer t;
    t.start();
    while (!said.contains("ready\n") && child.state() != QProcess::NotRunning && t.elapsed() < 30000) {
        child.waitForReadyRead(100);
        said += child.readAllStandardOutput();
    }
    if (!said.contains("ready\n")) {
        *problem = QStringLiteral("the child did not get ready (exit code %1, said \"%2\")")
                       .arg(child.exitCode())
                       .arg(QString::fromLocal8Bit(said));
        child.kill();
        child.waitForFinished();
        return false;
    }
    child.kill();
    if (!child.waitForFinished(10000) || child.exitStatus() != QProcess::CrashExit) {
        *problem = QStringLiteral("the child did not end by the signal");
        return false;
    }
    return true;
}

} // namespace KilledRun
