// nupel-art draws every picture the game loads at each of its scales and
// writes them into two directories: the pictures that lie beside the program,
// and those compiled into it. Or it draws a contact sheet of them for review,
// or the application icon at every size the desktop asks for.

#include "app_icon.h"
#include "catalog.h"
#include "sheet.h"

#include <QDir>
#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>

namespace {

QTextStream &err()
{
    static QTextStream stream(stderr);
    return stream;
}

int usage()
{
    err() << "usage: nupel-art BESIDE_DIR INSIDE_DIR\n"
             "       nupel-art --sheet OUT.png [PICTURE...]\n"
             "       nupel-art --app-icon THEME_DIR NAME\n";
    return 2;
}

// The build declares the files it expects; drawing a different set would
// leave the build with stale or missing pictures, so stop early instead.
QString catalogueMismatch(art::PicturePlace place, const char *names)
{
    QStringList expected = QString::fromLatin1(names).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QStringList drawn;
    for (const art::Picture &picture : art::catalog()) {
        if (picture.place == place)
            drawn << picture.fileName;
    }
    expected.sort();
    drawn.sort();
    if (expected == drawn)
        return {};
    return QStringLiteral("the build expects [%1] but the tool draws [%2]")
        .arg(expected.join(QLatin1Char(' ')), drawn.join(QLatin1Char(' ')));
}

int writeAll(const QString &besideDirectory, const QString &insideDirectory)
{
    for (const QString &directory : {besideDirectory, insideDirectory}) {
        if (!QDir().mkpath(directory)) {
            err() << "nupel-art: cannot create directory " << directory << '\n';
            return 1;
        }
    }
    int failures = 0;
    for (const art::Picture &picture : art::catalog()) {
        const QString &directory = picture.place == art::PicturePlace::Beside ? besideDirectory : insideDirectory;
        const QString problem = art::writePicture(picture, directory);
        if (!problem.isEmpty()) {
            err() << "nupel-art: " << problem << '\n';
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    // Drawing needs fonts but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    for (const QString &mismatch : {catalogueMismatch(art::PicturePlace::Beside, NUPEL_BESIDE_PICTURES),
                                    catalogueMismatch(art::PicturePlace::Inside, NUPEL_INSIDE_PICTURES)}) {
        if (!mismatch.isEmpty()) {
            err() << "nupel-art: " << mismatch << '\n';
            return 1;
        }
    }

    const QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args.first() == QLatin1String("--sheet")) {
        const QString problem = art::writeContactSheet(args.at(1), args.mid(2));
        if (!problem.isEmpty()) {
            err() << "nupel-art: " << problem << '\n';
            return 1;
        }
        return 0;
    }
    if (args.size() == 3 && args.first() == QLatin1String("--app-icon")) {
        const QString problem = art::writeAppIcons(args.at(1), args.at(2));
        if (!problem.isEmpty()) {
            err() << "nupel-art: " << problem << '\n';
            return 1;
        }
        return 0;
    }
    if (args.size() == 2 && !args.first().startsWith(QLatin1String("--")))
        return writeAll(args.at(0), args.at(1));
    return usage();
}
