#pragma once

#include <memory>
#include <vector>

#include <QList>
#include <QPointer>
#include <QWidget>

class QButtonGroup;
class QEvent;
class QLabel;
class QPushButton;
class CCoordinator;
class CSerialComThread;
class CStartBlock;

namespace Ui
{
class StartSoundListWidget;
}

// The table of the synchronisation test: the coordinator row, then one row per active block with its
// lane, start time, sound-detected time and their difference, and a Resync button per block.
class StartSoundListWidget : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kColumnLane = 0;
    static constexpr int kColumnStartTime = 1;
    static constexpr int kColumnSoundTime = 2;
    static constexpr int kColumnDifference = 3;
    static constexpr int kColumnResync = 4;

    explicit StartSoundListWidget(QWidget *parent = nullptr);
    ~StartSoundListWidget() override;

    // The Resync buttons ask this serial protocol object.
    void setSerialComThread(CSerialComThread *serial);
    // Appends the coordinator row; called before SetStartBlocks, only with a coordinator.
    void SetCoordinator(CCoordinator *coordinator);
    // Appends a row per block whose participation status is ACTIVE; a block's list position is its
    // button id.
    void SetStartBlocks(const QList<CStartBlock *> &blocks);
    void SetResyncEnabled(bool enabled);
    // Each listed block's start time, sound time and difference in its own row; the buttons reappear.
    void RefreshTimes();

    // The grid row of the block at that list position; -1 when it has no row.
    int rowOfBlock(int listPosition) const;
    QString cellText(int row, int column) const;
    QPushButton *resyncButton(int listPosition) const;

public slots:
    void OnButtonResyncPressed(int id);

protected:
    void changeEvent(QEvent *event) override;

private:
    struct BlockRow {
        int listPosition = 0;
        int gridRow = 0;
        QList<QLabel *> cells; // lane, start time, sound time, difference
        QPushButton *resync = nullptr;
    };

    QList<QLabel *> appendLabels(int gridRow, const QString &first);
    void labelRows();
    int nextGridRow() const;

    std::unique_ptr<Ui::StartSoundListWidget> ui;
    QPointer<CCoordinator> m_coordinator;
    QList<QPointer<CStartBlock>> m_startBlocks;
    QPointer<CSerialComThread> m_serial;
    QButtonGroup *m_buttons = nullptr; // child, created with the first listed block
    std::vector<BlockRow> m_rows;
    QLabel *m_coordinatorLabel = nullptr; // child
};
