#pragma once

#include <QObject>

class QMouseEvent;

// Reports every mouse move over the widgets it is installed on, and swallows those moves.
class MeasurementsDisplayFilter : public QObject
{
    Q_OBJECT

public:
    explicit MeasurementsDisplayFilter(QObject *parent = nullptr);

signals:
    void mouse_moved(QMouseEvent *mouseEvent);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
