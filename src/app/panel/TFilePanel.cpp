#include "app/panel/TFilePanel.h"

#include "common/TErrorText.h"

#include <algorithm>
#include <QAbstractFileIconProvider>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QFileSystemWatcher>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListView>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QSplitter>
#include <QStyle>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

using DriveList::Drive;

namespace {

// A list or tree that opens on a double click with the left button and on Enter (either
// key), and otherwise keeps its own keyboard and mouse handling. `open` gets the item
// under the mouse or the current item.
template <class View> class TOpeningView : public View
{
public:
    using View::View;
    std::function<void(const QModelIndex &)> open;

protected:
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            open(this->currentIndex());
            e->accept();
            return;
        }
        View::keyPressEvent(e);
    }
    void mouseDoubleClickEvent(QMouseEvent *e) override
    {
        View::mouseDoubleClickEvent(e);
        if (e->button() == Qt::LeftButton)
            open(this->indexAt(e->position().toPoint()));
    }
};

// The drive list looks at the mounts again whenever it opens (a stick may have come).
class TDriveBox : public QComboBox
{
public:
    using QComboBox::QComboBox;
    std::function<void()> beforePopup;

    void showPopup() override
    {
        if (beforePopup)
            beforePopup();
        QComboBox::showPopup();
    }
};

// Icons without asking the MIME database about every file: that lookup, made for each
// file on the window's thread, was most of the cost of listing a large folder. Folders get
// one folder icon; files get theirs from the list's model. Also called from the model's
// reading thread: it only hands out copies of what was made here.
class TPlainIcons : public QAbstractFileIconProvider
{
public:
    TPlainIcons() : m_folder(QApplication::style()->standardIcon(QStyle::SP_DirClosedIcon)) {}
    QIcon icon(IconType type) const override { return type == Folder ? m_folder : QIcon(); }
    QIcon icon(const QFileInfo &info) const override { return info.isDir() ? m_folder : QIcon(); }
    // Never empty: the model takes an empty type for information still to come and asks
    // for it again and again. The type column is not shown.
    QString type(const QFileInfo &info) const override
    {
        return info.isDir() ? QStringLiteral("Folder") : QStringLiteral("File");
    }

private:
    QIcon m_folder;
};

// Ordinary files only; programs carry a program glyph, everything else a document glyph.
class TFileModel : public QFileSystemModel
{
public:
    explicit TFileModel(QObject *parent)
        : QFileSystemModel(parent), m_document(QStringLiteral(":/icons/file-document.svg")),
          m_program(QStringLiteral(":/icons/file-program.svg"))
    {
        setFilter(QDir::Files | QDir::NoDotAndDotDot); // neither hidden nor system files
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::DecorationRole && index.column() == 0)
            return isProgram(index) ? m_program : m_document;
        return QFileSystemModel::data(index, role);
    }

private:
    // The program extensions of DOS and Windows, and what Linux marks executable.
    bool isProgram(const QModelIndex &index) const
    {
        static const QStringList extensions = {QStringLiteral("exe"), QStringLiteral("com"),
                                               QStringLiteral("bat"), QStringLiteral("pif")};
        const QString name = fileName(index);
        const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
        if (dot > 0 && extensions.contains(name.mid(dot + 1), Qt::CaseInsensitive))
            return true;
        constexpr QFileDevice::Permissions exe =
            QFileDevice::ExeOwner | QFileDevice::ExeUser | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        return permissions(index) & exe;
    }

    QIcon m_document;
    QIcon m_program;
};

// The file model keeps the folders on the way to every folder it has shown, and lists them
// in spite of its filter (a subfolder once entered came back in its parent's list): only
// the way down to the shown folder is let through, never a folder inside it.
class TOrdinaryFiles : public QSortFilterProxyModel
{
public:
    TOrdinaryFiles(QFileSystemModel *source, QObject *parent)
        : QSortFilterProxyModel(parent), m_source(source)
    {
        setSourceModel(source);
    }
    void SetFolder(const QString &folder)
    {
        m_folder = folder;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const QModelIndex index = m_source->index(row, 0, parent);
        return !m_source->isDir(index) || DriveList::IsWithin(m_folder, m_source->filePath(index));
    }

private:
    QFileSystemModel *m_source;
    QString m_folder;
};

QIcon themeIcon(const char *name, QStyle::StandardPixmap fallback)
{
    return QIcon::fromTheme(QLatin1String(name), QApplication::style()->standardIcon(fallback));
}

} // namespace

// The folders of one drive: the drive's root with everything below it, and the folders
// above the root only as the way down to it. The current folder is shown open and bold.
class TFilePanel::TDriveFolders : public QSortFilterProxyModel
{
public:
    explicit TDriveFolders(QFileSystemModel *source, QObject *parent)
        : QSortFilterProxyModel(parent), m_source(source),
          m_open(themeIcon("folder-open", QStyle::SP_DirOpenIcon))
    {
        setSourceModel(source);
    }

    void SetDrive(const QString &root)
    {
        m_root = root;
        invalidateFilter();
    }
    void SetCurrent(const QString &folder)
    {
        const QString before = m_current;
        m_current = folder;
        for (const QString &path : {before, folder}) {
            const QModelIndex index = mapFromSource(m_source->index(path));
            if (index.isValid())
                emit dataChanged(index, index, {Qt::DecorationRole, Qt::FontRole});
        }
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (index.column() == 0 && (role == Qt::FontRole || role == Qt::DecorationRole)
            && m_source->filePath(mapToSource(index)) == m_current) {
            if (role == Qt::DecorationRole)
                return m_open;
            QFont bold;
            bold.setBold(true);
            return bold; // only the weight: the view's own font supplies the rest
        }
        return QSortFilterProxyModel::data(index, role);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        const QString path = m_source->filePath(m_source->index(row, 0, parent));
        return DriveList::IsWithin(path, m_root) || DriveList::IsWithin(m_root, path);
    }

private:
    QFileSystemModel *m_source;
    QIcon m_open;
    QString m_root = QStringLiteral("/");
    QString m_current;
};

TFilePanel::TFilePanel(const QString &startFolder, std::function<void(const QStringList &)> openFiles,
                       QWidget *parent)
    : QWidget(parent), m_openFiles(std::move(openFiles)), m_folder(QDir::currentPath())
{
    Q_INIT_RESOURCE(quortosk); // the glyphs live in a static library
    setObjectName(QStringLiteral("pnlLEVY"));
    SetFolder(startFolder);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    Splitter2 = new QSplitter(Qt::Vertical, this);
    Splitter2->setObjectName(QStringLiteral("Splitter2"));
    Splitter2->setHandleWidth(3);
    layout->addWidget(Splitter2);

    pnlDIRS = new QWidget(Splitter2);
    pnlDIRS->setObjectName(QStringLiteral("pnlDIRS"));
    auto *dirs = new QVBoxLayout(pnlDIRS);
    dirs->setContentsMargins(0, 0, 0, 0);
    dirs->setSpacing(0);
    // The drive list keeps its own width, narrower or wider than the panel, as the
    // splitter left it: no layout stretches it.
    Panel1 = new QWidget(pnlDIRS);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto *drives = new TDriveBox(Panel1);
    drives->beforePopup = [this] { fillDrives(); };
    DriveComboBox1 = drives;
    DriveComboBox1->setObjectName(QStringLiteral("DriveComboBox1"));
    Panel1->setFixedHeight(qMax(22, DriveComboBox1->sizeHint().height() + 4));
    SetDriveWidth(m_driveWidth);
    connect(DriveComboBox1, &QComboBox::activated, this, &TFilePanel::DriveComboBox1Change);
    dirs->addWidget(Panel1);

    auto *tree = new TOpeningView<QTreeView>(pnlDIRS);
    tree->open = [this](const QModelIndex &index) { openFolder(index); };
    DirectoryListBox1 = tree;
    DirectoryListBox1->setObjectName(QStringLiteral("DirectoryListBox1"));
    DirectoryListBox1->setHeaderHidden(true);
    DirectoryListBox1->setUniformRowHeights(true);
    DirectoryListBox1->setExpandsOnDoubleClick(false);
    DirectoryListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DirectoryListBox1->setIconSize(QSize(16, 16));
    DirectoryListBox1->setIndentation(12);
    // Deep folders scroll sideways instead of losing their names.
    DirectoryListBox1->header()->setStretchLastSection(false);
    DirectoryListBox1->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    dirs->addWidget(DirectoryListBox1);

    pnlFILES = new QWidget(Splitter2);
    pnlFILES->setObjectName(QStringLiteral("pnlFILES"));
    auto *files = new QVBoxLayout(pnlFILES);
    files->setContentsMargins(0, 0, 0, 0);
    auto *list = new TOpeningView<QListView>(pnlFILES);
    list->open = [this](const QModelIndex &) { FileListBox1DblClick(); };
    FileListBox1 = list;
    FileListBox1->setObjectName(QStringLiteral("FileListBox1"));
    FileListBox1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    FileListBox1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FileListBox1->setUniformItemSizes(true);
    FileListBox1->setIconSize(QSize(16, 16));
    files->addWidget(FileListBox1);
    // A folder that cannot be read says so where its files would stand.
    lblNoAccess = new QLabel(tr("Přístup odepřen"), FileListBox1->viewport());
    lblNoAccess->setObjectName(QStringLiteral("lblNoAccess"));
    lblNoAccess->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    lblNoAccess->setWordWrap(true);
    lblNoAccess->setEnabled(false);
    lblNoAccess->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblNoAccess->hide();
    auto *noAccess = new QVBoxLayout(FileListBox1->viewport());
    noAccess->addWidget(lblNoAccess);
    noAccess->addStretch(1);
    FolderReadable = [](const QString &folder) {
        const QFileInfo info(folder);
        return info.isReadable() && info.isExecutable();
    };

    Splitter2->addWidget(pnlDIRS);
    Splitter2->addWidget(pnlFILES);
    Splitter2->setStretchFactor(0, 0);
    Splitter2->setStretchFactor(1, 1);
    Splitter2->installEventFilter(this);
    resize(140, height());
}

TFilePanel::~TFilePanel()
{
    // The models read in threads of their own that use the icons: they go first.
    delete m_folders;
    delete m_dirModel;
    delete m_files;
    delete m_fileModel;
}

void TFilePanel::createModels()
{
    m_icons = std::make_unique<TPlainIcons>();
    m_dirModel = new QFileSystemModel(this);
    m_dirModel->setIconProvider(m_icons.get());
    m_dirModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders = new TDriveFolders(m_dirModel, this);
    DirectoryListBox1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        DirectoryListBox1->hideColumn(column);
    // Folders read and sorted in the background move the current folder down, out of view.
    connect(m_folders, &QAbstractItemModel::rowsInserted, this, &TFilePanel::followCurrent);
    connect(m_folders, &QAbstractItemModel::layoutChanged, this, &TFilePanel::followCurrent);
    // The user takes over: scrolling (also with the wheel), a click, a key, a folder opened
    // or closed in the tree.
    const auto userActs = [this] { m_following = false; };
    connect(DirectoryListBox1->verticalScrollBar(), &QAbstractSlider::actionTriggered, this, userActs);
    connect(DirectoryListBox1->horizontalScrollBar(), &QAbstractSlider::actionTriggered, this, userActs);
    connect(DirectoryListBox1, &QTreeView::expanded, this, userActs);
    connect(DirectoryListBox1, &QTreeView::collapsed, this, userActs);
    DirectoryListBox1->installEventFilter(this); // its height changes once the splitter has its own
    DirectoryListBox1->viewport()->installEventFilter(this);

    // The file list does not notice its own folder going; the panel then moves up.
    m_watcher = new QFileSystemWatcher(this);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        QString folder = m_folder;
        while (!QFileInfo(folder).isDir() && folder != QLatin1String("/"))
            folder = QFileInfo(folder).path();
        SetFolder(folder);
    });

    m_fileModel = new TFileModel(this);
    m_fileModel->setIconProvider(m_icons.get());
    m_files = new TOrdinaryFiles(m_fileModel, this);
    FileListBox1->setModel(m_files);
    fillDrives();
    showFolder();
}

void TFilePanel::fillDrives()
{
    m_drives = DriveList::Browsable(DriveList::MountedVolumes(), QDir::homePath());
    const QIcon disk = themeIcon("drive-harddisk", QStyle::SP_DriveHDIcon);
    const QIcon network = themeIcon("folder-remote", QStyle::SP_DriveNetIcon);
    const QIcon home = themeIcon("user-home", QStyle::SP_DirHomeIcon);
    DriveComboBox1->clear();
    for (const Drive &d : std::as_const(m_drives))
        DriveComboBox1->addItem(d.kind == Drive::Home      ? home
                                : d.kind == Drive::Network ? network
                                                           : disk,
                                d.caption);
    DriveComboBox1->setCurrentIndex(int(DriveList::DriveOf(m_drives, m_folder)));
}

bool TFilePanel::SetFolder(const QString &folder)
{
    if (folder.isEmpty())
        return false;
    const QString path = QDir::cleanPath(QDir(folder).absolutePath());
    if (!QFileInfo(path).isDir())
        return false;
    if (path != m_folder) {
        m_folder = path;
        showFolder();
        emit FolderChanged(m_folder);
    }
    return true;
}

void TFilePanel::showFolder()
{
    if (!m_dirModel)
        return;
    const qsizetype drive = DriveList::DriveOf(m_drives, m_folder);
    const QString root = drive >= 0 ? m_drives[drive].root : QStringLiteral("/");
    m_driveFolders[root] = m_folder;
    DriveComboBox1->setCurrentIndex(int(drive));
    if (root != m_driveRoot) {
        m_driveRoot = root;
        m_folders->SetDrive(root);
        m_dirModel->setRootPath(root);
        // The drive's root is the tree's one top item.
        DirectoryListBox1->setRootIndex(m_folders->mapFromSource(m_dirModel->index(root).parent()));
    }
    m_folders->SetCurrent(m_folder);
    const QModelIndex current = m_folders->mapFromSource(m_dirModel->index(m_folder));
    for (QModelIndex i = current; i.isValid(); i = i.parent())
        DirectoryListBox1->expand(i);
    DirectoryListBox1->setCurrentIndex(current);
    m_following = true;
    scrollToCurrent();

    if (!m_watcher->directories().isEmpty())
        m_watcher->removePaths(m_watcher->directories());
    m_watcher->addPath(m_folder);

    FileListBox1->clearSelection();
    static_cast<TOrdinaryFiles *>(m_files)->SetFolder(m_folder);
    m_fileModel->setRootPath(m_folder);
    FileListBox1->setRootIndex(m_files->mapFromSource(m_fileModel->index(m_folder)));
    lblNoAccess->setVisible(FolderReadable && !FolderReadable(m_folder));
}

// The current folder in the middle, and the way down to it from the left edge.
void TFilePanel::scrollToCurrent()
{
    DirectoryListBox1->scrollTo(DirectoryListBox1->currentIndex(), QAbstractItemView::PositionAtCenter);
    // The view also scrolls sideways to the item, now and when its layout runs.
    DirectoryListBox1->horizontalScrollBar()->setValue(0);
    QTimer::singleShot(0, DirectoryListBox1,
                       [this] { DirectoryListBox1->horizontalScrollBar()->setValue(0); });
}

// Once the model's changes of this turn are all in.
void TFilePanel::followCurrent()
{
    if (!m_following || m_followPending)
        return;
    m_followPending = true;
    QTimer::singleShot(0, this, [this] {
        m_followPending = false;
        if (m_following)
            scrollToCurrent();
    });
}

void TFilePanel::openFolder(const QModelIndex &index)
{
    if (index.isValid())
        SetFolder(m_dirModel->filePath(m_folders->mapToSource(index)));
}

void TFilePanel::DriveComboBox1Change(int index)
{
    if (index < 0 || index >= m_drives.size())
        return;
    const QString root = m_drives[index].root;
    // A drive that went away in the meantime: the list is read again.
    if (!SetFolder(m_driveFolders.value(root, root)) && !SetFolder(root))
        fillDrives();
}

QStringList TFilePanel::selectedFiles() const
{
    if (!m_fileModel)
        return {};
    // The list shows and selects the first column only.
    QModelIndexList rows = FileListBox1->selectionModel()->selectedIndexes();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex &a, const QModelIndex &b) { return a.row() < b.row(); });
    QStringList paths;
    const QModelIndex shown = FileListBox1->rootIndex();
    for (const QModelIndex &row : std::as_const(rows)) {
        if (row.column() == 0 && row.parent() == shown)
            paths << AddBackslash(m_folder) + m_fileModel->fileName(m_files->mapToSource(row));
    }
    return paths;
}

void TFilePanel::FileListBox1DblClick()
{
    m_openFiles(selectedFiles());
}

int TFilePanel::DirsHeight() const
{
    return isVisible() ? pnlDIRS->height() : m_dirsHeight;
}

void TFilePanel::SetDirsHeight(int height)
{
    m_dirsHeight = height;
    applyDirsHeight();
}

// The folder part gets its height once the splitter has its own, and again at each showing.
void TFilePanel::applyDirsHeight()
{
    const int total = Splitter2->height() - Splitter2->handleWidth();
    m_dirsPending = !isVisible() || total <= 0;
    if (m_dirsPending)
        return;
    const int dirs = qBound(0, m_dirsHeight, total);
    Splitter2->setSizes({dirs, total - dirs});
}

bool TFilePanel::eventFilter(QObject *watched, QEvent *e)
{
    if (watched == Splitter2 && e->type() == QEvent::Resize && m_dirsPending)
        applyDirsHeight();
    if (watched == DirectoryListBox1 && e->type() == QEvent::Resize)
        followCurrent();
    if ((watched == DirectoryListBox1 && e->type() == QEvent::KeyPress)
        || (watched == DirectoryListBox1->viewport() && e->type() == QEvent::MouseButtonPress))
        m_following = false;
    return QWidget::eventFilter(watched, e);
}

void TFilePanel::SetDriveWidth(int width)
{
    m_driveWidth = width;
    DriveComboBox1->setGeometry(0, 2, qMax(0, width), Panel1->height() - 4);
}

void TFilePanel::Splitter1Moved()
{
    SetDriveWidth(width());
}

void TFilePanel::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    if (!m_dirModel)
        createModels();
    applyDirsHeight();
}

void TFilePanel::hideEvent(QHideEvent *e)
{
    if (pnlDIRS->height() > 0 && !e->spontaneous())
        m_dirsHeight = pnlDIRS->height();
    QWidget::hideEvent(e);
}
