// The real open and save dialogs as the file commands show them: filter, start folder,
// size and place, and the program's own overwrite question instead of the dialog's.
#include "app/CommandTable.h"
#include "app/EditCommands.h"
#include "app/FileCommands.h"
#include "app/PageCommands.h"
#include "app/TextToolCommands.h"
#include "app/ViewCommands.h"
#include "app/TMainForm.h"
#include "app/TPageControl.h"
#include "common/TPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

class TestFileDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QVERIFY(m_dir.isValid());
        QDir::setCurrent(m_dir.path());
    }
    void realFileDialogs_data();
    void realFileDialogs();

private:
    QTemporaryDir m_dir;
};

void TestFileDialogs::realFileDialogs_data()
{
    QTest::addColumn<bool>("save");
    QTest::newRow("open") << false;
    QTest::newRow("save") << true;
}

void TestFileDialogs::realFileDialogs()
{
    QFETCH(bool, save);
    TDialogPrompts real;
    TMainForm form(&real, nullptr);
    form.show();
    struct Seen
    {
        bool found = false;
        QStringList filters;
        QString selectedFilter, directory, fileName;
        QSize size;
        QPoint pos;
        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        QFileDialog::AcceptMode accept = QFileDialog::AcceptOpen;
        bool confirmsOverwrite = true;
    } seen;
    QTimer::singleShot(0, this, [&seen] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        seen.found = true;
        seen.filters = dialog->nameFilters();
        seen.selectedFilter = dialog->selectedNameFilter();
        seen.directory = dialog->directory().absolutePath();
        seen.fileName = dialog->selectedFiles().value(0);
        seen.size = dialog->size();
        seen.pos = dialog->pos();
        seen.mode = dialog->fileMode();
        seen.accept = dialog->acceptMode();
        seen.confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    if (save)
        form.Files()->mmSaveAsClick();
    else
        form.Files()->mmOpenClick();

    QVERIFY(seen.found);
    QCOMPARE(seen.filters, QStringList({QStringLiteral("Textové soubory (*.txt)"),
                                        QStringLiteral("Všechny soubory (*)")}));
    QCOMPARE(seen.selectedFilter, seen.filters.first());
    QCOMPARE(seen.directory, QDir::currentPath());
    const QRect screen = form.screen()->availableGeometry();
    const QSize size(screen.width() - screen.width() / 6, screen.height() - screen.height() / 4);
    QCOMPARE(seen.size, size);
    QCOMPARE(seen.pos, QPoint(screen.left() + (screen.width() - size.width()) / 2,
                              screen.top() + (screen.height() - size.height()) / 3));
    if (save) {
        QCOMPARE(seen.accept, QFileDialog::AcceptSave);
        QVERIFY(!seen.confirmsOverwrite); // the program asks with its own text
        QCOMPARE(QFileInfo(seen.fileName).fileName(), QStringLiteral("Bez názvu.Txt"));
    } else {
        QCOMPARE(seen.accept, QFileDialog::AcceptOpen);
        QCOMPARE(seen.mode, QFileDialog::ExistingFiles);
    }
    QCOMPARE(form.PageControl()->PageCount(), 1); // cancelled: nothing happened
    QCOMPARE(form.windowTitle(), QStringLiteral("Quorvel Tosk"));
}

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
