// Whether the game runs: the start of play, the pause button and the quit
// dialog's stop, which the main window's handlers only follow.

#include "play/running.h"
#include "support/recording_view.h"

#include <QtTest>

using namespace nupel;
using namespace nupel::test;

class RunningTest : public QObject {
    Q_OBJECT
private slots:
    void startPlayWritesLabelsIconAndRoom();
    void pauseTogglesOnlyARunningOrPausedGame_data();
    void pauseTogglesOnlyARunningOrPausedGame();
    void quitDialogStopsTheGameUntilCancelled();
};

void RunningTest::startPlayWritesLabelsIconAndRoom()
{
    PetState state;
    state.setNewGameValues();
    state.petName = QStringLiteral("もも");
    state.petType = QStringLiteral("KaneQueen");
    state.generation = 3;
    state.money = 60000;
    state.walkCount = 7;
    RecordingView view;
    startPlay(state, view);
    QCOMPARE(view.captions.value(MainLabel::Label1), QStringLiteral("もも"));
    QCOMPARE(view.captions.value(MainLabel::Label3), QStringLiteral("KaneQueen"));
    QCOMPARE(view.captions.value(MainLabel::Label7), QStringLiteral("もも"));
    QCOMPARE(view.captions.value(MainLabel::Label5), QStringLiteral("3"));
    QCOMPARE(view.captions.value(MainLabel::Label14), QStringLiteral("60000円"));
    QVERIFY(!view.captions.contains(MainLabel::Label12));
    QVERIFY(!view.captions.contains(MainLabel::Label17));
    QCOMPARE(view.pictures.value(MainImage::Image1), QStringLiteral("nupkan.ico"));
    QCOMPARE(state.walkCount.value(), 0.0);
    QVERIFY(view.visible);
    QCOMPARE(view.log.first(), QStringLiteral("room 1"));
    QCOMPARE(view.log.last(), QStringLiteral("room 1"));
}

// A stored flag other than 0 or 1 must not be turned into either: the
// button then does nothing at all.
void RunningTest::pauseTogglesOnlyARunningOrPausedGame_data()
{
    QTest::addColumn<std::optional<double>>("before");
    QTest::addColumn<PauseChange>("change");
    QTest::addColumn<double>("after");
    QTest::newRow("new game, flag empty") << std::optional<double>() << PauseChange::Paused << 1.0;
    QTest::newRow("running") << std::optional<double>(0) << PauseChange::Paused << 1.0;
    QTest::newRow("paused") << std::optional<double>(1) << PauseChange::Resumed << 0.0;
    QTest::newRow("2 from a save") << std::optional<double>(2) << PauseChange::Unchanged << 2.0;
    QTest::newRow("-1 from a save") << std::optional<double>(-1) << PauseChange::Unchanged << -1.0;
}

void RunningTest::pauseTogglesOnlyARunningOrPausedGame()
{
    QFETCH(std::optional<double>, before);
    QFETCH(PauseChange, change);
    QFETCH(double, after);
    PetState state;
    if (before)
        state.suspended = *before;
    QCOMPARE(togglePause(state), change);
    QCOMPARE(state.suspended.value(), after);
}

void RunningTest::quitDialogStopsTheGameUntilCancelled()
{
    PetState state;
    state.suspended = 0;
    suspendForQuit(state);
    QCOMPARE(state.suspended.value(), 1.0);
    resumeAfterQuit(state);
    QCOMPARE(state.suspended.value(), 0.0);
}

QTEST_APPLESS_MAIN(RunningTest)
#include "test_running.moc"
