#pragma once

#include <QPoint>
#include <QString>

namespace nupel {

// Main-window controls whose captions the rules write.
enum class MainLabel { Label1, Label3, Label5, Label7, Label12, Label14, Label17, Label18 };

// Main-window pictures the rules load: the pet and the three face icons.
enum class MainImage { Image1, Image2, Image3, Image4 };

// What the rules may do to the main window. The window implements it; tests
// record the calls.
class MainView {
public:
    virtual ~MainView() = default;

    virtual void setCaption(MainLabel label, const QString &text) = 0;
    // Loads a picture file from the working directory; a file that cannot be
    // read leaves the picture as it was.
    virtual void loadPicture(MainImage image, const QString &fileName) = 0;
    // Shows room picture 1, 2 or 3 in the room.
    virtual void showRoomPicture(int number) = 0;

    // Left and top of the pet picture inside the room, in twips.
    virtual QPoint petPosition() const = 0;
    virtual void movePet(QPoint twips) = 0;

    virtual void showWindow() = 0;
    virtual void hideWindow() = 0;
    // Loads the death screen, which reads the dead pet from the pet state.
    virtual void openDeathScreen() = 0;
};

} // namespace nupel
