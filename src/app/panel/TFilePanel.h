#pragma once

#include "app/panel/TDriveList.h"

#include <functional>
#include <memory>
#include <QHash>
#include <QWidget>

class QAbstractFileIconProvider;
class QComboBox;
class QFileSystemModel;
class QFileSystemWatcher;
class QLabel;
class QListView;
class QModelIndex;
class QSortFilterProxyModel;
class QSplitter;
class QTreeView;

// The side panel pnlLEVY: a list of drives, the folder tree of the chosen drive and the
// files of the current folder, from which Enter or a double click opens the selected files.
// The folders are read in the background, so a slow or network folder never holds up the
// window; nothing is read before the panel is first shown.
class TFilePanel : public QWidget
{
    Q_OBJECT
public:
    // `openFiles` gets the full paths of the selected files in list order (possibly none);
    // the panel starts in `startFolder`.
    TFilePanel(const QString &startFolder, std::function<void(const QStringList &)> openFiles,
               QWidget *parent = nullptr);
    ~TFilePanel() override;

    // The current folder, absolute, with "/" separators.
    QString Folder() const { return m_folder; }
    // Moves the folder tree (and the drive list when the drive differs) to `folder`; false
    // when there is no such folder, which leaves the panel where it was.
    bool SetFolder(const QString &folder);

    // pnlDIRS.Height and DriveComboBox1.Width as the settings keep them.
    int DirsHeight() const;
    void SetDirsHeight(int height);
    int DriveWidth() const { return m_driveWidth; }
    void SetDriveWidth(int width);

    // The main window's splitter moved: the drive list takes the panel's width.
    void Splitter1Moved();
    // Opens every selected file of the list (double click, Enter).
    void FileListBox1DblClick();
    // The drive list's choice: that drive's last folder of this run, else its root.
    void DriveComboBox1Change(int index);

signals:
    void FolderChanged(const QString &folder);

protected:
    void showEvent(QShowEvent *e) override;
    void hideEvent(QHideEvent *e) override;
    bool eventFilter(QObject *watched, QEvent *e) override;

public:
    QWidget *pnlDIRS = nullptr; // drive and folder part
    QWidget *Panel1 = nullptr;  // holds the drive list
    QComboBox *DriveComboBox1 = nullptr;
    QTreeView *DirectoryListBox1 = nullptr;
    QSplitter *Splitter2 = nullptr;
    QWidget *pnlFILES = nullptr; // file part
    QListView *FileListBox1 = nullptr;
    QLabel *lblNoAccess = nullptr; // shown over the list for a folder that cannot be read
    // Whether a folder's files can be listed; asked at each change of folder.
    std::function<bool(const QString &)> FolderReadable;

private:
    class TDriveFolders;
    void createModels();
    void fillDrives();
    void showFolder();
    void openFolder(const QModelIndex &index);
    void scrollToCurrent();
    void followCurrent();
    void applyDirsHeight();
    QStringList selectedFiles() const;

    std::function<void(const QStringList &)> m_openFiles;
    QString m_folder;
    QList<DriveList::Drive> m_drives;
    QString m_driveRoot;                                // the drive the tree shows
    QHash<QString, QString> m_driveFolders;             // last folder per drive root
    std::unique_ptr<QAbstractFileIconProvider> m_icons; // outlives the models below
    QFileSystemModel *m_dirModel = nullptr;
    TDriveFolders *m_folders = nullptr; // the dir model cut to the drive
    QFileSystemModel *m_fileModel = nullptr;
    QSortFilterProxyModel *m_files = nullptr; // the file model as the list shows it
    QFileSystemWatcher *m_watcher = nullptr; // the current folder
    int m_dirsHeight = 105;
    bool m_dirsPending = true; // waits for the splitter's first height
    // The folders above the current one are read after it is shown, and their other
    // subfolders come in above it: until the user scrolls the tree, it is kept in view.
    bool m_following = false;
    bool m_followPending = false;
    int m_driveWidth = 137;
};
