#pragma once

#include "views/curvedisplay.h"
#include "views/graphcurves.h"

class CStartBlock;

// One sound curve of one block: the start marker, the block's sound trigger level, a millisecond ruler
// and the curve, coloured in screen and print mode alike.
class SoundGraphDisplay : public CurveDisplay
{
    Q_OBJECT

public:
    explicit SoundGraphDisplay(QWidget *parent = nullptr);

    quint8 lane() const { return m_curve.lane; }
    const SoundCurve &curve() const { return m_curve; }

public slots:
    // Loads the block's sound graph as curve currentGraph of totalGraphs; a display is loaded once.
    void setStartBlock(CStartBlock *startBlock, unsigned short currentGraph, unsigned short totalGraphs);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    SoundCurve m_curve;
};
