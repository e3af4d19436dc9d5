#pragma once

#include <QLabel>
#include <QString>

class QEvent;
class QPaintEvent;

// A one-line note, such as a status bar field: text() stays the whole note as set, the label draws as
// much of it as fits, with "…" for the rest, and its tooltip shows the whole note when it is cut.
class NoteLabel : public QLabel
{
    Q_OBJECT

public:
    explicit NoteLabel(QWidget *parent = nullptr);

    // What the label draws: the whole note, or its start and "…".
    QString shownText() const;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
