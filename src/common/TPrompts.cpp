#include "common/TPrompts.h"

#include "common/TErrorText.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

TPrompts::Answer TDialogPrompts::Confirm(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("TPrompts", "Confirm"), text,
                    QMessageBox::NoButton, parent);
    QPushButton *yes = box.addButton(QCoreApplication::translate("TPrompts", "&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QCoreApplication::translate("TPrompts", "&No"), QMessageBox::NoRole);
    QPushButton *cancel =
        box.addButton(QCoreApplication::translate("TPrompts", "Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Yes;
    if (box.clickedButton() == no)
        return No;
    return Cancel;
}

bool TDialogPrompts::ConfirmOverwrite(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Warning, QApplication::applicationDisplayName(), text, QMessageBox::NoButton,
                    parent);
    QPushButton *overwrite =
        box.addButton(QCoreApplication::translate("TPrompts", "Přepsat"), QMessageBox::AcceptRole);
    QPushButton *cancel =
        box.addButton(QCoreApplication::translate("TPrompts", "Storno"), QMessageBox::RejectRole);
    box.setDefaultButton(cancel); // another program's version is not lost by a hasty Enter
    box.setEscapeButton(cancel);
    box.exec();
    return box.clickedButton() == overwrite;
}

void TDialogPrompts::ShowError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    ErrorBoxText(text), QMessageBox::Ok, parent);
    box.exec();
}

void TDialogPrompts::ShowErrorNotice(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::translate("TPrompts", "Error"), text,
                    QMessageBox::Ok, parent);
    box.exec();
}

void TDialogPrompts::ShowMessage(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok, parent);
    box.exec();
}

namespace {

// The file dialogs open enlarged: the screen less a sixth of its width and a quarter of its
// height, centred across, with a third of the spare height above.
void enlarge(QFileDialog &dialog, QWidget *parent)
{
    QScreen *screen = parent ? parent->screen() : QApplication::primaryScreen();
    const QRect avail = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const int width = avail.width() - avail.width() / 6;
    const int height = avail.height() - avail.height() / 4;
    dialog.resize(width, height);
    dialog.move(avail.left() + (avail.width() - width) / 2,
                avail.top() + (avail.height() - height) / 3);
}

// The detail view's columns: size, type and date as wide as their texts, the name taking
// the rest. Qt's own dialog keeps them at their narrow defaults in the enlarged frame.
void fitColumns(QFileDialog &dialog)
{
    auto *view = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    if (!view || !view->isVisible())
        return; // the platform's own dialog, or the list view
    QHeaderView *header = view->header();
    int others = 0;
    for (int column = 1; column < header->count(); ++column) {
        if (header->isSectionHidden(column))
            continue;
        const int before = header->sectionSize(column);
        view->resizeColumnToContents(column);
        header->resizeSection(column, qMax(before, header->sectionSize(column)));
        others += header->sectionSize(column);
    }
    view->resizeColumnToContents(0);
    header->resizeSection(0, qMax(header->sectionSize(0), view->viewport()->width() - others));
}

// Fits the columns once the dialog shows, and again when a folder's entries have come in.
void fitColumnsWhenShown(QFileDialog &dialog)
{
    QTimer::singleShot(0, &dialog, [&dialog] { fitColumns(dialog); });
    if (auto *model = dialog.findChild<QFileSystemModel *>())
        QObject::connect(model, &QFileSystemModel::directoryLoaded, &dialog, [&dialog] {
            QTimer::singleShot(0, &dialog, [&dialog] { fitColumns(dialog); });
        });
}

} // namespace

QStringList TDialogPrompts::OpenFileNames(QWidget *parent, const QString &title,
                                          const QString &dir, const QString &filter)
{
    QFileDialog dialog(parent, title, dir, QtFilterFromWindowsFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    enlarge(dialog, parent);
    fitColumnsWhenShown(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles();
}

QString TDialogPrompts::SaveFileName(QWidget *parent, const QString &title,
                                     const QString &proposal, const QString &filter)
{
    // Starts in the current folder, not in the one the last dialog visited.
    QFileDialog dialog(parent, title, QDir::currentPath(), QtFilterFromWindowsFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The program asks about overwriting itself, with its own text.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!proposal.isEmpty())
        dialog.selectFile(proposal);
    enlarge(dialog, parent);
    fitColumnsWhenShown(dialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().constFirst();
}

bool TDialogPrompts::InputQuery(QWidget *parent, const QString &title, const QString &prompt,
                                QString &value)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(title);
    dialog.setLabelText(prompt);
    dialog.setTextValue(value);
    dialog.setOkButtonText(QCoreApplication::translate("TPrompts", "OK"));
    dialog.setCancelButtonText(QCoreApplication::translate("TPrompts", "Cancel"));
    if (dialog.exec() != QDialog::Accepted)
        return false;
    value = dialog.textValue();
    return true;
}

QString QtFilterFromWindowsFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString label = parts.at(i).trimmed();
        // "*.*" matches every name on Windows, names without a dot too (README, Makefile);
        // here that is "*".
        QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString &p : patterns)
            if (p.trimmed() == QLatin1String("*.*"))
                p = QStringLiteral("*");
        // Qt takes the patterns from the label's parentheses: they show what is matched.
        const QString shown = QLatin1Char('(') + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
        const qsizetype open = label.lastIndexOf(QLatin1Char('('));
        if (open >= 0 && label.endsWith(QLatin1Char(')')))
            label = label.left(open) + shown;
        else
            label += QLatin1Char(' ') + shown;
        out << label;
    }
    return out.join(QStringLiteral(";;"));
}
