// The real open and save dialogs as the file commands show them: filter, start folder,
// size and place, and the program's own overwrite question instead of the dialog's.
#include "app/commands/CommandTable.h"
#include "app/commands/EditCommands.h"
#include "app/commands/FileCommands.h"
#include "app/commands/PageCommands.h"
#include "app/commands/TextToolCommands.h"
#include "app/commands/ViewCommands.h"
#include "app/pages/TPageControl.h"
#include "app/shell/TMainForm.h"
#include "common/TPrompts.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTreeView>

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
    void allFilesAndReadableColumns();

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
    QCOMPARE(seen.filters,
             QStringList({QStringLiteral("Textové soubory (*.txt)"), QStringLiteral("Všechny soubory (*)")}));
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
    QCOMPARE(form.windowTitle(), QStringLiteral("Quorvel Tosk - bezejmenný1"));
}

// "Všechny soubory (*)" lists names without a dot too, and the detail view's columns are
// wide enough for their texts: the name column takes what the others leave.
void TestFileDialogs::allFilesAndReadableColumns()
{
    QTemporaryDir dir;
    const QStringList names = {"README", "Makefile", "dlouhý název souboru s mezerami a diakritikou.txt"};
    for (const QString &name : names) {
        QFile f(dir.filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QStringList listed;
    int columnsWidth = -1, viewWidth = 0;
    QStringList cut; // texts wider than their column
    QTimer::singleShot(0, this, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->selectNameFilter(dialog->nameFilters().value(1));
        auto *view = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        if (view) {
            for (int i = 0; i < 300 && view->model()->rowCount(view->rootIndex()) < names.size(); ++i)
                QTest::qWait(10); // the folder is read in the background
            QTest::qWait(50);     // the columns follow the loaded folder
            for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
                listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
            QHeaderView *header = view->header();
            viewWidth = view->viewport()->width();
            columnsWidth = header->length();
            for (int c = 0; c < header->count(); ++c)
                for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row) {
                    const QString text = view->model()->index(row, c, view->rootIndex()).data().toString();
                    const int icon = c == 0 ? view->iconSize().width() + 8 : 0;
                    if (view->fontMetrics().horizontalAdvance(text) + icon > header->sectionSize(c))
                        cut << text;
                }
        }
        dialog->reject();
    });
    TDialogPrompts real;
    real.OpenFileNames(nullptr, QStringLiteral("Otevřít"), dir.path(),
                       QStringLiteral("Textové soubory (*.txt)|*.txt|Všechny soubory (*.*)|*.*"));
    QCOMPARE(QSet<QString>(listed.begin(), listed.end()), QSet<QString>(names.begin(), names.end()));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1Char('|'))));
    QVERIFY2(columnsWidth >= viewWidth,
             qPrintable(QStringLiteral("%1 of %2").arg(columnsWidth).arg(viewWidth)));
}

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
