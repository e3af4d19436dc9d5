#include "views/curvedisplay.h"

#include <QPainter>

#include "views/graphpainter.h"

CurveDisplay::CurveDisplay(QWidget *parent) : QWidget(parent) {}

void CurveDisplay::SetRange(int xRange, int yRange)
{
    if (xRange == m_xRange && yRange == m_yRange)
        return;
    m_xRange = xRange;
    m_yRange = yRange;
    update();
}

void CurveDisplay::setLoaded(unsigned short currentGraph, unsigned short totalGraphs, quint16 sampleCount,
                             int startX)
{
    m_currentGraph = quint8(currentGraph);
    m_totalGraphs = totalGraphs;
    m_sampleCount = sampleCount;
    m_startX = startX;
    update();
}

bool CurveDisplay::drawsCurve(QPainter &painter, bool loaded, bool rulerInPrint)
{
    m_labels.clear();
    if (loaded && xScale() > 0.0 && yScale() > 0.0)
        return true;
    if (rulerInPrint || !isPrinted()) {
        GraphPainter(painter, size(), GraphGeometry::pixelsPerUnit(width(), GraphGeometry::kDefaultXRange),
                     GraphGeometry::pixelsPerUnit(height(), GraphGeometry::kDefaultYRange), m_theme)
            .ruler();
    }
    return false;
}
