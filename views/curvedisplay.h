#pragma once

#include <QWidget>

#include "views/graphgeometry.h"
#include "views/graphlabels.h"
#include "views/graphtheme.h"

class QPainter;

// What the reaction and the sound display share: the ranges in graph units, the curve's number among
// the panel's curves, the print mode and the theme.
class CurveDisplay : public QWidget
{
    Q_OBJECT

public:
    explicit CurveDisplay(QWidget *parent = nullptr);

    // Stores both when either differs.
    void SetRange(int xRange, int yRange);
    void setPrintMode(int printMode) { m_printMode = printMode; }
    void setTheme(const GraphTheme &theme) { m_theme = theme; }

    int xRange() const { return m_xRange; }
    int yRange() const { return m_yRange; }
    quint8 currentGraph() const { return m_currentGraph; }
    quint16 totalGraphs() const { return m_totalGraphs; }
    quint16 sampleCount() const { return m_sampleCount; }
    int startX() const { return m_startX; }
    // The texts of the last paint and where they went.
    const QList<GraphLabel> &labels() const { return m_labels; }

protected:
    // What a loaded curve stores besides its points: its place in the panel and its time axis.
    void setLoaded(unsigned short currentGraph, unsigned short totalGraphs, quint16 sampleCount, int startX);
    bool isPrinted() const { return m_printMode != 0; }
    const GraphTheme &theme() const { return m_theme; }
    double xScale() const { return GraphGeometry::pixelsPerUnit(width(), m_xRange); }
    double yScale() const { return GraphGeometry::pixelsPerUnit(height(), m_yRange); }
    // Whether there is a curve to draw at this size; else an empty axis at the default scale is drawn.
    bool drawsCurve(QPainter &painter, bool loaded, bool rulerInPrint);
    void setLabels(const QList<GraphLabel> &labels) { m_labels = labels; }

private:
    int m_xRange = GraphGeometry::kDefaultXRange;
    int m_yRange = GraphGeometry::kDefaultYRange;
    quint8 m_currentGraph = 0;
    quint16 m_totalGraphs = 0;
    quint16 m_sampleCount = 0;
    int m_startX = 0;
    int m_printMode = 0;
    GraphTheme m_theme;
    QList<GraphLabel> m_labels;
};
