// Renders the game's pictures from the art sources:
//   kestrova-art <source folder> <picture folder> <font file> [<preview folder>]

#include "tools/art/art_error.h"
#include "tools/art/art_source.h"
#include "tools/art/picture_set.h"
#include "tools/art/placeholder_picture.h"
#include "tools/art/previews.h"

#include <QGuiApplication>

#include <iostream>

namespace {

void writePicture(const QImage& picture, const QString& path)
{
    if (!picture.save(path, "PNG"))
        throw art::ArtError("cannot write " + path.toStdString());
}

void renderAll(const QStringList& args)
{
    const art::ArtSource source = art::loadArtSource(args[1].toStdString());
    const QString output = args[2];
    for (const art::NamedPicture& named : art::renderRacePictures(source))
        writePicture(named.picture, output + "/" + named.fileName);
    writePicture(art::renderPlaceholder(source.placeholderText, args[3]),
                 output + "/" + art::kPlaceholderFileName);
    if (args.size() > 4)
        art::writePreviews(source, args[4]);
}

}  // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4 || args.size() > 5) {
        std::cerr << "usage: kestrova-art <source folder> <picture folder> <font file> [<preview folder>]\n";
        return 2;
    }
    try {
        renderAll(args);
    } catch (const art::ArtError& error) {
        std::cerr << "kestrova-art: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
