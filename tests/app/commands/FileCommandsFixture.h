#pragma once

// The main window with its file commands, driven through the prompt seam: what the tests of
// the file and close commands share.
#include "app/commands/FileCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "RecentFiles.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

// Prompts that can look at the program while a question is on screen.
class WatchingPrompts : public TFakePrompts
{
public:
    std::function<void()> onSaveDialog;
    std::function<void()> onConfirm;
    Answer Confirm(QWidget *parent, const QString &text) override
    {
        if (onConfirm)
            onConfirm();
        return TFakePrompts::Confirm(parent, text);
    }
    QString SaveFileName(QWidget *parent, const QString &title, const QString &proposal,
                         const QString &filter) override
    {
        if (onSaveDialog)
            onSaveDialog();
        return TFakePrompts::SaveFileName(parent, title, proposal, filter);
    }
};

// A shown main window with its untitled page 1, in a temporary folder that is the current one.
class FileCommandsFixture
{
protected:
    void setUp()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QDir::setCurrent(m_dir->path());
        m_prompts = std::make_unique<WatchingPrompts>();
        m_form = std::make_unique<TMainForm>(m_prompts.get(), nullptr);
        m_form->show();
        QCOMPARE(pageCount(), 1);
    }
    void tearDown()
    {
        m_form.reset();
        m_prompts.reset();
        QDir::setCurrent(QDir::tempPath());
        m_dir.reset();
    }

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString makeFile(const QString &name, const QByteArray &bytes)
    {
        const QString p = path(name);
        TestFiles::WriteBytes(p, bytes);
        return p;
    }
    TTabSheet *page(int i) const { return m_form->PageControl()->Page(i); }
    int pageCount() const { return m_form->PageControl()->PageCount(); }
    TTabSheet *active() const { return m_form->ActivePage(); }
    // Inserts at the start of the active page's text.
    void type(const QString &text)
    {
        m_form->ActiveEditor()->SetSelStart(0);
        m_form->ActiveEditor()->SetSelText(text);
    }
    // The paths of the "Znovu otevřít" submenu, newest first.
    QStringList recent() const { return RecentPaths(*m_form); }
    void openPage(const QString &file)
    {
        m_prompts->openAnswers.enqueue({file});
        m_form->Files()->mmOpenClick();
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<WatchingPrompts> m_prompts;
    std::unique_ptr<TMainForm> m_form;
};
