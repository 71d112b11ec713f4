// The floor of the benchmark: a Qt Widgets window with one label that a
// 100 ms timer rewrites. No Qt program that changes its window ten times a
// second costs less. nupel-bench-floor

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(240, 80);
    QLabel label(QStringLiteral("0"), &window);
    label.setGeometry(16, 16, 208, 48);

    // The same kind of timer as the game's, so the two differ only in what
    // their events do.
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setInterval(100);
    int count = 0;
    QObject::connect(&timer, &QTimer::timeout, [&] { label.setText(QString::number(++count)); });
    timer.start();

    window.show();
    return app.exec();
}
