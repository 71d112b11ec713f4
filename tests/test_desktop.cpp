// The game's window icon: the sizes a task bar draws from a window's own icon
// at the screen's scale, and none of the launcher sizes that would be decoded,
// kept and sent to the X server with every window for nothing.

#include "ui/desktop.h"

#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>

using namespace nupel;

class DesktopTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void windowIconHoldsTheSizesTheScreenDraws_data();
    void windowIconHoldsTheSizesTheScreenDraws();
    void noThemeGivesNoIcon();

private:
    QTemporaryDir m_theme;
};

void DesktopTest::initTestCase()
{
    QVERIFY(m_theme.isValid());
    // A theme tree as the build draws it, and a folder that names no size.
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        QVERIFY(QDir(m_theme.path()).mkpath(folder));
        QImage image(size, size, QImage::Format_ARGB32);
        image.fill(Qt::darkCyan);
        QVERIFY(image.save(m_theme.filePath(folder + QStringLiteral("/" NUPEL_APP_ID ".png"))));
    }
    QVERIFY(QDir(m_theme.path()).mkpath(QStringLiteral("scalable/apps")));
}

void DesktopTest::windowIconHoldsTheSizesTheScreenDraws_data()
{
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QList<int>>("sizes");
    const QList<int> upTo64{16, 24, 32, 48, 64};
    QTest::newRow("no scale") << qreal(1) << upTo64;
    QTest::newRow("below 1 counts as 1") << qreal(0.5) << upTo64;
    QTest::newRow("1.5: nothing between 64 and 96") << qreal(1.5) << upTo64;
    QTest::newRow("2") << qreal(2) << QList<int>{16, 24, 32, 48, 64, 128};
    QTest::newRow("4") << qreal(4) << QList<int>{16, 24, 32, 48, 64, 128, 256};
}

void DesktopTest::windowIconHoldsTheSizesTheScreenDraws()
{
    QFETCH(qreal, scale);
    QFETCH(QList<int>, sizes);
    const QIcon icon = windowIconFrom(QDir(m_theme.path()), scale);
    QList<int> held;
    for (const QSize &size : icon.availableSizes()) {
        QCOMPARE(size.width(), size.height());
        held.append(size.width());
    }
    std::sort(held.begin(), held.end());
    QCOMPARE(held, sizes);
}

void DesktopTest::noThemeGivesNoIcon()
{
    QVERIFY(windowIconFrom(QDir(m_theme.filePath(QStringLiteral("missing"))), 1).isNull());
}

QTEST_MAIN(DesktopTest)
#include "test_desktop.moc"
