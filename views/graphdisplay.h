#pragma once

#include "views/curvedisplay.h"
#include "views/graphcurves.h"

class CStartBlock;

// One reaction curve of one block: the start, false-start limit and reaction markers, the offset and
// trigger lines (when it is the only curve of its panel), a millisecond ruler and the curve. In print
// mode only the lane, the start, the offset line and a black curve are drawn.
class GraphDisplay : public CurveDisplay
{
    Q_OBJECT

public:
    explicit GraphDisplay(QWidget *parent = nullptr);

    quint8 lane() const { return m_curve.lane; }
    const ReactionCurve &curve() const { return m_curve; }

public slots:
    // Loads the block's reaction graph as curve currentGraph of totalGraphs; a display is loaded once.
    void setStartBlock(CStartBlock *startBlock, unsigned short currentGraph, unsigned short totalGraphs);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ReactionCurve m_curve;
};
