#pragma once

// The main window with its file commands, driven through the prompt seam: what the tests of
// the file and close commands share.
#include "RecentFiles.h"
#include "ShownMainForm.h"

#include <QDir>
#include <QStandardPaths>

#include <functional>

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
class FileCommandsFixture : protected ShownMainForm<WatchingPrompts>
{
protected:
    void setUp()
    {
        QStandardPaths::setTestModeEnabled(true);
        showForm();
        QDir::setCurrent(m_dir->path());
        QCOMPARE(pageCount(), 1);
    }
    void tearDown()
    {
        m_form.reset();
        QDir::setCurrent(QDir::tempPath());
        closeForm();
    }

    QString path(const QString &name) const { return m_dir->filePath(name); }
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
    void openPage(const QString &file) { openInDialog(file); }
};
