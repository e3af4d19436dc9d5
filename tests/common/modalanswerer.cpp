#include "modalanswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QTimer>

ModalAnswerer::ModalAnswerer(QMessageBox::StandardButton button) : m_button(button)
{
    QTimer::singleShot(0, this, &ModalAnswerer::poll);
}

QStringList ModalAnswerer::titles() const
{
    QStringList titles;
    for (const Box &box : m_boxes)
        titles << box.title;
    return titles;
}

QStringList ModalAnswerer::texts() const
{
    QStringList texts;
    for (const Box &box : m_boxes)
        texts << box.text;
    return texts;
}

void ModalAnswerer::poll()
{
    // armed first: what the answer runs may open a modal loop of its own
    QTimer::singleShot(0, this, &ModalAnswerer::poll);
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible() || modal == m_answered)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        m_boxes.append({box->windowTitle(), box->text()});
        m_answered = box;
        if (QAbstractButton *button = box->button(m_button))
            button->click();
        else
            box->reject();
    } else if (auto *dialog = qobject_cast<QDialog *>(modal); dialog && m_dialogAction) {
        m_answered = dialog;
        const auto action = std::move(m_dialogAction);
        m_dialogAction = nullptr;
        action(dialog);
    }
}
