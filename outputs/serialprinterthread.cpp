#include "outputs/serialprinterthread.h"

#include <algorithm>

#include <QDebug>
#include <QMutexLocker>
#include <QSerialPort>

SerialPrinterThread::SerialPrinterThread(QObject *parent) : QThread(parent) {}

SerialPrinterThread::~SerialPrinterThread()
{
    quit();
    wait();
    closePort();
}

void SerialPrinterThread::run()
{
    exec();
}

void SerialPrinterThread::setPrinterPort(const QString &portText, qint32 baudRate)
{
    qDebug() << "set printer port" << portText;
    const QString name = portText.section(QLatin1Char('['), 0, 0).trimmed();
    clearPrinterPort();
    m_port = std::make_unique<QSerialPort>(name);
    const bool opened = m_port->open(QIODevice::ReadWrite);
    if (opened) {
        m_port->setBaudRate(baudRate > 0 ? baudRate : kDefaultBaudRate);
        m_port->setParity(QSerialPort::NoParity);
        m_port->setDataBits(QSerialPort::Data8);
        m_port->setFlowControl(QSerialPort::NoFlowControl);
        m_port->setStopBits(QSerialPort::OneStop);
        connect(m_port.get(), &QSerialPort::readyRead, this, &SerialPrinterThread::onReadyRead);
    }
    emit serial_port_opened(opened);
}

void SerialPrinterThread::clearPrinterPort()
{
    qDebug() << "clear printer port";
    closePort();
}

void SerialPrinterThread::closePort()
{
    QMutexLocker locker(&m_writeLock);
    if (m_port && m_port->isOpen()) {
        // the port writes in the background and closing drops what is queued: the ticket goes out first
        while (m_port->bytesToWrite() > 0 && m_port->waitForBytesWritten(kDrainTimeoutMs)) {
        }
        m_port->close();
    }
    m_port.reset();
}

void SerialPrinterThread::writeData(const char *data, int size)
{
    qDebug() << "Write data to printer";
    if (!data || size <= 0)
        return;
    const QByteArray copy(data, std::min(size, kMaxWriteSize));
    QMutexLocker locker(&m_writeLock);
    if (m_port && m_port->isOpen())
        m_port->write(copy); // the result is not looked at
}

qint32 SerialPrinterThread::baudRate() const
{
    return m_port ? m_port->baudRate() : 0;
}

QString SerialPrinterThread::portName() const
{
    return m_port ? m_port->portName() : QString();
}

bool SerialPrinterThread::isPortOpen() const
{
    return m_port && m_port->isOpen();
}

void SerialPrinterThread::onReadyRead()
{
    if (m_port)
        m_port->readAll(); // dropped unread, so what the printer sends cannot pile up
}
