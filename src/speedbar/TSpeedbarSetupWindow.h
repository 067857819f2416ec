#pragma once

#include <memory>
#include <QDialog>
#include <QPointer>

class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class TFloatingButton;
class TSpeedBar;

// "Úprava tlačítkové lišty": the speed bar's customising dialog. Modeless and on top, one
// per bar (TSpeedBar::Customize creates it). The sections on the left, the buttons of the
// selected section with their pictures on the right; a button's picture dragged onto the
// bar puts it there. Closing it ("OK", Esc or the close box) frees it.
class TSpeedbarSetupWindow : public QDialog
{
    Q_OBJECT
public:
    TSpeedbarSetupWindow(TSpeedBar *bar, QWidget *parent = nullptr);
    ~TSpeedbarSetupWindow() override;

    // The item of the bar that row `row` of ButtonsList shows.
    int ItemAt(int row) const;
    // Where a row's picture is, in ButtonsList's viewport: pressing there starts a drag.
    QRect PictureRect(int row) const;

    // The controls, named as the program's documentation names them.
    QFrame *Frame = nullptr;
    QLabel *CategoriesLabel = nullptr;
    QListWidget *SectionList = nullptr;
    QLabel *ButtonsLabel = nullptr;
    QListWidget *ButtonsList = nullptr;
    QLabel *HintLabel = nullptr;
    QPushButton *OkBtn = nullptr;
    QPushButton *HelpBtn = nullptr;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void SectionListClick();
    void fillButtons();
    void fitListHeights();

    QPointer<TSpeedBar> m_bar;
    bool m_shown = false;
    int m_dragItem = -1;
    std::unique_ptr<TFloatingButton> m_copy;
};
