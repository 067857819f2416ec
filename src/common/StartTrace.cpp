#include "common/StartTrace.h"

#include <cstdio>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QStringList>

namespace StartTrace {

namespace {
struct State
{
    bool enabled = qEnvironmentVariableIntValue("QUORTOSK_TRACE_START") != 0;
    QElapsedTimer clock;
    QStringList lines;
};

class TFirstPaint : public QObject
{
protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Paint) {
            Mark("first paint");
            QCoreApplication::instance()->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

State &state()
{
    static State s;
    return s;
}
} // namespace

bool Enabled()
{
    return state().enabled;
}

qint64 Mark(const char *name)
{
    State &s = state();
    if (!s.enabled)
        return -1;
    if (!s.clock.isValid())
        s.clock.start();
    const qint64 ms = s.clock.elapsed();
    const QString line = QStringLiteral("start %1 %2").arg(ms, 5).arg(QLatin1String(name));
    s.lines << line;
    std::fprintf(stderr, "%s\n", qPrintable(line));
    return ms;
}

QStringList Lines()
{
    return state().lines;
}

void WatchFirstPaint()
{
    if (Enabled() && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(new TFirstPaint);
}

} // namespace StartTrace
