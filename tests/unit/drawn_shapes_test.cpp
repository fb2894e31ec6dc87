// Button-face painters: the exact drawing calls for borders, fills, focus marks and labels.
#include "ui/controls/portable/drawn_shapes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "recording_canvas.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const Rect kFace{0, 0, 40, 20};
constexpr Colour kGreen = MakeColour(0, 255, 0);

std::vector<std::string> Calls(DrawnObject& shape, unsigned state) {
    RecordingCanvas canvas;
    shape.Draw(canvas, kFace, state, kGreen);
    EXPECT_EQ(canvas.selectedPens, 0);
    return canvas.calls;
}

}  // namespace

TEST(DrawnRect, BorderRingsByDepth) {
    DrawnRect shape;
    RecordingCanvas none;
    shape.DrawBorder(none, kFace, 0);
    EXPECT_THAT(none.calls, IsEmpty());

    // One ring: plain white and grey, swapped when sunken.
    RecordingCanvas raised;
    shape.DrawBorder(raised, kFace, 1);
    EXPECT_THAT(raised.calls, ElementsAre("frame (0,0,40,20) 00FFFFFF 00808080"));
    RecordingCanvas sunken;
    shape.DrawBorder(sunken, kFace, -1);
    EXPECT_THAT(sunken.calls, ElementsAre("frame (0,0,40,20) 00808080 00FFFFFF"));

    // Several rings: palette-relative greys, light 255/223/213 and dark 127/85/63.
    RecordingCanvas deep;
    shape.DrawBorder(deep, kFace, 3);
    EXPECT_THAT(deep.calls, ElementsAre("frame (0,0,40,20) 02FFFFFF 027F7F7F",
                                        "frame (1,1,39,19) 02DFDFDF 02555555",
                                        "frame (2,2,38,18) 02D5D5D5 023F3F3F"));
    RecordingCanvas deepSunken;
    shape.DrawBorder(deepSunken, kFace, -2);
    EXPECT_THAT(deepSunken.calls, ElementsAre("frame (0,0,40,20) 027F7F7F 02FFFFFF",
                                              "frame (1,1,39,19) 02555555 02DFDFDF"));
}

TEST(DrawnRect, FaceWithFocusAndPressedLook) {
    DrawnRect shape;
    EXPECT_THAT(Calls(shape, 0),
                ElementsAre("fill (0,0,40,20) 0000FF00", "frame (0,0,40,20) 02FFFFFF 027F7F7F",
                            "frame (1,1,39,19) 02DFDFDF 02555555"));
    EXPECT_THAT(Calls(shape, kStateFocus | kStateSelected),
                ElementsAre("fill (0,0,40,20) 0000FF00", "frame (0,0,40,20) 02FFFFFF 027F7F7F",
                            "frame (1,1,39,19) 02DFDFDF 02555555",
                            "frame (0,0,40,20) 00808080 00FFFFFF", "focus (2,2,38,18)"));
    // Pressed but without the focus: drawn like an unselected face, for both shapes.
    EXPECT_EQ(Calls(shape, kStateSelected), Calls(shape, 0));
    DrawnEllipse ellipse;
    EXPECT_EQ(Calls(ellipse, kStateSelected), Calls(ellipse, 0));
    EXPECT_EQ(Calls(ellipse, kStateSelected | kStateDisabled), Calls(ellipse, kStateDisabled));
}

TEST(DrawnEllipse, FillPaintsShrinkingRingsAndNothingWhenEmpty) {
    DrawnEllipse shape;
    RecordingCanvas empty;
    shape.Fill(empty, Rect{5, 5, 5, 9}, kGreen);
    EXPECT_THAT(empty.Only("ellipse"), IsEmpty());
    EXPECT_EQ(empty.selectedPens, 0);

    RecordingCanvas tiny;
    shape.Fill(tiny, Rect{0, 0, 1, 1}, kGreen);
    EXPECT_THAT(tiny.calls, ElementsAre("pen solid 3 0000FF00", "ellipse (1,1,0,0)", "restore"));

    RecordingCanvas wide;
    shape.Fill(wide, Rect{0, 0, 10, 6}, kGreen);
    EXPECT_THAT(wide.Only("ellipse"),
                ElementsAre("ellipse (1,1,9,5)", "ellipse (2,2,8,4)", "ellipse (3,3,7,3)"));
}

TEST(DrawnEllipse, BorderDependsOnlyOnTheSignOfDepth) {
    DrawnEllipse shape;
    for (int depth : {0, 1, 2, 5}) {
        RecordingCanvas canvas;
        shape.DrawBorder(canvas, kFace, depth);
        EXPECT_THAT(canvas.calls,
                    ElementsAre("pen solid 2 00808080", "ellipse (0,0,40,20)", "restore"));
    }
    RecordingCanvas sunken;
    shape.DrawBorder(sunken, kFace, -3);
    EXPECT_THAT(sunken.calls,
                ElementsAre("pen solid 2 00010101", "ellipse (0,0,40,20)", "restore"));
}

TEST(DrawnEllipse, FocusedPressedFaceOrder) {
    DrawnEllipse shape;
    RecordingCanvas canvas;
    shape.Draw(canvas, Rect{0, 0, 12, 12}, kStateFocus | kStateSelected, kGreen);
    const std::vector<std::string> fill2 = {"pen solid 3 0000FF00", "ellipse (3,3,9,9)",
                                            "ellipse (4,4,8,8)",    "ellipse (5,5,7,7)",
                                            "ellipse (6,6,6,6)",    "restore"};
    std::vector<std::string> expected = {"pen solid 2 00808080", "ellipse (1,1,11,11)", "restore"};
    expected.insert(expected.end(), fill2.begin(), fill2.end());
    for (const char* ring : {"ellipse (1,1,11,11)", "ellipse (2,2,10,10)"}) {
        expected.insert(expected.end(), {"pen solid 2 00010101", ring, "restore"});
    }
    expected.insert(expected.end(), fill2.begin(), fill2.end());
    expected.insert(expected.end(), {"pen dot 1 00010101", "bkmode opaque", "bkcolour 0000FF00",
                                     "ellipse (4,4,8,8)", "restore", "pen solid 3 0000FF00",
                                     "ellipse (6,6,6,6)", "restore"});
    EXPECT_EQ(canvas.calls, expected);
    // The focus ring leaves the background opaque in the face colour.
    EXPECT_EQ(canvas.backgroundMode, BackgroundMode::Opaque);
    EXPECT_EQ(canvas.backgroundColour, kGreen);
    EXPECT_EQ(canvas.selectedPens, 0);
}

TEST(DrawnObject, LabelIsCentredOnOneLineAndRestoresTheTextColour) {
    DrawnEllipse shape;
    RecordingCanvas canvas;
    canvas.textColour = MakeColour(9, 9, 9);
    shape.DrawLabel(canvas, kFace, "BV", MakeColour(255, 255, 0));
    EXPECT_THAT(canvas.calls, ElementsAre("textcolour 0000FFFF", "bkmode transparent",
                                          "drawtext (0,0,40,20) 'BV' 0x25", "textcolour 00090909"));

    RecordingCanvas empty;
    empty.textColour = MakeColour(9, 9, 9);
    DrawnRect().DrawLabel(empty, kFace, "", MakeColour(255, 255, 0));
    EXPECT_EQ(empty.textColour, MakeColour(9, 9, 9));
    EXPECT_THAT(empty.Only("textout"), IsEmpty());
}
