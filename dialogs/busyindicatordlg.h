#pragma once

#include <memory>

#include <QDialog>
#include <QTimer>

class QGraphicsPixmapItem;
class QGraphicsScene;

namespace Ui
{
class BusyIndicatorDlg;
}

// A small non-modal window with a text and a turning animation, shown while the settings are being
// distributed to the devices or the program waits before it ends; the latter offers a way out.
class BusyIndicatorDlg : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kFrameMs = 250;
    static constexpr int kFrames = 12;

    explicit BusyIndicatorDlg(QWidget *parent = nullptr);
    ~BusyIndicatorDlg() override;

    void SetText(const QString &text);
    QString text() const;
    // A button that ends the wait, with its text; hidden until given one.
    void SetWayOut(const QString &text);
    int frameCount() const { return m_frameCount; }
    const QGraphicsPixmapItem *frameItem() const { return m_frameItem; }

signals:
    void way_out_chosen();

public slots:
    void onProgressTimer();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    std::unique_ptr<Ui::BusyIndicatorDlg> ui;
    QGraphicsScene *m_scene = nullptr;
    QGraphicsPixmapItem *m_frameItem = nullptr; // owned by the scene
    int m_frameCount = 0;
    QTimer m_progressTimer;
};
