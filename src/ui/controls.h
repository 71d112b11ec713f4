#pragma once

#include <QDialog>
#include <QElapsedTimer>
#include <QFrame>
#include <QHash>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSet>

#include <array>
#include <functional>
#include <memory>
#include <optional>

namespace nupel {

// Captions that stand in two places: each care button of the main window
// names the dialog it opens, and the pause button goes back to its first
// caption.
inline const QString feedCaption = QStringLiteral("餌を与える");
inline const QString doctorCaption = QStringLiteral("医者に診せる");
inline const QString cleanCaption = QStringLiteral("掃除する");
inline const QString sellEggsCaption = QStringLiteral("卵を売る");
inline const QString pauseCaption = QStringLiteral("小休止");

// What Escape does in a dialog: the same as its frame's close box, or
// nothing, where only a button may answer.
enum class EscapeKey { Closes, Ignored };

// A dialog of the game: its object name, caption, fixed client size and font.
class GameDialog : public QDialog {
    Q_OBJECT
protected:
    GameDialog(const char *name, const QString &caption, QSize size, const QFont &font, EscapeKey escape,
               QWidget *parent);
    void keyPressEvent(QKeyEvent *event) override;

private:
    EscapeKey m_escape;
};

// A push button with the game's name for it, at `geometry` in pixels.
QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry);

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
    void paintEvent(QPaintEvent *event) override;

private:
    void fitText();

    QSize m_designSize;
    bool m_pressed = false;
};

// A caption label with the game's name for it, at `geometry` in pixels.
CaptionLabel *makeCaptionLabel(QWidget *parent, const char *name, const QString &caption, const QRect &geometry);

// One of the game's pictures at each scale it is drawn at: 1×, 2× and 3×. An
// icon file holds every scale; a bitmap "name.bmp" has "name@2x.bmp" and
// "name@3x.bmp" beside it. Copies share what has been read.
class ScaledPicture {
public:
    ScaledPicture() = default;

    bool isNull() const { return !m_scales; }
    // The drawing for a screen of this device pixel ratio, at the next scale
    // up (1.5 takes 2×), marked with its scale so that it covers the same
    // logical pixels as the 1× picture. A scale that cannot be read gives the
    // largest smaller one.
    QPixmap forRatio(qreal devicePixelRatio) const;
    // The scale drawn for a screen of this device pixel ratio.
    static int scaleFor(qreal devicePixelRatio);

    friend bool operator==(const ScaledPicture &a, const ScaledPicture &b) { return a.m_scales == b.m_scales; }

private:
    friend class PictureFiles;
    struct Scales {
        QString fileName;
        std::array<QPixmap, 3> pixmaps;
        std::array<bool, 3> read{};
    };
    std::shared_ptr<Scales> m_scales;
};

// Shows a picture in a label at the scale of the label's screen, and again
// at another scale whenever the label is drawn on a screen of another ratio.
// Showing the picture already shown changes nothing, not even a repaint.
void showPicture(QLabel *label, const ScaledPicture &picture);

// A picture box with a sunken border; its picture is drawn at the top left of
// the inner area. Child controls are placed relative to that inner area.
class PictureBox : public QFrame {
    Q_OBJECT
public:
    PictureBox(const QRect &geometry, QWidget *parent);

    void setPicture(const ScaledPicture &picture);
    // The picture as drawn on the box's screen now.
    QPixmap picture() const;
    QPoint innerOrigin() const { return contentsRect().topLeft(); }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    ScaledPicture m_picture;
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

// Pictures read by file name, each decoded once: by bare name from the
// picture folder (or the working directory when none is named), or from inside
// the program by a ":/pictures/" name. A file that cannot be read gives a null
// picture and one warning.
class PictureFiles {
public:
    ScaledPicture load(const QString &fileName);

private:
    QHash<QString, ScaledPicture> m_loaded;
    QSet<QString> m_failed;
};

} // namespace nupel
