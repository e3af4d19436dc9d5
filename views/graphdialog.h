#pragma once

#include <QDialog>
#include <QPointer>

class GraphPanel;
class QScrollArea;
class QVBoxLayout;

// What the reaction and the sound graph dialog share: full screen, one panel in a scroll area that does
// not resize it (the panel's own size is its zoom), sized to the view at its zoom value.
class GraphDialog : public QDialog
{
    Q_OBJECT

public:
    // The form's layout inside the scroll area; null once a panel took the contents' place.
    QVBoxLayout *graphsLayout() const { return m_graphsLayout; }

public slots:
    void OnOK();
    void onResizeImage(double factor);

protected:
    explicit GraphDialog(QWidget *parent);

    // After setupUi: the form's scroll area and the layout of its contents.
    void useScrollArea(QScrollArea *area, QVBoxLayout *contentsLayout);
    GraphPanel *panel() const;
    // The scroll area deletes the panel it held before; nobody else deletes it.
    void putPanel(GraphPanel *panel);
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void fitPanel();

    QScrollArea *m_scrollArea = nullptr;
    QPointer<QVBoxLayout> m_graphsLayout;
};
