#include "views/logginggraphdisplay.h"

#include <algorithm>
#include <climits>

#include <QCoreApplication>
#include <QPainter>

#include "views/graphzoom.h"
#include "views/packetlog.h"

namespace
{
constexpr int kPlaceholderWidth = 400;
constexpr int kPlaceholderHeight = 800;
constexpr int kFirstMinimumWidth = 100;
constexpr int kFirstMinimumHeight = 200;
constexpr unsigned kFillBounds = 4; // after a fill the widget may be 4 times larger or smaller
constexpr unsigned kZoomBounds = 2; // after a zoom, 2 times

QImage transparentImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    if (!image.isNull())
        image.fill(Qt::transparent);
    return image;
}

int widgetExtent(quint64 pixels)
{
    return int(std::min<quint64>(pixels, QWIDGETSIZE_MAX));
}

unsigned scaledSide(unsigned side, double factor)
{
    return unsigned(std::clamp(side * factor, 0.0, double(UINT_MAX)));
}
} // namespace

LoggingGraphDisplay::LoggingGraphDisplay(QWidget *parent)
    : QWidget(parent), m_image(transparentImage(kPlaceholderWidth, kPlaceholderHeight))
{
    setMaximumSize(kPlaceholderWidth, kPlaceholderHeight);
    setMinimumSize(kFirstMinimumWidth, kFirstMinimumHeight);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &LoggingGraphDisplay::ShowContextMenu);
}

void LoggingGraphDisplay::SetImageSize(unsigned width, unsigned height)
{
    if (width == 0 || height == 0)
        return;
    const QSize wanted(widgetExtent(width), widgetExtent(height));
    // the placeholder is not of the stored size, so the image is compared too
    if (width == m_width && height == m_height && m_image.size() == wanted)
        return;
    m_width = width;
    m_height = height;
    m_image = transparentImage(wanted.width(), wanted.height());
    setMaximumSize(widgetExtent(quint64(width) * kFillBounds), widgetExtent(quint64(height) * kFillBounds));
    setMinimumSize(widgetExtent(width / kFillBounds), widgetExtent(height / kFillBounds));
}

void LoggingGraphDisplay::setLogs(const QList<PACKET_LOG> &logs)
{
    const PacketLog::Summary summary = PacketLog::summarise(logs);
    if (logs.isEmpty() || summary.maxDelay == 0)
        return;
    SetImageSize(unsigned(logs.size()), PacketLog::pictureHeight(summary));
    PacketLog::drawPicture(m_image, logs, m_averageRow);
    update();
}

void LoggingGraphDisplay::Zoom(double factor)
{
    if (factor == 0.0)
        return;
    m_width = scaledSide(m_width, factor);
    m_height = scaledSide(m_height, factor);
    setMaximumSize(widgetExtent(quint64(m_width) * kZoomBounds),
                   widgetExtent(quint64(m_height) * kZoomBounds));
    setMinimumSize(widgetExtent(m_width / kZoomBounds), widgetExtent(m_height / kZoomBounds));
}

void LoggingGraphDisplay::zoomBy(double factor)
{
    if (factor == 0.0)
        return;
    m_zoom /= factor;
    Zoom(factor);
}

void LoggingGraphDisplay::ShowContextMenu(QPoint pos)
{
    // the graph panel's words, so that both zoom menus read alike in every language
    const GraphZoom::Choice choice =
        GraphZoom::ask(this, pos, QCoreApplication::translate("GraphPanel", "Zoom in"),
                       QCoreApplication::translate("GraphPanel", "Zoom out"),
                       QCoreApplication::translate("GraphPanel", "Restore"));
    if (choice != GraphZoom::Choice::None)
        zoomBy(GraphZoom::factorFor(choice, m_zoom, kZoomIn, kZoomOut));
}

void LoggingGraphDisplay::paintEvent(QPaintEvent *)
{
    if (m_image.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), m_image);
}
