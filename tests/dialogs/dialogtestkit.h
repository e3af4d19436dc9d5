#pragma once

#include <functional>
#include <memory>

#include <QApplication>
#include <QTest>
#include <QTimer>

#include "core/projectsettings.h"
#include "core/quellorapp.h"
#include "testlanguage.h"
#include "tests/core/apptestenvironment.h"

// Runs act on the next visible modal widget of type T (a dialog that the code under test runs itself),
// polling from the event loop; message boxes are answered by the ModalAnswerer.
template<typename T>
void whenModal(QObject *context, const std::function<void(T *)> &act)
{
    QTimer::singleShot(10, context, [context, act] {
        auto *widget = qobject_cast<T *>(QApplication::activeModalWidget());
        if (widget && widget->isVisible())
            act(widget);
        else
            whenModal<T>(context, act);
    });
}

template<typename T>
T *child(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QLatin1String(name));
}

// An info reply's items, given in hexadecimal, as the device object receives them.
template<typename Device>
void report(Device &device, const QByteArray &hexItems)
{
    QByteArray items = QByteArray::fromHex(hexItems);
    device.SetInfoFields(quint16(items.size()), reinterpret_cast<unsigned char *>(items.data()));
}

// What the project expects of a block: the simulator's power-on values (IAAF 100 ms, channel 1, ...).
inline StartBlockCommonSettings expectedBlock()
{
    return {0, 512, 400, 0, 100, 100, 100, 1, 3, 1, 1, 16, 1, 0};
}

template<typename Test>
int runDialogTest(int argc, char **argv)
{
    Test test;
    return QTest::qExec(&test, argc, argv);
}

// Runs the test objects against one application object whose settings live in a temporary folder, with
// the PC's clock in UTC and the coordinator's and blocks' transmit power stored as "rftxPower" = 0.
template<typename... Tests>
int runDialogTests(int argc, char **argv)
{
    qputenv("TZ", "UTC");
    AppTestEnvironment environment;
    if (!environment.isValid())
        return 1;
    for (const char *group : {"CoordinatorSettings", "StartBlockSettings"})
        AppTestEnvironment::storeValue(QLatin1String(group), QStringLiteral("rftxPower"), 0);
    const std::unique_ptr<QuellorApp> application(QuellorApp::Create(argc, argv));
    return (0 + ... + runDialogTest<Tests>(argc, argv));
}
