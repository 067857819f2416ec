#pragma once

// A shown main window driven through the prompt seam, with a temporary folder for its files:
// what the tests of pages, files and code pages on the real window share.
#include "app/commands/CommandTable.h"
#include "app/commands/FileCommands.h"
#include "app/files/FileWatch.h"
#include "app/pages/TPageBar.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "editor/view/TRxRichEdit.h"
#include "TestFiles.h"
#include "TFakePrompts.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// `Prompts`: TFakePrompts or a kind of it.
template <typename Prompts = TFakePrompts> class ShownMainForm
{
protected:
    // From init(): a new folder and prompts, and the window shown and exposed.
    void showForm()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        m_prompts = std::make_unique<Prompts>();
        m_form = std::make_unique<TMainForm>(m_prompts.get(), nullptr);
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    // From cleanup(): the window goes before the prompts it asks and the folder of its files.
    void closeForm()
    {
        m_form.reset();
        m_prompts.reset();
        m_dir.reset();
    }

    // Writes a file in the folder: its path, empty when it cannot.
    QString makeFile(const QString &name, const QByteArray &bytes) const
    {
        const QString path = m_dir->filePath(name);
        return TestFiles::WriteBytes(path, bytes) ? path : QString();
    }
    // Writes a file and opens it as a page the way a drop or the command line does.
    TTabSheet *openWritten(const QByteArray &bytes, const QString &name = QStringLiteral("a.txt"))
    {
        const QString path = makeFile(name, bytes);
        if (path.isEmpty())
            return nullptr;
        m_form->Files()->OpenFile(path);
        return m_form->ActivePage();
    }
    // Opens a file through "Otevřít" and its dialog.
    void openInDialog(const QString &path)
    {
        m_prompts->openAnswers.enqueue({path});
        m_form->Files()->mmOpenClick();
    }

    TRxRichEdit *editor() const { return m_form->ActiveEditor(); }
    Document *doc() const { return editor()->Doc(); }
    QAction *action(const char *name) const { return m_form->Commands().Action(QLatin1String(name)); }
    TPageBar *watchBar(TTabSheet *page) const { return m_form->Watch()->BarOf(page); }

    // Typed as a keyboard types it, one key event for each character (an emoji is one).
    void typeKeys(const QString &text)
    {
        for (const char32_t c : text.toUcs4()) {
            const QString one = QString::fromUcs4(&c, 1);
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, one);
            QApplication::sendEvent(editor(), &press);
            QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, one);
            QApplication::sendEvent(editor(), &release);
        }
    }
    void save() { QTest::keyClick(m_form.get(), Qt::Key_S, Qt::ControlModifier); }
    void undo() { QTest::keyClick(editor(), Qt::Key_Z, Qt::ControlModifier); }

    static QPushButton *barButton(TPageBar *bar, const QString &caption)
    {
        for (QPushButton *b : bar->Buttons())
            if (b->text() == caption)
                return b;
        return nullptr;
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<Prompts> m_prompts;
    std::unique_ptr<TMainForm> m_form;
};
