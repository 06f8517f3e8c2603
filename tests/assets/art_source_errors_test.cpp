// A broken art source must stop the renderer instead of writing a wrong picture.

#include "tools/art/art_error.h"
#include "tools/art/palette.h"
#include "tools/art/pixel_map.h"

#include <gtest/gtest.h>

#include <functional>

TEST(ArtSourceErrors, BrokenSourcesAreRefused)
{
    const art::TextBlock twoByTwo{"tile", {"ab", "ba"}};
    const art::Palette ab = art::parsePalette({"p", {"a 1 2 3", "b 4 5 6  # note"}});
    QImage target(2, 2, QImage::Format_RGB888);
    const struct {
        const char* fault;
        std::function<void()> run;
    } cases[] = {
        {"map too short", [&] { art::parseMap(twoByTwo, 2, 3); }},
        {"row too long", [&] { art::parseMap(twoByTwo, 1, 2); }},
        {"colour out of range", [] { art::parsePalette({"p", {"a 1 2 256"}}); }},
        {"colour missing a channel", [] { art::parsePalette({"p", {"a 1 2"}}); }},
        {"letter defined twice", [] { art::parsePalette({"p", {"a 1 2 3", "a 3 2 1"}}); }},
        {"palettes overlap", [&] { art::mergePalettes(ab, art::parsePalette({"q", {"b 0 0 0"}})); }},
        {"letter without colour", [&] { art::paintMap(art::parseMap({"t", {"ac", "ab"}}, 2, 2), ab, target, {0, 0}); }},
        {"overlay of another size", [&] { art::overlay(art::parseMap(twoByTwo, 2, 2), art::parseMap({"o", {"-"}}, 1, 1)); }},
    };
    for (const auto& c : cases)
        EXPECT_THROW(c.run(), art::ArtError) << c.fault;
}

TEST(ArtSourceErrors, OverlayKeepsTheBaseWhereSeeThrough)
{
    const art::PixelMap base = art::parseMap({"b", {"ab", "ba"}}, 2, 2);
    const art::PixelMap top = art::parseMap({"t", {"-c", "c-"}}, 2, 2);
    EXPECT_EQ(art::overlay(base, top).rows, (std::vector<std::string>{"ac", "ca"}));
}
