// The button's pixel work without a screen: parsing gradient texts,
// painting and mixing the bands, the edges and the fade arithmetic.
#include <gtest/gtest.h>

#include "domain/Errors.h"
#include "skin/Background.h"
#include "skin/Edge.h"
#include "skin/Fade.h"
#include "skin/sStyleUtil.h"

using namespace trimel;
using namespace trimel::skin;

namespace {

const char* const kNormal = "255;0;99;0;0;0;0;0;0;0";
const char* const kHot =
    "16777215;255;6;0;0;255;0;47;0;0;0;255;28;0;0;255;13816530;18;0;0;13816530;13816530;0;0;0";
const TColor kSkyBlue = colorOf({166, 202, 240});
const TColor kHotColor = 13612943;

std::vector<TsGradientBand> parsed(const char* text) {
    std::vector<TsGradientBand> bands;
    parseGradient(text, bands);
    return bands;
}

Image24 painted(const char* text, int percent, TColor plain, int height = 25) {
    Image24 image(4, height);
    composeBackground(image, parsed(text), percent, plain);
    return image;
}

}  // namespace

TEST(GradientText, ParsesGroupsOfFiveIgnoringEmptyValuesAndLeftovers) {
    EXPECT_TRUE(parsed("").empty());
    EXPECT_EQ(parsed("1;2;3;4;5;6;7"), (std::vector<TsGradientBand>{{1, 2, 3, 0, 0}}));
    EXPECT_EQ(parsed(";1;;2;3;0;0;"), (std::vector<TsGradientBand>{{1, 2, 3, 0, 0}}));
    EXPECT_EQ(parsed("1;2;300;x;y").at(0).share, 300 % 256);  // the 4th and 5th are not read
    EXPECT_EQ(parsed(kHot).size(), 5u);
}

TEST(GradientText, BadValueKeepsTheBandsReadBeforeIt) {
    std::vector<TsGradientBand> bands;
    try {
        parseGradient("255;0;99;0;0;7;z;1;0;0;1;2;3;0;0", bands);
        FAIL() << "no error";
    } catch (const ConvertError& e) {
        EXPECT_STREQ(e.what(), "'z' is not a valid integer value");
    }
    ASSERT_EQ(bands.size(), 3u);
    EXPECT_EQ(bands[0], (TsGradientBand{255, 0, 99, 0, 0}));
    EXPECT_EQ(bands[1], (TsGradientBand{7, 0, 0, 0, 0}));  // read up to the bad value
    EXPECT_EQ(bands[2], TsGradientBand{});
}

TEST(GradientText, StyleReportsChangesOnlyForANewText) {
    int changes = 0;
    TsActiveBGStyle style([&] { ++changes; });
    TsBGGradient& g = style.Background.Gradient;
    g.setData(kNormal);
    g.setData(kNormal);
    EXPECT_EQ(changes, 1);
    EXPECT_THROW(g.setData("1;2;3;0;0;4;5;bad;0;0"), ConvertError);
    EXPECT_EQ(changes, 2);
    EXPECT_EQ(g.Items().size(), 2u);
    g.setData(std::string(300, ';'));
    EXPECT_EQ(g.Data().size(), TsBGGradient::kMaxData);
    g.setPercent(150);
    EXPECT_EQ(g.Percent(), 100);
    style.Painting.setColor(style.Painting.Color());  // a colour of its own, even the same one
    EXPECT_FALSE(style.Painting.ParentColor());
    EXPECT_EQ(changes, 5);
}

TEST(GradientPaint, NormalTextMixedWithSkyBlue) {
    Image24 raw(4, 25);
    paintGradient(raw, {0, 0, 4, 25}, parsed(kNormal));
    EXPECT_EQ(raw.pixel(0, 0), (Rgb{255, 0, 0}));
    EXPECT_EQ(raw.pixel(3, 12), (Rgb{128, 0, 0}));  // 127.5 rounds to even
    EXPECT_EQ(raw.pixel(0, 24), (Rgb{0, 0, 0}));

    const Image24 mixed = painted(kNormal, 70, kSkyBlue);
    EXPECT_EQ(mixed.pixel(0, 0), (Rgb{227, 61, 73}));
    EXPECT_EQ(mixed.pixel(0, 12), (Rgb{139, 61, 73}));
    EXPECT_EQ(mixed.pixel(0, 24), (Rgb{50, 61, 73}));
}

TEST(GradientPaint, HotTextBandEndsAndMix) {
    Image24 raw(4, 25);
    paintGradient(raw, {0, 0, 4, 25}, parsed(kHot));
    EXPECT_EQ(raw.pixel(0, 0), (Rgb{255, 255, 255}));
    for (int y : {1, 19}) EXPECT_EQ(raw.pixel(0, y), (Rgb{255, 0, 0})) << y;
    EXPECT_EQ(raw.pixel(0, 12), (Rgb{0, 0, 0}));
    for (int y : {23, 24}) EXPECT_EQ(raw.pixel(0, y), (Rgb{210, 210, 210})) << y;
    EXPECT_EQ(raw.pixel(0, 22), (Rgb{221, 158, 158}));  // 221.25 and 157.5, in 4 steps to 23

    const Image24 mixed = painted(kHot, 70, kHotColor);
    EXPECT_EQ(mixed.pixel(0, 0), (Rgb{220, 233, 240}));
    EXPECT_EQ(mixed.pixel(0, 12), (Rgb{43, 55, 63}));
    EXPECT_EQ(mixed.pixel(0, 24), (Rgb{189, 201, 209}));
}

TEST(GradientPaint, PlainColourWithoutBandsOrPercent) {
    const Rgb sky{166, 202, 240};
    EXPECT_EQ(painted("", 70, kSkyBlue).pixel(1, 5), sky);
    EXPECT_EQ(painted(kNormal, 0, kSkyBlue).pixel(1, 5), sky);
    EXPECT_EQ(painted(kNormal, 100, kSkyBlue).pixel(1, 0), (Rgb{255, 0, 0}));
    // Shares beyond the height and a last band past the bottom stay inside.
    EXPECT_EQ(painted("255;0;250;0;0;0;255;250;0;0", 100, 0, 3).pixel(0, 2), (Rgb{0, 0, 0}));
}

TEST(Edge, StripsBlendTowardTheirTonesAndMeetOnTheDiagonals) {
    const auto edged = [](TsControlBevel kind, int width, bool soft) {
        Image24 image(10, 8);
        image.fill({100, 100, 100});
        drawEdge(image, kind, width, soft);
        return image;
    };
    const auto grey = [](int v) {
        return Rgb{static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v),
                   static_cast<std::uint8_t>(v)};
    };
    const Image24 raised = edged(TsControlBevel::cbRaisedSoft, 2, true);
    EXPECT_EQ(raised.pixel(0, 4), grey(240));
    EXPECT_EQ(raised.pixel(1, 4), grey(170));
    EXPECT_EQ(raised.pixel(4, 0), grey(255));
    EXPECT_EQ(raised.pixel(4, 1), grey(177));
    EXPECT_EQ(raised.pixel(9, 4), grey(25));
    EXPECT_EQ(raised.pixel(8, 4), grey(62));  // -37.5 rounds down
    EXPECT_EQ(raised.pixel(4, 7), grey(0));
    EXPECT_EQ(raised.pixel(4, 6), grey(50));
    EXPECT_EQ(raised.pixel(4, 4), grey(100));
    EXPECT_EQ(raised.pixel(0, 0), grey(255));  // corners: top over left,
    EXPECT_EQ(raised.pixel(9, 0), grey(25));   // right over top,
    EXPECT_EQ(raised.pixel(0, 7), grey(0));    // bottom over left
    EXPECT_EQ(raised.pixel(2, 1), grey(177));  // off the diagonal: the nearer side

    const Image24 lowered = edged(TsControlBevel::cbLoweredSoft, 2, true);
    EXPECT_EQ(lowered.pixel(0, 4), grey(25));
    EXPECT_EQ(lowered.pixel(4, 0), grey(0));
    EXPECT_EQ(lowered.pixel(4, 7), grey(255));

    for (const Image24& half : {edged(TsControlBevel::cbRaisedHard, 2, true),
                                edged(TsControlBevel::cbRaisedSoft, 2, false)}) {
        EXPECT_EQ(half.pixel(0, 4), grey(170));
        EXPECT_EQ(half.pixel(1, 4), grey(170));
    }
    const Image24 frame = edged(TsControlBevel::cbRaisedHard, 1, true);
    EXPECT_EQ(frame.pixel(0, 4), grey(240));
    EXPECT_EQ(frame.pixel(1, 4), grey(100));
    EXPECT_EQ(edged(TsControlBevel::cbNone, 2, true).pixel(0, 4), grey(100));
}

TEST(Edge, SmallControlsGetNarrowerStripsOrNone) {
    EXPECT_EQ(edgeWidth(5, 121, 25), 5);
    EXPECT_EQ(edgeWidth(5, 121, 9), 3);
    EXPECT_EQ(edgeWidth(5, 7, 25), 2);
    EXPECT_EQ(edgeWidth(5, 121, 5), 0);
    EXPECT_EQ(edgeWidth(1, 1, 1), 1);
    EXPECT_EQ(edgeWidth(0, 121, 25), 0);
    EXPECT_EQ(pressedBevel(TsControlBevel::cbRaisedHard), TsControlBevel::cbLoweredHard);
}

TEST(Fade, WeightsAndFrames) {
    std::vector<int> in, out;
    for (int step = 1; step <= 7; ++step) in.push_back(fadeWeight(step, 7));
    for (int step = 7; step >= 0; --step) out.push_back(fadeWeight(step, 7));
    EXPECT_EQ(in, (std::vector<int>{219, 183, 146, 110, 73, 37, 0}));
    EXPECT_EQ(out, (std::vector<int>{0, 37, 73, 110, 146, 183, 219, 255}));

    Image24 a(1, 1), b(1, 1), frame;
    a.fill({139, 61, 73});
    b.fill({43, 55, 63});
    fadeFrame(a, b, 146, frame);
    EXPECT_EQ(frame.pixel(0, 0), (Rgb{98, 58, 69}));
    fadeFrame(a, b, 0, frame);
    EXPECT_EQ(frame.pixel(0, 0), (Rgb{43, 55, 63}));
}
