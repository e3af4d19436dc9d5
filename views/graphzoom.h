#pragma once

class QPoint;
class QScrollArea;
class QString;
class QWidget;

// The zoom menu and the resizing that the graph panels and their dialogs share.
namespace GraphZoom
{

enum class Choice { None, In, Out, Restore };

Choice ask(QWidget *owner, const QPoint &pos, const QString &zoomIn, const QString &zoomOut,
           const QString &restore);
// In and Out give their factors; Restore gives the zoom value itself, which brings the first size back.
double factorFor(Choice choice, double zoomValue, double inFactor, double outFactor);
// Resizes the panel by factor and updates the zoom value, unless that leaves the allowed range.
bool resizePanel(QWidget *panel, double &zoomValue, double factor);
// Keeps the middle of the view in place after the panel grew by factor.
void keepCentred(QScrollArea *area, double factor);
// Sizes the scroll area's panel to the view at its zoom value (the first size is the view's).
void fitToView(QScrollArea *area, double zoomValue);

} // namespace GraphZoom
