#pragma once

#include "core/main_view.h"

#include <QMap>
#include <QPair>
#include <QStringList>

namespace nupel::test {

// A main window without a window: remembers every caption and picture.
class RecordingView final : public MainView {
public:
    void setCaption(MainLabel label, const QString &text) override
    {
        captions[label] = text;
        log.append(QStringLiteral("caption %1 %2").arg(static_cast<int>(label)).arg(text));
    }
    void loadPicture(MainImage image, const QString &fileName) override
    {
        pictures[image] = fileName;
        log.append(QStringLiteral("picture %1 %2").arg(static_cast<int>(image)).arg(fileName));
    }
    void showRoomPicture(int number) override
    {
        roomPicture = number;
        log.append(QStringLiteral("room %1").arg(number));
    }
    QPoint petPosition() const override { return position; }
    void movePet(QPoint twips) override { position = twips; }
    void showWindow() override
    {
        visible = true;
        log.append(QStringLiteral("show"));
    }
    void hideWindow() override
    {
        visible = false;
        log.append(QStringLiteral("hide"));
    }
    void openDeathScreen() override
    {
        ++deathScreens;
        log.append(QStringLiteral("death screen"));
    }

    QMap<MainLabel, QString> captions;
    QMap<MainImage, QString> pictures;
    QStringList log;
    int roomPicture = 0;
    QPoint position{120, 2760};
    bool visible = false;
    int deathScreens = 0;
};

} // namespace nupel::test
