#include "dialogs/setxmlreader.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QMessageBox>
#include <QXmlStreamReader>

#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/set.h"
#include "dialogs/startblocksetrules.h"

namespace
{

constexpr char kTagSet[] = "set";
constexpr char kTagCentralUnit[] = "centralunit";
constexpr char kTagStartModule[] = "startmodule";
constexpr char kAttributeName[] = "name";
constexpr char kAttributeSerialNumber[] = "serialnumber";
constexpr char kAttributeLane[] = "lane";

void reportUnknownAttribute(const QXmlStreamAttribute &attribute, const char *tag)
{
    qDebug().noquote() << QStringLiteral("Unknown attribute \"%1\" in tag %2")
                              .arg(attribute.name().toString(), QLatin1String(tag));
}

class SetXmlReader
{
public:
    explicit SetXmlReader(QIODevice &device) : m_xml(&device) {}

    SetList read()
    {
        while (!m_xml.atEnd() && int(m_sets.size()) < kMaxImportedSets) {
            m_xml.readNext();
            if (m_xml.isStartElement())
                startElement();
            else if (m_xml.isEndElement())
                endElement();
        }
        if (m_xml.hasError())
            qDebug().noquote() << QStringLiteral("XML error at line %1: %2; nothing after it is imported")
                                      .arg(m_xml.lineNumber())
                                      .arg(m_xml.errorString());
        return std::move(m_sets);
    }

private:
    void startElement()
    {
        const QString name = m_xml.name().toString();
        qDebug().noquote() << QStringLiteral("StartElement \"%1\"").arg(name);
        if (name == QLatin1String(kTagSet))
            openSet();
        else if (name == QLatin1String(kTagCentralUnit))
            readCentralUnit();
        else if (name == QLatin1String(kTagStartModule))
            readStartModule();
        else
            qDebug().noquote() << QStringLiteral("Unknown start tag \"%1\" in tag set").arg(name);
    }

    void endElement()
    {
        const QString name = m_xml.name().toString();
        qDebug().noquote() << QStringLiteral("EndElement \"%1\"").arg(name);
        if (name == QLatin1String(kTagSet) && m_current)
            m_sets.push_back(std::move(m_current));
    }

    void openSet()
    {
        m_current = std::make_unique<Set>(); // a set still open is dropped
        for (const QXmlStreamAttribute &attribute : m_xml.attributes()) {
            if (attribute.name() == QLatin1String(kAttributeName))
                m_current->name = attribute.value().toString();
            else
                reportUnknownAttribute(attribute, kTagSet);
        }
    }

    void readCentralUnit()
    {
        auto coordinator = std::make_unique<CCoordinator>();
        bool hasSerialNumber = false;
        for (const QXmlStreamAttribute &attribute : m_xml.attributes()) {
            if (attribute.name() == QLatin1String(kAttributeSerialNumber))
                hasSerialNumber = readSerialNumber(*coordinator, attribute.value().toString());
            else
                reportUnknownAttribute(attribute, kTagCentralUnit);
        }
        if (!m_current)
            return;
        if (!hasSerialNumber)
            m_current->withoutSerialNumber.insert(coordinator.get());
        if (m_current->coordinator) { // a later central unit replaces an earlier one
            m_current->withoutSerialNumber.remove(m_current->coordinator);
            std::unique_ptr<CCoordinator> replaced(m_current->coordinator);
        }
        coordinator->setParent(m_current.get());
        m_current->coordinator = coordinator.release();
    }

    void readStartModule()
    {
        auto block = std::make_unique<CStartBlock>();
        bool hasSerialNumber = false;
        bool hasLane = false;
        for (const QXmlStreamAttribute &attribute : m_xml.attributes()) {
            if (attribute.name() == QLatin1String(kAttributeLane)) {
                block->setLane(StartBlockSetRules::laneFromText(attribute.value().toString()));
                hasLane = true;
            } else if (attribute.name() == QLatin1String(kAttributeSerialNumber)) {
                hasSerialNumber = readSerialNumber(*block, attribute.value().toString());
            } else {
                reportUnknownAttribute(attribute, kTagStartModule);
            }
        }
        if (!m_current || m_current->blocks.size() >= kMaxBlocksPerSet)
            return;
        if (!hasSerialNumber)
            m_current->withoutSerialNumber.insert(block.get());
        if (!hasLane)
            m_current->withoutLane.insert(block.get());
        block->setParent(m_current.get());
        m_current->blocks.append(block.release());
    }

    template<typename Device>
    static bool readSerialNumber(Device &device, const QString &text)
    {
        if (!StartBlockSetRules::isCompleteSerialNumber(text))
            return false;
        device.SetMacAddress(text);
        return true;
    }

    QXmlStreamReader m_xml;
    SetList m_sets;
    std::unique_ptr<Set> m_current;
};

} // namespace

SetList readSetsFromXml(QIODevice &device)
{
    return SetXmlReader(device).read();
}

SetList ImportSetsFromXml(QWidget *parent, const QString &fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        QMessageBox::critical(
            parent, QCoreApplication::translate("AddStartBlockSetDlg", "Opening file"),
            QCoreApplication::translate("AddStartBlockSetDlg", "Unable to open file %1").arg(fileName));
        return {};
    }
    return readSetsFromXml(file);
}
