// The name entry: the name box and its limit, a new game by name, a loaded
// game, and the refusals in between.

#include "files/record.h"
#include "files/save_file.h"
#include "support/fake_platform.h"
#include "support/modal.h"
#include "support/scripted_random.h"
#include "ui/frmInputName.h"
#include "ui/frmMain.h"
#include "ui/look.h"

#include <QClipboard>
#include <QPointer>
#include <QTemporaryDir>
#include <QtTest>

using namespace nupel;
using namespace nupel::test;

namespace {

// Types `text` into `box` one character at a time, as the keyboard would.
void type(QWidget *box, const QString &text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(box, &press);
    }
}

const QString badName = QStringLiteral("ファイル名として不適当な名前をつけることはできません。");

} // namespace

class FrmInputNameTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void windowLooksAsDesigned();
    void nameBoxRefusesWhatWouldNotFit();
    void pasteRespectsTheLimit();
    void enterStartsExactlyOneGame_data();
    void enterStartsExactlyOneGame();
    void enterOnARefusedNameShowsTheMessageOnce();
    void okStartsTheGameWithTheName();
    void emptyNameStartsAGame();
    void unsuitableNameIsRefusedWithTheMessage_data();
    void unsuitableNameIsRefusedWithTheMessage();
    void cancelledLoadLeavesTheWindowUsable();
    void loadStartsTheSavedGame();
    void failedLoadLeavesWindowAndFile();
    void closingTheWindowEndsTheProgram();

private:
    QLineEdit *text() const { return m_window->findChild<QLineEdit *>(QStringLiteral("Text1")); }
    QPushButton *button(const char *name) const { return m_window->findChild<QPushButton *>(QLatin1String(name)); }

    PetState m_state;
    ScriptedRandom m_random;
    FakePlatform m_platform;
    QPointer<frmInputName> m_window;
};

void FrmInputNameTest::initTestCase()
{
    installGameLook();
}

void FrmInputNameTest::init()
{
    m_state = PetState();
    m_state.setNewGameValues();
    m_random = ScriptedRandom();
    m_platform = FakePlatform();
    // The window deletes itself once a game has started.
    m_window = new frmInputName(m_state, m_random, m_platform);
    m_window->Form_Load();
    m_window->show();
}

void FrmInputNameTest::cleanup()
{
    delete m_window;
    qDeleteAll(topLevels<frmMain>());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(QDir().entryList({QStringLiteral("*.npd")}).isEmpty());
    verifyCleanEnd(&m_random);
}

void FrmInputNameTest::windowLooksAsDesigned()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("名前の入力"));
    QCOMPARE(m_window->size(), QSize(378, 173));
    QCOMPARE(m_window->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().size(), QSize(153, 71));
    auto *label = m_window->findChild<QLabel *>(QStringLiteral("Label1"));
    QCOMPARE(label->text(), QStringLiteral("名前を入力してください (全角で10文字まで)"));
    QVERIFY(label->sizeHint().width() <= label->width());
    QCOMPARE(QFontInfo(label->font()).family(), QStringLiteral("IPAPGothic"));
    QCOMPARE(QFontInfo(text()->font()).family(), QStringLiteral("IPAPGothic"));
    QVERIFY(text()->text().isEmpty());
    QCOMPARE(m_window->focusWidget(), text());
    QCOMPARE(button("Command1")->text(), QStringLiteral("Ｏ．Ｋ．"));
    QCOMPARE(button("Command2")->text(), QStringLiteral("Ｌｏａｄ"));
    QVERIFY(button("Command1")->isDefault());
    QCOMPARE(button("Command1")->size(), button("Command2")->size());
    QVERIFY(button("Command1")->y() < button("Command2")->y());
    QCOMPARE(QFontInfo(button("Command1")->font()).family(), QStringLiteral("IPAPMincho"));
    QVERIFY(!m_window->isModal());
}

void FrmInputNameTest::nameBoxRefusesWhatWouldNotFit()
{
    type(text(), QStringLiteral("あいうえおかきくけこさ"));
    QCOMPARE(text()->text(), QStringLiteral("あいうえおかきくけこ"));
    type(text(), QStringLiteral("a"));
    QCOMPARE(text()->text(), QStringLiteral("あいうえおかきくけこ"));

    text()->clear();
    type(text(), QStringLiteral("한あ😀b"));
    QCOMPARE(text()->text(), QStringLiteral("あb"));
}

void FrmInputNameTest::pasteRespectsTheLimit()
{
    QApplication::clipboard()->setText(QStringLiteral("ももももも"));
    text()->paste();
    QCOMPARE(text()->text(), QStringLiteral("ももももも"));
    // Eleven full-width characters in all would not fit: nothing is pasted.
    QApplication::clipboard()->setText(QStringLiteral("たろうたろう"));
    text()->paste();
    QCOMPARE(text()->text(), QStringLiteral("ももももも"));
    QApplication::clipboard()->setText(QStringLiteral("たろうたろ"));
    text()->paste();
    QCOMPARE(text()->text(), QStringLiteral("もももももたろうたろ"));
}

void FrmInputNameTest::enterStartsExactlyOneGame_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter);
}

void FrmInputNameTest::enterStartsExactlyOneGame()
{
    QFETCH(int, key);
    type(text(), QStringLiteral("もも"));
    QTest::keyClick(text(), Qt::Key(key));
    QCOMPARE(topLevels<frmMain>().size(), 1);
    QVERIFY(topLevels<frmMain>().front()->isVisible());
    QCOMPARE(m_state.petName, QStringLiteral("もも"));
    QVERIFY(m_platform.notices.isEmpty());
    QCOMPARE(m_platform.beeps, 0);
    QVERIFY(!m_window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_window.isNull());
}

void FrmInputNameTest::enterOnARefusedNameShowsTheMessageOnce()
{
    // The box and the default button both hear Enter; only one may answer.
    type(text(), QStringLiteral("も*"));
    QTest::keyClick(text(), Qt::Key_Return);
    QCOMPARE(m_platform.notices.size(), 1);
    QCOMPARE(text()->text(), QStringLiteral("も*"));
    QVERIFY(m_window->isVisible());
}

void FrmInputNameTest::okStartsTheGameWithTheName()
{
    type(text(), QStringLiteral("ぬぺる"));
    button("Command1")->click();
    QCOMPARE(topLevels<frmMain>().size(), 1);
    frmMain *main = topLevels<frmMain>().front();
    QCOMPARE(main->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("ぬぺる"));
    QCOMPARE(main->findChild<QLabel *>(QStringLiteral("Label14"))->text(), QStringLiteral("10000円"));
    QCOMPARE(m_state.satiety.value(), qint16(200));
}

void FrmInputNameTest::emptyNameStartsAGame()
{
    button("Command1")->click();
    QCOMPARE(topLevels<frmMain>().size(), 1);
    QVERIFY(m_platform.notices.isEmpty());
    QVERIFY(m_state.petName.isEmpty());
}

void FrmInputNameTest::unsuitableNameIsRefusedWithTheMessage_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("double quote") << QStringLiteral("も\"も");
    QTest::newRow("asterisk") << QStringLiteral("もも*");
    QTest::newRow("question mark") << QStringLiteral("もも?");
    QTest::newRow("slash") << QStringLiteral("../もも");
    QTest::newRow("colon") << QStringLiteral("C:もも");
}

void FrmInputNameTest::unsuitableNameIsRefusedWithTheMessage()
{
    QFETCH(QString, name);
    type(text(), name);
    QCOMPARE(text()->text(), name);
    button("Command1")->click();
    QCOMPARE(m_platform.notices.size(), 1);
    const Notice notice = m_platform.notices.front();
    QCOMPARE(notice.text, badName);
    QCOMPARE(notice.title, QStringLiteral("NUPEL for Win95"));
    QCOMPARE(notice.buttons, NoticeButtons::Ok);
    QCOMPARE(notice.icon, NoticeIcon::None);
    QVERIFY(topLevels<frmMain>().isEmpty());
    QVERIFY(m_window->isVisible());
    QCOMPARE(text()->text(), name);
    QVERIFY(m_state.petName.isEmpty());
}

void FrmInputNameTest::cancelledLoadLeavesTheWindowUsable()
{
    button("Command2")->click();
    QCOMPARE(m_platform.fileDialogs, QStringList{QStringLiteral("セーブデータを開く|NupelW Save Data|*.npw")});
    QVERIFY(topLevels<frmMain>().isEmpty());
    QVERIFY(m_window->isVisible());
    QVERIFY(m_platform.notices.isEmpty());

    type(text(), QStringLiteral("もも"));
    button("Command1")->click();
    QCOMPARE(topLevels<frmMain>().size(), 1);
}

void FrmInputNameTest::loadStartsTheSavedGame()
{
    QTemporaryDir elsewhere;
    PetState saved;
    saved.setNewGameValues();
    saved.petName = QStringLiteral("たま");
    saved.petType = QStringLiteral("Tamagon");
    saved.money = 60000;
    saved.age = 23;
    const QString path = elsewhere.filePath(QStringLiteral("renamed.npw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(*formatSaveRecord(saved, 4321));
    file.close();

    const QString folderBefore = QDir::currentPath();
    m_platform.chosenFiles = QStringList{path};
    button("Command2")->click();
    QCOMPARE(topLevels<frmMain>().size(), 1);
    frmMain *main = topLevels<frmMain>().front();
    QCOMPARE(main->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("たま"));
    QCOMPARE(main->findChild<QLabel *>(QStringLiteral("Label3"))->text(), QStringLiteral("Tamagon"));
    QCOMPARE(main->findChild<QLabel *>(QStringLiteral("Label14"))->text(), QStringLiteral("60000円"));
    QCOMPARE(m_state.age.value(), 23.0);
    QVERIFY(!QFile::exists(path));
    QCOMPARE(QDir::currentPath(), folderBefore);
    QVERIFY(!m_window->isVisible());
}

void FrmInputNameTest::failedLoadLeavesWindowAndFile()
{
    QTemporaryDir elsewhere;
    const QString path = elsewhere.filePath(QStringLiteral("cut.npw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("\"a\",200,0,0,,10000,\"Normal\",1,0,10\r\n");
    file.close();

    m_platform.chosenFiles = QStringList{path};
    button("Command2")->click();
    QVERIFY(topLevels<frmMain>().isEmpty());
    QVERIFY(m_window->isVisible());
    QVERIFY(QFile::exists(path));
    QVERIFY(m_platform.notices.isEmpty());
    QCOMPARE(m_state.money.value(), 10000);
}

void FrmInputNameTest::closingTheWindowEndsTheProgram()
{
    m_window->close();
    QCOMPARE(m_platform.ended, 1);
}

QTEST_MAIN(FrmInputNameTest)
#include "test_frmInputName.moc"
