#pragma once

#include <QLabel>
#include <QString>

class QEvent;
class QResizeEvent;

// A one-line label that shows as much of its text as it has room for, with "…" for the rest and the whole
// text in its tooltip. A long text never widens it: the columns beside it keep their room.
class ElidingLabel : public QLabel
{
    Q_OBJECT

public:
    explicit ElidingLabel(QWidget *parent = nullptr);

    void setFullText(const QString &text);
    QString fullText() const { return m_fullText; }
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void elide();

    QString m_fullText;
};
