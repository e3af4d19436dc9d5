#pragma once

#include <QImage>
#include <QList>
#include <QWidget>

#include "core/sharedtypes.h"

// The picture of a request log's delays: one column per request, one row per ms, red bars from the
// bottom edge, a white ruler at the left and a white row at the average delay. The image is stretched
// over the whole widget; zooming changes only the widget's size bounds.
class LoggingGraphDisplay : public QWidget
{
    Q_OBJECT

public:
    static constexpr double kZoomIn = 2.0;
    static constexpr double kZoomOut = 0.5;

    explicit LoggingGraphDisplay(QWidget *parent = nullptr);

    void SetImageSize(unsigned width, unsigned height);
    void Zoom(double factor);
    void setAverageRow(unsigned row) { m_averageRow = row; }

    const QImage &image() const { return m_image; }
    unsigned imageWidth() const { return m_width; }
    unsigned imageHeight() const { return m_height; }
    double zoomValue() const { return m_zoom; }
    // One menu step: zoom value / factor, then Zoom(factor); there is no limit.
    void zoomBy(double factor);

public slots:
    void setLogs(const QList<PACKET_LOG> &logs);
    void ShowContextMenu(QPoint pos);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_image;
    unsigned m_width = 800;
    unsigned m_height = 400;
    double m_zoom = 1.0;
    unsigned m_averageRow = 0;
};
