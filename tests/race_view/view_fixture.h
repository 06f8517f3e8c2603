#pragma once
// A clean race drawn on the picture view, and pixel comparisons that name the first
// pixel that differs.

#include "race/picture_store.h"
#include "race/race_picture_view.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QRect>

namespace kestrova::test {

// The w x h block of actual at `at` holds exactly the pixels of `from` in expected.
::testing::AssertionResult SamePixels(const QImage& actual, QPoint at, const QImage& expected, QRect from);

// Every pixel of the rectangle of image has the colour.
::testing::AssertionResult AllPixels(const QImage& image, QRect rect, QRgb colour);

class RaceViewTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Prepares a race on the surface with the gates wearing these coats.
    void Prepare(int16_t dirt, const PerGate<int16_t>& coats = {0, 1, 2, 3, 4, 5, 6, 7});
    QRgb TrackColour() const;

    RacePictureView view;
    const FrmPicture& store = frmPicture();
    int16_t dirt = 0;
};

}  // namespace kestrova::test
