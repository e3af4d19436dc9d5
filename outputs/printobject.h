#pragma once

#include <memory>

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTextDocument>

class CStartBlock;
class QPrinter;
class SerialPrinterThread;
struct PrintRecord;

// One print job: the results of one race for one printer entry. Type 2 prints an HTML page on the
// system's default printer, type 3 sends a 24-column text ticket to the ticket printer on a serial
// port; any other type prints nothing. Created, set up, laid out, printed and deleted once per entry.
class PrintObject : public QObject
{
    Q_OBJECT

public:
    static constexpr char kTicketSetting[] = "TICKET"; // the printer setting of the default printer
    static constexpr qint32 kSerialBaudRate = 9600;
    static constexpr int kTicketWidth = 24;
    static constexpr int kTicketLanes = 10;
    static constexpr int kGraphPrintMode = 1;

    explicit PrintObject(quint8 printerType);
    ~PrintObject() override;

    // Keeps the record (not owned) and sets up its printer: "TICKET" takes the system's default
    // printer, any other non-empty text is a serial port, opened again on the record's worker.
    void setPrinterSettings(const PrintRecord *record);
    void createPrintLayout();
    // Returns once the page is printed or the ticket handed to the worker; without a page printer it
    // shows "Printer not found".
    void print();

    // A printer the caller set up itself (a PDF file, say) in place of the system's default printer.
    void usePrinter(std::unique_ptr<QPrinter> printer);
    QPrinter *printer() const { return m_printer.get(); }
    QString layout() const { return m_layout; }
    QByteArray ticketBytes() const { return m_ticketBytes; }

private:
    static std::unique_ptr<QPrinter> defaultPrinter();
    void createHtmlLayout();
    void createTicketLayout();
    QString htmlHead() const;
    QString htmlRow(const CStartBlock *block) const;
    QString htmlGraphRow() const;
    QString ticketHead() const;
    QString ticketLane(int lane) const;
    void printHtml(const QString &html);
    void sendToSerialPrinter(const QString &ticket);
    void showPrinterNotFound();

    SerialPrinterThread *m_serialPrinter = nullptr; // not owned
    std::unique_ptr<QPrinter> m_printer;
    QTextDocument m_document;
    int m_printerType = 0;
    const PrintRecord *m_record = nullptr; // not owned
    QString m_layout;
    QByteArray m_ticketBytes;
};
