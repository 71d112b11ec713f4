#pragma once

#include <QString>

class QWidget;

namespace nupel {

// Gives screen readers the roles the game's controls play: the main window is
// a window named by its caption, a picture box is an image. Call once, after
// the application object exists.
void installAccessibleRoles();

// Sets what a screen reader reads for a control, telling it only of a change.
void setSpokenName(QWidget *widget, const QString &name);
void setSpokenDescription(QWidget *widget, const QString &description);

// How a face icon reads aloud, from best to worst: "とても良い", "良い",
// "悪い", "とても悪い"; empty for a file that is not a face.
QString faceCondition(const QString &faceFile);

} // namespace nupel
