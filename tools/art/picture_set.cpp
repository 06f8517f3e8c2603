#include "tools/art/picture_set.h"

#include "tools/art/race_pictures.h"

namespace art {

std::vector<NamedPicture> renderRacePictures(const ArtSource& source)
{
    std::vector<NamedPicture> pictures;
    for (int s = 0; s < kSurfaceCount; ++s) {
        const QString surface = s == kTurf ? QStringLiteral("turf") : QStringLiteral("dirt");
        pictures.push_back({"baba_" + surface + ".png", renderBaba(source, s)});
        pictures.push_back({"saku_" + surface + ".png", renderSaku(source, s)});
        pictures.push_back({"goal_" + surface + ".png", renderGoal(source, s)});
        pictures.push_back({"uma_all_" + surface + ".png", renderUmaAll(source, s)});
    }
    return pictures;
}

}  // namespace art
