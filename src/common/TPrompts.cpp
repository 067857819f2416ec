#include "common/TPrompts.h"

#include "common/TErrorText.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

TPrompts::Answer TDialogPrompts::Confirm(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), text, QMessageBox::NoButton,
                    parent);
    QPushButton *yes = box.addButton(QStringLiteral("&Yes"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("&No"), QMessageBox::NoRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Cancel"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return Yes;
    if (box.clickedButton() == no)
        return No;
    return Cancel;
}

void TDialogPrompts::ShowError(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(),
                    ErrorBoxText(text), QMessageBox::Ok, parent);
    box.exec();
}

void TDialogPrompts::ShowErrorNotice(QWidget *parent, const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok, parent);
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

} // namespace

QStringList TDialogPrompts::OpenFileNames(QWidget *parent, const QString &title,
                                          const QString &dir, const QString &filter)
{
    QFileDialog dialog(parent, title, dir, QtFilterFromWindowsFilter(filter));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    enlarge(dialog, parent);
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
    dialog.setOkButtonText(QStringLiteral("OK"));
    dialog.setCancelButtonText(QStringLiteral("Cancel"));
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
        QString label = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(QLatin1Char(';'), QLatin1Char(' '));
        if (!label.contains(QLatin1Char('(')))
            label += QStringLiteral(" (") + patterns + QLatin1Char(')');
        out << label;
    }
    return out.join(QStringLiteral(";;"));
}
