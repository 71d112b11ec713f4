// The test harness itself: a check that fails inside a modal dialog ends the
// test at once and closes the dialog, instead of leaving the suite waiting for
// a click that never comes. The failing case runs in a child process, so that
// its failure is looked at rather than counted.

#include "support/modal.h"

#include <QDialog>
#include <QProcess>
#include <QtTest>

namespace {

const char *const childSwitch = "NUPEL_DELIBERATE_FAILURE";

} // namespace

using namespace nupel::test;

class ModalGuardTest : public QObject {
    Q_OBJECT
private slots:
    void failedCheckInsideADialogEndsTheTest();
    void deliberateFailureInsideADialog();
};

void ModalGuardTest::failedCheckInsideADialogEndsTheTest()
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QLatin1String(childSwitch), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("deliberateFailureInsideADialog")});
    QVERIFY(child.waitForStarted());
    // A bound only, far beyond what the child needs: without the guard the
    // child would wait for its dialog until QtTest's own watchdog.
    if (!child.waitForFinished(60000)) {
        child.kill();
        child.waitForFinished();
        QFAIL("the dialog stayed open after the failed check");
    }
    const QString output = QString::fromUtf8(child.readAll());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QVERIFY2(child.exitCode() == 1, qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("FAIL!  : ModalGuardTest::deliberateFailureInsideADialog()")),
             qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("deliberate failure")), qPrintable(output));
    QVERIFY2(output.contains(QStringLiteral("exec returned, the dialog closed")), qPrintable(output));
}

void ModalGuardTest::deliberateFailureInsideADialog()
{
    if (!qEnvironmentVariableIsSet(childSwitch))
        QSKIP("fails on purpose; run by failedCheckInsideADialogEndsTheTest");
    QDialog dialog;
    whenModalOpens([](QWidget *) { QFAIL("deliberate failure"); });
    dialog.exec();
    qInfo("exec returned, the dialog %s", dialog.isVisible() ? "still open" : "closed");
}

QTEST_MAIN(ModalGuardTest)
#include "test_modal_guard.moc"
