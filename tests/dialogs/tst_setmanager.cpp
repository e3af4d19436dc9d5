#include <memory>
#include <optional>

#include <QBuffer>
#include <QLineEdit>
#include <QListView>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QStringListModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "core/quellorapp.h"
#include "devices/ccoordinator.h"
#include "devices/cstartblock.h"
#include "dialogs/addstartblocksetdlg.h"
#include "dialogs/setxmlreader.h"
#include "dialogtestkit.h"
#include "modalanswerer.h"
#include "tests/meet/debuglines.h"

namespace
{

QuellorApp &app()
{
    return *QuellorApp::Instance();
}

// "CU mac" for the coordinator, then "lane mac" per block, as the settings store gives the set back.
QStringList storedSet(const QString &name)
{
    const auto set = app().LoadStartBlockSet(name);
    QStringList devices;
    if (set->coordinator)
        devices << "CU " + set->coordinator->GetMacAddress();
    for (const auto &block : set->blocks)
        devices << QStringLiteral("%1 %2").arg(block->lane()).arg(block->GetMacAddress());
    return devices;
}

// Set "A": a coordinator and lanes 1 and 2; set "Other": lane 3.
void storeFixtureSets()
{
    StartBlockSetGroup a;
    a.coordinator = std::make_unique<CCoordinator>();
    a.coordinator->SetMacAddress("aa:00:00:00:00:01");
    for (const int lane : {1, 2}) {
        a.blocks.push_back(std::make_unique<CStartBlock>());
        a.blocks.back()->setLane(quint8(lane));
        a.blocks.back()->SetMacAddress(QStringLiteral("aa:00:00:00:00:1%1").arg(lane));
    }
    StartBlockSetGroup other;
    other.blocks.push_back(std::make_unique<CStartBlock>());
    other.blocks.back()->setLane(3);
    other.blocks.back()->SetMacAddress("bb:00:00:00:00:03");
    app().SaveStartBlockSets({"A", "Other"}, {&a, &other});
}

const QString kNameTitle = "Error in the name of the new set of starting blocks";
const QString kSerialTitle = "Error in the serial number of the new starting block";
const QString kLaneTitle = "Error in the lane of the new starting block";
const QString kEmptySerialText = "You have to fill in a serial number for the device";
const QString kEmptyLaneText = "You have to fill in a lane for the starting block";

QString nameText(const QString &name)
{
    return QStringLiteral("Set '%1'' already exists. You have to fill in a unique name for the new set of "
                          "starting blocks")
        .arg(name);
}

QString box(const QString &title, const QString &text)
{
    return title + ": " + text;
}

QStringList boxesSeen(const ModalAnswerer &answerer)
{
    QStringList boxes;
    for (const ModalAnswerer::Seen &seen : answerer.seen)
        boxes << box(seen.title, seen.text);
    return boxes;
}

// OK for each of the next boxes; an answer left over means a box that did not come.
void answerOk(ModalAnswerer &answerer, int boxes)
{
    for (int count = 0; count < boxes; ++count)
        answerer.answer(QDialogButtonBox::Ok);
}

template<typename Editor>
Editor *openEditor(QAbstractItemView *view, const QModelIndex &index)
{
    view->edit(index);
    return view->viewport()->findChild<Editor *>();
}

// Return in an editor: the view commits and closes it from its event loop.
void commit(QWidget *editor)
{
    const QPointer<QWidget> open(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    QTRY_VERIFY(open.isNull());
}

// A set name to add (set empty, the name in serial) or a device to add, and the box that refuses it
// (none: accepted).
struct Refusal {
    QString set;
    QString serial;
    QString lane;
    int result;
    QString title;
    QString text;
};

} // namespace

Q_DECLARE_METATYPE(Refusal)

class TstSetManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void checksLikeTypedInput_data();
    void checksLikeTypedInput();
    void renameIsCheckedAndCancelRestoresTheList();
    void laneEditorRefusesATakenLaneAndKeepsOneItOnlyShowed();
    void importSplitsSetsAndRefusesIncompleteDevices();
    void brokenFileKeepsTheSetsBeforeTheError();

private:
    std::unique_ptr<QStringListModel> m_names;
    std::unique_ptr<AddStartBlockSetDlg> m_dialog;
};

void TstSetManager::init()
{
    m_dialog.reset();
    storeFixtureSets();
    m_names = std::make_unique<QStringListModel>(app().GetStartBlockSetNames());
    m_dialog = std::make_unique<AddStartBlockSetDlg>(nullptr, m_names.get());
}

void TstSetManager::checksLikeTypedInput_data()
{
    QTest::addColumn<Refusal>("refusal");
    const QString serial = "aa:00:00:00:00:99";
    QTest::newRow("same set name") << Refusal{"", "A", "", 0, kNameTitle, nameText("A")};
    QTest::newRow("empty set name") << Refusal{"", "", "", 0, kNameTitle, nameText("")};
    QTest::newRow("empty serial") << Refusal{"A", ":::::", "3", 1, kSerialTitle, kEmptySerialText};
    QTest::newRow("incomplete serial")
        << Refusal{"A", "aa:00:00:00:00:", "3", 1, kSerialTitle, kEmptySerialText};
    QTest::newRow("serial in the set, other case") << Refusal{
        "A",
        "AA:00:00:00:00:11",
        "3",
        1,
        kSerialTitle,
        "Serial number AA:00:00:00:00:11 already existss. You have to fill in a unique serial number "
        "for the device"};
    QTest::newRow("second coordinator")
        << Refusal{"A",
                   serial,
                   "CU",
                   3,
                   "Error in coordinator selection",
                   "There is already a starting block selected as coordinator"};
    QTest::newRow("lane in the set") << Refusal{
        "A", serial,     "02",
        2,   kLaneTitle, "Lane 02 already exists. You have to fill in a unique lane for the starting block"};
    QTest::newRow("empty lane") << Refusal{"A", serial, "", 2, kLaneTitle, kEmptyLaneText};
    QTest::newRow("name in another case") << Refusal{"", "a", "", 0, "", ""};
    QTest::newRow("serial of another set") << Refusal{"Other", "AA:00:00:00:00:11", "5", 0, "", ""};
    QTest::newRow("imported lane above 99") << Refusal{"Other", serial, "150", 0, "", ""};
    QTest::newRow("unknown set") << Refusal{"none", serial, "4", 4, "", ""};
}

void TstSetManager::checksLikeTypedInput()
{
    QFETCH(Refusal, refusal);
    const bool refused = !refusal.title.isEmpty();
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    if (refusal.set.isEmpty())
        QCOMPARE(m_dialog->AddSet(refusal.serial), !refused);
    else
        QCOMPARE(m_dialog->AddDevice(refusal.set, refusal.serial, refusal.lane), refusal.result);
    QCOMPARE(boxesSeen(answerer), refused ? QStringList{box(refusal.title, refusal.text)} : QStringList());
    QCOMPARE(m_dialog->setsModified(), !refused && refusal.result == 0);
    QCOMPARE(m_names->stringList().size(), refusal.set.isEmpty() && !refused ? 3 : 2);
    QCOMPARE(app().GetStartBlockSetNames(), (QStringList{"A", "Other"})); // stored only on OK
    if (refused || refusal.result != 0)
        return;
    m_dialog->findChild<QPushButton *>("btnOK")->click();
    const QString set = refusal.set.isEmpty() ? refusal.serial : refusal.set;
    const QString device = QStringLiteral("%1 %2").arg(refusal.lane, refusal.serial.toLower());
    QCOMPARE(storedSet(set).contains(device), !refusal.set.isEmpty());
    QCOMPARE(app().GetStartBlockSetNames(), m_names->stringList());
}

void TstSetManager::renameIsCheckedAndCancelRestoresTheList()
{
    m_dialog->show();
    auto *list = m_dialog->findChild<QListView *>("lstSets");
    auto *table = m_dialog->findChild<QTableView *>("tblBlocks");
    const QModelIndex setA = m_names->index(0);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(setA).center());
    QCOMPARE(table->model()->rowCount(), 3);

    ModalAnswerer answerer;
    answerOk(answerer, 2);
    for (const QString name : {"Other", "", "B"}) {
        auto *editor = openEditor<QLineEdit>(list, setA);
        QVERIFY(editor);
        editor->setText(name);
        commit(editor);
    }
    QCOMPARE(boxesSeen(answerer),
             (QStringList{box(kNameTitle, nameText("Other")), box(kNameTitle, nameText(""))}));
    QCOMPARE(m_names->stringList(), (QStringList{"B", "Other"}));
    QCOMPARE(table->model()->rowCount(), 3); // the devices went with the name
    QVERIFY(m_dialog->setsModified());

    m_dialog->findChild<QPushButton *>("btnCancel")->click();
    QCOMPARE(m_dialog->result(), 0);
    QCOMPARE(m_names->stringList(), (QStringList{"A", "Other"}));
    QCOMPARE(app().GetStartBlockSetNames(), (QStringList{"A", "Other"}));
}

void TstSetManager::laneEditorRefusesATakenLaneAndKeepsOneItOnlyShowed()
{
    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    QCOMPARE(m_dialog->AddDevice("A", "aa:00:00:00:00:50", "50"), int(AddStartBlockSetDlg::DeviceAdded));
    m_dialog->show();
    auto *list = m_dialog->findChild<QListView *>("lstSets");
    auto *table = m_dialog->findChild<QTableView *>("tblBlocks");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(m_names->index(0)).center());
    table->sortByColumn(0, Qt::AscendingOrder); // CU, 1, 2, 50
    QCOMPARE(table->model()->index(3, 0).data().toInt(), 50);

    const auto commitLane = [table](int row, std::optional<int> value) {
        auto *spin = openEditor<QSpinBox>(table, table->model()->index(row, 0));
        QVERIFY(spin);
        QCOMPARE(spin->maximum(), 20);
        if (value)
            spin->setValue(*value);
        commit(spin);
    };
    commitLane(2, 1);            // lane 2 to 1, which lane 1 has
    commitLane(3, std::nullopt); // lane 50, shown as 20 and left so
    QCOMPARE(boxesSeen(answerer),
             QStringList{box(kLaneTitle, "You have to fill in a unique lane for the starting block")});
    m_dialog->findChild<QPushButton *>("btnOK")->click();
    QCOMPARE(storedSet("A"), (QStringList{"CU aa:00:00:00:00:01", "1 aa:00:00:00:00:11",
                                          "2 aa:00:00:00:00:12", "50 aa:00:00:00:00:50"}));
}

namespace
{

QByteArray startModules(const QString &prefix, int count)
{
    QByteArray xml;
    for (int lane = 1; lane <= count; ++lane)
        xml += QStringLiteral("<startmodule lane=\"%1\" serialnumber=\"%2:%3\"/>")
                   .arg(lane)
                   .arg(prefix)
                   .arg(lane, 2, 10, QLatin1Char('0'))
                   .toLatin1();
    return xml;
}

SetList readXml(const QByteArray &xml)
{
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    return readSetsFromXml(buffer);
}

QStringList lanesOf(const QString &name)
{
    QStringList lanes;
    for (const QString &device : storedSet(name))
        lanes << device.section(' ', 0, 0);
    return lanes;
}

} // namespace

void TstSetManager::importSplitsSetsAndRefusesIncompleteDevices()
{
    const QByteArray xml =
        "<?xml version=\"1.0\"?><sets><set name=\"Track\">" + startModules("cc:00:00:00:00", 6) +
        "</set><set name=\"Stadium\"><centralunit serialnumber=\"DD:00:00:00:00:FF\"/>" +
        startModules("dd:00:00:00:00", 8) +
        "</set><set name=\"Far\"><startmodule lane=\"150\" serialnumber=\"ee:00:00:00:00:01\"/>"
        "<startmodule serialnumber=\"ee:00:00:00:00:02\"/><startmodule lane=\"3\" serialnumber=\"ee:00\"/>"
        "</set><set name=\"Twelve\">" +
        startModules("ff:00:00:00:00", 12) + "</set></sets>";
    ModalAnswerer answerer;
    answerOk(answerer, 6);
    m_dialog->AddImportedSets(readXml(xml));
    QCOMPARE(boxesSeen(answerer),
             (QStringList{box(kLaneTitle, kEmptyLaneText), box(kSerialTitle, kEmptySerialText)}));
    const QStringList names = {"A", "Other", "Track", "Stadium - 6 lanes", "Stadium - 8 lanes", "Far"};
    QCOMPARE(m_names->stringList(), names);

    answerer.seen.clear();
    m_dialog->AddImportedSets(readXml(xml)); // the same file again adds nothing
    QStringList nameBoxes;
    for (const QString name : {"Track", "Stadium - 6 lanes", "Stadium - 8 lanes", "Far"})
        nameBoxes << box(kNameTitle, nameText(name));
    QCOMPARE(boxesSeen(answerer), nameBoxes);
    QCOMPARE(m_names->stringList(), names);

    m_dialog->findChild<QPushButton *>("btnOK")->click();
    QCOMPARE(lanesOf("Track"), (QStringList{"1", "2", "3", "4", "5", "6"}));
    QCOMPARE(lanesOf("Stadium - 6 lanes"), (QStringList{"CU", "1", "2", "3", "4", "5", "6"}));
    QCOMPARE(lanesOf("Stadium - 8 lanes"), (QStringList{"CU", "1", "2", "3", "4", "5", "6", "7", "8"}));
    QCOMPARE(storedSet("Stadium - 8 lanes").first(), QStringLiteral("CU dd:00:00:00:00:ff"));
    QCOMPARE(storedSet("Far"), QStringList{"150 ee:00:00:00:00:01"});
}

void TstSetManager::brokenFileKeepsTheSetsBeforeTheError()
{
    const QByteArray xml = "<set name=\"One\">" + startModules("cc:00:00:00:00", 2) +
                           "</set><set name=\"Two\">" + startModules("dd:00:00:00:00", 2) + "</sets>" +
                           "<set name=\"Three\"></set>";
    const DebugLines debug;
    const SetList sets = readXml(xml);
    QCOMPARE(sets.size(), size_t(1));
    QCOMPARE(sets.front()->name, QStringLiteral("One"));
    QCOMPARE(sets.front()->blocks.size(), 2);
    QVERIFY(debug.lines().filter("XML error").size() == 1);

    ModalAnswerer answerer;
    answerer.answer(QDialogButtonBox::Ok);
    QCOMPARE(ImportSetsFromXml(nullptr, "/nonexistent/sets.xml").size(), size_t(0));
    QCOMPARE(boxesSeen(answerer),
             QStringList{box("Opening file", "Unable to open file /nonexistent/sets.xml")});
}

int main(int argc, char **argv)
{
    return runDialogTests<TstSetManager>(argc, argv);
}

#include "tst_setmanager.moc"
