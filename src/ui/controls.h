#pragma once

#include <QElapsedTimer>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QSet>

#include <functional>
#include <optional>

namespace nupel {

// A label placed at its design size that grows to the right and downwards when
// its text needs more room, and reports the mouse the way the game's handlers
// expect it: click, double-click, and release with button and modifier codes.
// A double-click is one click, then one double-click, and a release for each.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    CaptionLabel(const QString &text, const QRect &geometry, QWidget *parent);

    void setCaption(const QString &text);

    // Mouse button codes: 1 left, 2 right, 4 middle.
    static int buttonCode(Qt::MouseButton button);
    // Modifier codes: 1 Shift, 2 Ctrl, 4 Alt, added together.
    static int shiftCode(Qt::KeyboardModifiers modifiers);

signals:
    void clicked();
    void doubleClicked();
    void mouseReleased(int button, int shift, float x, float y);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void fitText();

    QSize m_designSize;
    bool m_pressed = false;
};

// A picture box with a sunken border; its picture is drawn at the top left of
// the inner area. Child controls are placed relative to that inner area.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(const QRect &geometry, QWidget *parent);

    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    QPoint innerOrigin() const { return contentsRect().topLeft(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
};

// The time by which moving pictures are drawn: milliseconds from a fixed
// start, and a call once some milliseconds have passed.
class FrameClock {
public:
    virtual ~FrameClock() = default;
    virtual qint64 now() const = 0;
    // Calls `call` after `ms` milliseconds, unless `context` is gone by then.
    virtual void callAfter(int ms, QObject *context, std::function<void()> call) = 0;
};

// The desktop's steady clock and its timers.
class SystemFrameClock final : public FrameClock {
public:
    SystemFrameClock() { m_started.start(); }
    qint64 now() const override { return m_started.elapsed(); }
    void callAfter(int ms, QObject *context, std::function<void()> call) override;

private:
    QElapsedTimer m_started;
};

// Draws a moving picture at most once per screen frame: a move right after a
// drawing waits for the frame's end, and the drawing then shows the latest.
class FrameThrottle {
public:
    // The shortest time between two drawings: one screen frame.
    static constexpr qint64 frameMs = 16;

    FrameThrottle(QObject *context, std::function<void()> draw, FrameClock &clock);

    // From now on goes by `clock`; the next move is drawn at once.
    void setClock(FrameClock &clock);

    // The picture has moved: draws it now or at the end of the frame.
    void moved();

private:
    void drawNow();

    QObject *m_context;
    std::function<void()> m_draw;
    FrameClock *m_clock;
    std::optional<qint64> m_drawnAt;
    bool m_waiting = false;
};

// The search path under which the program names its picture folder.
inline const QString pictureSearchPrefix = QStringLiteral("pictures");

// Pictures read by bare file name from the picture folder, or from the working
// directory when none is named, each decoded once. A file that cannot be read
// gives a null pixmap and one warning.
class PictureFiles {
public:
    QPixmap load(const QString &fileName);

private:
    QHash<QString, QPixmap> m_loaded;
    QSet<QString> m_failed;
};

} // namespace nupel
