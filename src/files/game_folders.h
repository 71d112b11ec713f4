#pragma once

#include <QString>

namespace nupel {

// Where one run of the game reads its pictures and keeps its files.
struct GameFolders {
    // Save, score and name probe files live here; the load dialog opens here.
    QString working;
    // The folder the game's pictures are read from.
    QString pictures;
    // False when the working folder could not be created or written to.
    bool usable = true;
    // For an unusable working folder: the notice naming it and the reason.
    QString notice;
};

// Where an installed game's pictures lie, found from its program folder so that
// the whole installation may be moved.
QString installedPictureFolder(const QString &programFolder);

// Portable use: a program folder that holds the pictures and takes new files
// keeps everything, as it always has. Otherwise the game is installed: its
// files go to `dataFolder`, created when missing, and its pictures are read
// from the program folder or, failing that, from installedPictureFolder().
GameFolders chooseGameFolders(const QString &programFolder, const QString &dataFolder);

// 0 when a new file can be made in `folder`, otherwise the errno that refused it.
int folderRefusesFiles(const QString &folder);

// Makes the working folder the working directory. An unusable one is stood in
// for by a folder that is removed at once, so that every file the game tries
// to make fails as it would there, root or not.
bool enterWorkingFolder(const GameFolders &folders);

} // namespace nupel
