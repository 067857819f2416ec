#include "app/startup/TLastFilesReopen.h"

#include "app/commands/FileCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "app/startup/TStartup.h"
#include "common/TErrorText.h"
#include "common/TPrompts.h"
#include "editor/document/Document.h"
#include "editor/view/TRxRichEdit.h"
#include "settings/options/TLastFiles.h"
#include "settings/store/TSettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QHash>
#include <QTimer>
#include <QWidget>

TLastFilesReopen::TLastFilesReopen(TMainForm &form, TSettingsStore *store, QObject *parent)
    : QObject(parent), m_form(form), m_store(store), m_fallback(new QTimer(this))
{
    m_fallback->setSingleShot(true);
    m_fallback->setInterval(3000);
    connect(m_fallback, &QTimer::timeout, this, &TLastFilesReopen::reopenSoon);
    if (m_store)
        QCoreApplication::instance()->installEventFilter(this);
    else
        m_done = true;
}

TLastFilesReopen::~TLastFilesReopen()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

void TLastFilesReopen::Start()
{
    if (m_done || m_started)
        return;
    m_started = true;
    if (m_painted)
        reopenSoon();
    else
        m_fallback->start();
}

bool TLastFilesReopen::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Paint && !m_painted && watched->isWidgetType()
        && static_cast<QWidget *>(watched)->window() == &m_form) {
        m_painted = true;
        QCoreApplication::instance()->removeEventFilter(this);
        if (m_started)
            reopenSoon();
    }
    return false;
}

void TLastFilesReopen::reopenSoon()
{
    m_fallback->stop();
    // After the paint under way has reached the screen.
    QMetaObject::invokeMethod(this, &TLastFilesReopen::reopen, Qt::QueuedConnection);
}

void TLastFilesReopen::reopen()
{
    if (m_done)
        return;
    m_done = true;
    QCoreApplication::instance()->removeEventFilter(this);
    int opened = 0;
    const auto finish = [this, &opened] {
        Startup::Report(m_form, QStringLiteral("reopened"), QString::number(opened));
        emit Reopened(opened);
    };
    if (!TLastFiles::ReopenOn(*m_store)) {
        emit Reopened(0); // nothing to report to the whole-program tests
        return;
    }
    TLastFiles last;
    try {
        last = TLastFiles::Read(*m_store);
    } catch (const TError &e) {
        m_store->ReportProblem(e.message());
        return finish();
    }
    // Pages the start has made already (recovery copies) stand for their files.
    QHash<QString, TTabSheet *> present;
    TPageControl *pages = m_form.PageControl();
    for (int i = 0; i < pages->PageCount(); ++i)
        if (pages->Page(i)->Doc()->HasFile())
            present.insert(QDir::cleanPath(pages->Page(i)->Doc()->FileName()), pages->Page(i));

    QStringList missing;
    TTabSheet *active = nullptr;
    for (int i = 0; i < last.files.size(); ++i) {
        const TLastFiles::File &file = last.files.at(i);
        TTabSheet *page = present.value(QDir::cleanPath(file.path));
        if (!page) {
            if (!QFileInfo::exists(file.path)) {
                missing << QDir::toNativeSeparators(file.path);
                continue;
            }
            // Listed among the recent files as a file from the command line is.
            m_form.AddToRecent(QDir::cleanPath(QFileInfo(file.path).absoluteFilePath()), 0);
            try {
                m_form.Files()->OpenFile(file.path);
            } catch (const TError &e) {
                m_form.Prompts()->ShowError(&m_form, ErrorOpeningText(file.path, e.message()));
                continue;
            }
            page = pages->ActivePage();
            ++opened;
            TRxRichEdit *editor = page->Editor();
            editor->AfterLoad([editor, caret = file.caret] { editor->SetSelStart(caret); });
        }
        if (i == last.active)
            active = page;
    }
    if (active) {
        pages->SetActivePage(active);
        active->Editor()->setFocus();
    }
    if (!missing.isEmpty())
        m_form.Prompts()->ShowMessage(&m_form, QCoreApplication::applicationName(),
                                      tr("Tyto soubory z minula už neexistují a nebyly otevřeny:\n%1")
                                          .arg(missing.join(QLatin1Char('\n'))));
    finish();
}
