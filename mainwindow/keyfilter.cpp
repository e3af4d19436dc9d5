#include "mainwindow/keyfilter.h"

#include <array>

#include <QAbstractButton>
#include <QKeyEvent>

namespace
{

struct KeyRule {
    int key;
    Qt::KeyboardModifiers needed;
    Qt::KeyboardModifiers refused;
    KeyPressed command;
};

constexpr Qt::KeyboardModifiers kAny = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kAlt = Qt::AltModifier;

const std::array<KeyRule, 21> kRules = {{
    {Qt::Key_E, kAlt, kAny, KeySelectRace},
    {Qt::Key_X, kAlt, kAny, KeyCloseTab},
    {Qt::Key_I, kAlt, kAny, KeyLaneInfo},
    {Qt::Key_J, kAlt, kAny, KeyLaneSoundGraph},
    {Qt::Key_L, kAlt, kAny, KeyLiveTab},
    {Qt::Key_D, kAlt, kAny, KeyLaneLog},
    // Alt+Shift+M is the coordinator's measurements, a shortcut of its own
    {Qt::Key_M, kAlt, Qt::ShiftModifier, KeyLaneMeasurements},
    {Qt::Key_F6, kAny, kAny, KeyParticipation},
    {Qt::Key_F7, kAny, kAny, KeyLaneGraph},
    {Qt::Key_F9, kAny, kAny, KeyPreviousEvent},
    {Qt::Key_F10, kAny, kAny, KeyNextEvent},
    {Qt::Key_F11, kAny, kAny, KeyPreviousStart},
    {Qt::Key_F12, kAny, kAny, KeyNextStart},
    {Qt::Key_Tab, Qt::ControlModifier, kAny, KeyTabSelector},
    {Qt::Key_Up, kAny, kAny, KeyLaneUp},
    {Qt::Key_Down, kAny, kAny, KeyLaneDown},
    {Qt::Key_Left, kAny, kAny, KeyLeft},
    {Qt::Key_Right, kAny, kAny, KeyRight},
    {Qt::Key_Return, kAny, kAny, KeyFocusMain},
    {Qt::Key_Enter, kAny, kAny, KeyFocusMain},
    {Qt::Key_Escape, kAny, kAny, KeyDeselect},
}};

bool isModifierKey(int key)
{
    return key == Qt::Key_Alt || key == Qt::Key_Shift || key == Qt::Key_Control;
}

} // namespace

KeyFilter::KeyFilter(QObject *parent) : QObject(parent)
{
    qRegisterMetaType<KeyPressed>();
}

std::optional<KeyPressed> KeyFilter::commandFor(int key, Qt::KeyboardModifiers modifiers)
{
    for (const KeyRule &rule : kRules) {
        if (rule.key == key && (modifiers & rule.needed) == rule.needed && !(modifiers & rule.refused))
            return rule.command;
    }
    return std::nullopt;
}

QString KeyFilter::altLetters()
{
    QString letters;
    for (const KeyRule &rule : kRules) {
        if (rule.needed == kAlt && rule.key >= Qt::Key_A && rule.key <= Qt::Key_Z)
            letters += QChar(rule.key);
    }
    return letters;
}

bool KeyFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (qobject_cast<QAbstractButton *>(watched))
        return buttonArrow(event);
    if (event->type() == QEvent::KeyRelease)
        return true;
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    if (isModifierKey(press->key()))
        return true;
    const std::optional<KeyPressed> command = commandFor(press->key(), press->modifiers());
    if (!command)
        return false;
    emit send_key(*command);
    return true;
}

// A button walks the focus with its arrows, on into the GPS date field: its Up and Down select lanes
// instead; its other keys (Space and its release among them) stay its own.
bool KeyFilter::buttonArrow(QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto *press = static_cast<QKeyEvent *>(event);
    if (press->key() != Qt::Key_Up && press->key() != Qt::Key_Down)
        return false;
    emit send_key(press->key() == Qt::Key_Up ? KeyLaneUp : KeyLaneDown);
    return true;
}
