#pragma once

#include <functional>

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPushButton>
#include <QString>
#include <QTimer>

// Answers the modal boxes that a test provokes, one after the other: waits for the next visible modal
// widget, records its title and text, types the input into an input dialog and clicks the named button.
class ModalAnswerer : public QObject
{
public:
    struct Seen {
        QString title;
        QString text;
    };

    // The next box that appears gets this button (and this text, when it is an input dialog); whileShown
    // runs while the box waits, before the click.
    void answer(QDialogButtonBox::StandardButton button, const QString &input = QString(),
                std::function<void()> whileShown = {})
    {
        m_answers.append({button, input, std::move(whileShown)});
        if (m_answers.size() == 1)
            QTimer::singleShot(0, this, [this] { answerNext(); });
    }

    int pending() const { return int(m_answers.size()); }
    QList<Seen> seen;

private:
    struct Answer {
        QDialogButtonBox::StandardButton button;
        QString input;
        std::function<void()> whileShown;
    };

    void answerNext()
    {
        QWidget *box = QApplication::activeModalWidget();
        if (!box || !box->isVisible()) {
            QTimer::singleShot(kPollMs, this, [this] { answerNext(); });
            return;
        }
        const Answer answer = m_answers.takeFirst();
        if (auto *message = qobject_cast<QMessageBox *>(box)) {
            seen.append({message->windowTitle(), message->text()});
        } else if (auto *input = qobject_cast<QInputDialog *>(box)) {
            seen.append({input->windowTitle(), input->labelText()});
            input->setTextValue(answer.input);
        } else {
            seen.append({box->windowTitle(), QString()});
        }
        if (answer.whileShown)
            answer.whileShown();
        auto *buttons = box->findChild<QDialogButtonBox *>();
        QPushButton *button = buttons ? buttons->button(answer.button) : nullptr;
        if (button)
            button->click();
        else
            box->close(); // the box lacks the button: close it rather than hang the test
        if (!m_answers.isEmpty())
            QTimer::singleShot(0, this, [this] { answerNext(); });
    }

    static constexpr int kPollMs = 10;
    QList<Answer> m_answers;
};
