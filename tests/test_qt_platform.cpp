// The desktop's own message boxes and open-file dialog, opened for real and
// answered from inside their event loops by a helper, as a player would:
// their texts, icons, buttons, default button, the answer they give back,
// and the dialog's title and filter.

#include "support/modal.h"
#include "ui/qt_platform.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

using namespace nupel;
using namespace nupel::test;

Q_DECLARE_METATYPE(NoticeButtons)
Q_DECLARE_METATYPE(NoticeIcon)
Q_DECLARE_METATYPE(NoticeAnswer)

namespace {

// How the helper answers a message box.
enum class Press { Enter, Escape, Yes, No };

// What a message box showed while it was open.
struct Seen {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    bool modal = false;
    bool answered = false; // the press alone closed the box
};

// Opens a message box through the platform, notes what it shows and answers
// it with `press`; returns the platform's answer.
NoticeAnswer askAndAnswer(const QString &text, const QString &title, NoticeButtons buttons, NoticeIcon icon,
                          Press press, Seen &seen)
{
    whenModalOpens([&](QWidget *window) {
        auto *box = qobject_cast<QMessageBox *>(window);
        QVERIFY2(box, window->metaObject()->className());
        seen.text = box->text();
        seen.title = box->windowTitle();
        seen.icon = box->icon();
        seen.buttons = box->standardButtons();
        seen.modal = box->isModal();
        if (QPushButton *preset = box->defaultButton())
            seen.defaultButton = box->standardButton(preset);
        switch (press) {
        case Press::Enter: QTest::keyClick(box, Qt::Key_Return); break;
        case Press::Escape: QTest::keyClick(box, Qt::Key_Escape); break;
        case Press::Yes: box->button(QMessageBox::Yes)->click(); break;
        case Press::No: box->button(QMessageBox::No)->click(); break;
        }
        seen.answered = !box->isVisible();
        if (!seen.answered)
            closeModalWindows();
    });
    QtPlatform platform;
    return platform.messageBox(text, title, buttons, icon);
}

} // namespace

class QtPlatformTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void noticeShowsTextTitleIconAndOneOk_data();
    void noticeShowsTextTitleIconAndOneOk();
    void questionAnswersWithTheButtonPressed_data();
    void questionAnswersWithTheButtonPressed();
    void fileDialogOffersSaveFilesAndGivesThePath();
    void cancelledFileDialogGivesNoPath();
};

void QtPlatformTest::cleanup()
{
    verifyCleanEnd();
}

void QtPlatformTest::noticeShowsTextTitleIconAndOneOk_data()
{
    QTest::addColumn<NoticeIcon>("icon");
    QTest::addColumn<int>("shown");
    QTest::newRow("no icon") << NoticeIcon::None << int(QMessageBox::NoIcon);
    QTest::newRow("exclamation") << NoticeIcon::Exclamation << int(QMessageBox::Warning);
    QTest::newRow("question") << NoticeIcon::Question << int(QMessageBox::Question);
}

// A notice the player cannot close with Enter, or that shows the wrong icon,
// is not the notice the game describes.
void QtPlatformTest::noticeShowsTextTitleIconAndOneOk()
{
    QFETCH(NoticeIcon, icon);
    QFETCH(int, shown);
    Seen seen;
    const NoticeAnswer answer = askAndAnswer(QStringLiteral("卵が3個産まれました"), QStringLiteral("産卵!!"),
                                             NoticeButtons::Ok, icon, Press::Enter, seen);
    QCOMPARE(answer, NoticeAnswer::Ok);
    QCOMPARE(seen.text, QStringLiteral("卵が3個産まれました"));
    QCOMPARE(seen.title, QStringLiteral("産卵!!"));
    QCOMPARE(int(seen.icon), shown);
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(seen.modal);
    QVERIFY(seen.answered);
}

void QtPlatformTest::questionAnswersWithTheButtonPressed_data()
{
    QTest::addColumn<int>("press");
    QTest::addColumn<NoticeAnswer>("answer");
    QTest::newRow("Yes") << int(Press::Yes) << NoticeAnswer::Yes;
    QTest::newRow("No") << int(Press::No) << NoticeAnswer::No;
    QTest::newRow("Enter takes the default, Yes") << int(Press::Enter) << NoticeAnswer::Yes;
    QTest::newRow("Escape is No") << int(Press::Escape) << NoticeAnswer::No;
}

// The score question: the answer must be the button the player pressed.
void QtPlatformTest::questionAnswersWithTheButtonPressed()
{
    QFETCH(int, press);
    QFETCH(NoticeAnswer, answer);
    Seen seen;
    const NoticeAnswer given =
        askAndAnswer(QStringLiteral("スコアファイルを作成しますか？"), QStringLiteral("スコアファイルの作成"),
                     NoticeButtons::YesNo, NoticeIcon::Question, Press(press), seen);
    QCOMPARE(given, answer);
    QCOMPARE(seen.text, QStringLiteral("スコアファイルを作成しますか？"));
    QCOMPARE(seen.title, QStringLiteral("スコアファイルの作成"));
    QCOMPARE(int(seen.icon), int(QMessageBox::Question));
    QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No));
    QCOMPARE(seen.defaultButton, QMessageBox::Yes);
    QVERIFY(seen.modal);
    QVERIFY(seen.answered);
}

void QtPlatformTest::fileDialogOffersSaveFilesAndGivesThePath()
{
    QTemporaryDir folder;
    QVERIFY(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("loadme.npw"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    const QString workingFolder = QDir::currentPath();

    QString title;
    QStringList filters;
    QFileDialog::FileMode mode = QFileDialog::AnyFile;
    bool ownDialog = false;
    whenModalOpens([&](QWidget *window) {
        auto *dialog = qobject_cast<QFileDialog *>(window);
        QVERIFY2(dialog, window->metaObject()->className());
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        mode = dialog->fileMode();
        ownDialog = dialog->testOption(QFileDialog::DontUseNativeDialog);
        dialog->selectFile(path);
        static_cast<QDialog *>(dialog)->accept(); // the dialog's Open
    });
    QtPlatform platform;
    const QString chosen = platform.openFileDialog(QStringLiteral("セーブデータを開く"),
                                                   QStringLiteral("NupelW Save Data"), QStringLiteral("*.npw"));
    QCOMPARE(title, QStringLiteral("セーブデータを開く"));
    QCOMPARE(filters, QStringList{QStringLiteral("NupelW Save Data (*.npw)")});
    QCOMPARE(mode, QFileDialog::ExistingFile);
    // A desktop theme's dialog would run a loop the game's own does not
    // drive: the game would stop answering the desktop while it is open.
    QVERIFY(ownDialog);
    QCOMPARE(QFileInfo(chosen).canonicalFilePath(), QFileInfo(path).canonicalFilePath());
    // Browsing elsewhere does not move the game's folder.
    QCOMPARE(QDir::currentPath(), workingFolder);
}

void QtPlatformTest::cancelledFileDialogGivesNoPath()
{
    bool opened = false;
    whenModalOpens([&](QWidget *window) {
        opened = qobject_cast<QFileDialog *>(window) != nullptr;
        QTest::keyClick(window, Qt::Key_Escape);
    });
    QtPlatform platform;
    const QString chosen = platform.openFileDialog(QStringLiteral("セーブデータを開く"),
                                                   QStringLiteral("NupelW Save Data"), QStringLiteral("*.npw"));
    QVERIFY(opened);
    QVERIFY(chosen.isEmpty());
}

QTEST_MAIN(QtPlatformTest)
#include "test_qt_platform.moc"
