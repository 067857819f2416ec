#include "speedbar/TSpeedbarSetupWindow.h"

#include "settings/store/TFormStorage.h"
#include "settings/store/TSettingsCodec.h"
#include "speedbar/CommandImages.h"
#include "speedbar/TSpeedBar.h"
#include "speedbar/TSpeedButton.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

namespace {

constexpr int ItemRole = Qt::UserRole;

// A row of ButtonsList: the button's picture on a button face of the bar's button size,
// 1 pixel from the left, and 3 pixels to its right the item's caption.
class TButtonRowDelegate : public QStyledItemDelegate
{
public:
    TButtonRowDelegate(TSpeedBar *bar, QObject *parent) : QStyledItemDelegate(parent), m_bar(bar) {}

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        const QSize button = buttonSize();
        const int text = option.fontMetrics.horizontalAdvance(index.data().toString());
        return {1 + button.width() + 3 + text + 4, button.height() + 2};
    }

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem background = option;
        initStyleOption(&background, index);
        background.text.clear();
        background.icon = QIcon();
        const QWidget *widget = option.widget;
        QStyle *style = widget ? widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &background, painter, widget);

        const QSize button = buttonSize();
        const QRect face(option.rect.left() + 1, option.rect.top() + 1, button.width(), button.height());
        const int item = index.data(ItemRole).toInt();
        const int image = m_bar ? m_bar->Layout().Item(item).image : -1;
        painter->save();
        SpeedButtonFace::Paint(*painter, face, CommandImage(image), widget);
        painter->restore();

        const QRect text(face.right() + 1 + 3, option.rect.top(), option.rect.right() - face.right() - 3,
                         option.rect.height());
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter, index.data().toString());
        painter->restore();
    }

    QSize buttonSize() const
    {
        return m_bar ? m_bar->Layout().ButtonSize()
                     : QSize(TSpeedBarModel::ButtonLength, TSpeedBarModel::ButtonThickness);
    }

private:
    QPointer<TSpeedBar> m_bar;
};

// Rows as high as the text plus 2.
class TSectionRowDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(option.fontMetrics.height() + 2);
        return size;
    }
};

} // namespace

TSpeedbarSetupWindow::TSpeedbarSetupWindow(TSpeedBar *bar, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint),
      m_bar(bar)
{
    setObjectName(QStringLiteral("SpeedbarSetupWindow"));
    setWindowTitle(tr("Úprava tlačítkové lišty"));
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);
    resize(421, 262);

    Frame = new QFrame(this);
    Frame->setFrameShape(QFrame::StyledPanel);
    Frame->setFrameShadow(QFrame::Sunken);

    CategoriesLabel = new QLabel(tr("&Kategorie:"), Frame);
    SectionList = new QListWidget(Frame);
    SectionList->setObjectName(QStringLiteral("SectionList"));
    SectionList->setItemDelegate(new TSectionRowDelegate(SectionList));
    SectionList->setUniformItemSizes(true);
    CategoriesLabel->setBuddy(SectionList);

    ButtonsLabel = new QLabel(tr("&Dostupná tlačítka:"), Frame);
    ButtonsList = new QListWidget(Frame);
    ButtonsList->setObjectName(QStringLiteral("ButtonsList"));
    ButtonsList->setItemDelegate(new TButtonRowDelegate(bar, ButtonsList));
    ButtonsList->setUniformItemSizes(true);
    ButtonsList->viewport()->installEventFilter(this);
    ButtonsLabel->setBuddy(ButtonsList);

    auto *frameLayout = new QGridLayout(Frame);
    frameLayout->setContentsMargins(8, 7, 7, 7);
    frameLayout->setHorizontalSpacing(5);
    frameLayout->setVerticalSpacing(3);
    frameLayout->addWidget(CategoriesLabel, 0, 0);
    frameLayout->addWidget(SectionList, 1, 0);
    frameLayout->addWidget(ButtonsLabel, 0, 1);
    frameLayout->addWidget(ButtonsList, 1, 1);
    frameLayout->setColumnStretch(0, 129);
    frameLayout->setColumnStretch(1, 179);

    OkBtn = new QPushButton(tr("OK"), this);
    OkBtn->setObjectName(QStringLiteral("OkBtn"));
    OkBtn->setDefault(true);
    OkBtn->setMinimumWidth(77);
    connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
    HelpBtn = new QPushButton(tr("&Help"), this);
    HelpBtn->setObjectName(QStringLiteral("HelpBtn"));
    HelpBtn->setMinimumWidth(77);
    HelpBtn->hide(); // there is no help topic

    HintLabel = new QLabel(tr("Chcete-li přidat tlačítka příkazů, táhněte a pusťte tlačítka na lištu. "
                              "Chcete-li je vyjmout, táhněte je pryč z tlačítkové lišty."),
                           this);
    HintLabel->setWordWrap(true);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(OkBtn);
    buttons->addWidget(HelpBtn);
    buttons->addStretch();
    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(4, 4, 5, 2);
    layout->setHorizontalSpacing(7);
    layout->addWidget(Frame, 0, 0);
    layout->addLayout(buttons, 0, 1);
    layout->addWidget(HintLabel, 1, 0, 1, 2);
    layout->setColumnStretch(0, 1);

    for (const QString &section : bar->Layout().Sections())
        SectionList->addItem(section);
    connect(SectionList, &QListWidget::currentRowChanged, this, &TSpeedbarSetupWindow::SectionListClick);
    if (SectionList->count() > 0)
        SectionList->setCurrentRow(0);
    connect(bar, &TSpeedBar::LayoutChanged, this, &TSpeedbarSetupWindow::fillButtons);
    // Whichever way the dialog ends, it is freed.
    connect(this, &QDialog::finished, this, &QObject::deleteLater);
}

TSpeedbarSetupWindow::~TSpeedbarSetupWindow() = default;

void TSpeedbarSetupWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!m_shown) {
        m_shown = true;
        FormShow();
    }
}

void TSpeedbarSetupWindow::FormShow()
{
    fitListHeights();
    // The designed client size, or more where the desktop's font needs it.
    layout()->activate();
    QSize size = QSize(421, 262).expandedTo(minimumSizeHint());
    if (layout()->hasHeightForWidth())
        size.setHeight(qMax(size.height(), layout()->totalHeightForWidth(size.width())));
    resize(size);
    if (const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center()
             - QPoint(frameGeometry().width() / 2, frameGeometry().height() / 2));
}

void TSpeedbarSetupWindow::fitListHeights()
{
    // A whole number of rows, at most 186 pixels at 96 pixels per inch.
    const int frame = 2 * ButtonsList->frameWidth();
    const int rowHeight = qMax(1, ButtonsList->sizeHintForRow(0) > 0 ? ButtonsList->sizeHintForRow(0)
                                                                     : TSpeedBarModel::ButtonThickness + 2);
    const int limit = TSettingsCodec::MulDiv(186, TFormStorage::PixelsPerInch(), 96) - frame;
    const int height = qMax(1, limit / rowHeight) * rowHeight + frame;
    ButtonsList->setFixedHeight(height);
    SectionList->setFixedHeight(height);
}

void TSpeedbarSetupWindow::SectionListClick()
{
    fillButtons();
}

void TSpeedbarSetupWindow::fillButtons()
{
    if (!m_bar)
        return;
    const int current = ButtonsList->currentRow();
    const QListWidgetItem *section = SectionList->currentItem();
    ButtonsList->clear();
    if (!section)
        return;
    const TSpeedBarModel &layout = m_bar->Layout();
    for (int index : layout.ItemsOf(section->text())) {
        auto *row = new QListWidgetItem(layout.Item(index).caption, ButtonsList);
        row->setData(ItemRole, index);
    }
    if (current >= 0 && current < ButtonsList->count())
        ButtonsList->setCurrentRow(current);
}

int TSpeedbarSetupWindow::ItemAt(int row) const
{
    const QListWidgetItem *item = ButtonsList->item(row);
    return item ? item->data(ItemRole).toInt() : -1;
}

QRect TSpeedbarSetupWindow::PictureRect(int row) const
{
    const QListWidgetItem *item = ButtonsList->item(row);
    if (!item || !m_bar)
        return {};
    const QRect rowRect = ButtonsList->visualItemRect(item);
    const QSize button = m_bar->Layout().ButtonSize();
    return {rowRect.left(), rowRect.top(), button.width() + 2, rowRect.height()};
}

bool TSpeedbarSetupWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != ButtonsList->viewport() || !m_bar)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        const QPoint pos = mouse->position().toPoint();
        const QListWidgetItem *row = ButtonsList->itemAt(pos);
        if (!row)
            break;
        const int rowIndex = ButtonsList->row(row);
        const int item = ItemAt(rowIndex);
        if (!PictureRect(rowIndex).contains(pos) || item < 0 || m_bar->Layout().Item(item).shown)
            break; // an item already on the bar is not picked up again
        m_dragItem = item;
        m_copy = std::make_unique<TFloatingButton>(CommandImage(m_bar->Layout().Item(item).image),
                                                   m_bar->Layout().ButtonSize());
        m_copy->MoveBottomRightTo(mouse->globalPosition().toPoint());
        break; // the row is selected as well
    }
    case QEvent::MouseMove:
        if (m_copy) {
            m_copy->MoveBottomRightTo(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_copy && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            const QPoint corner = static_cast<QMouseEvent *>(event)->globalPosition().toPoint();
            const QPoint topLeft = corner - QPoint(m_copy->width(), m_copy->height());
            m_copy.reset();
            const int item = std::exchange(m_dragItem, -1);
            m_bar->DropItem(item, topLeft);
            ButtonsList->viewport()->update();
            return true;
        }
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}
