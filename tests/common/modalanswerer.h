#pragma once

#include <functional>

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QString>

class QDialog;

// Answers modal boxes while it lives: a zero timer reads QApplication::activeModalWidget(), records the
// title and text of each message box and clicks the chosen button. A dialog run by exec() (any other
// modal widget) can be handed to an action instead, once per onNextDialog().
class ModalAnswerer : public QObject
{
    Q_OBJECT

public:
    struct Box {
        QString title;
        QString text;
    };

    explicit ModalAnswerer(QMessageBox::StandardButton button = QMessageBox::Ok);

    void setButton(QMessageBox::StandardButton button) { m_button = button; }
    void onNextDialog(std::function<void(QDialog *)> action) { m_dialogAction = std::move(action); }
    const QList<Box> &boxes() const { return m_boxes; }
    QStringList titles() const;
    QStringList texts() const;
    void clear() { m_boxes.clear(); }

private:
    void poll();

    QMessageBox::StandardButton m_button;
    QList<Box> m_boxes;
    QPointer<QWidget> m_answered; // the box clicked last, until it has gone
    std::function<void(QDialog *)> m_dialogAction;
};
