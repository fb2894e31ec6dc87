// Colour family of advanced dialogs and the kit's control-colour rules.
#include "ui/controls/portable/colour_family.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

std::vector<std::string> g_repaints;

class FakeDialog final : public ColourFamilyMember {
  public:
    FakeDialog(std::string name, FakeDialog* parent)
        : ColourFamilyMember(parent), m_name(std::move(name)) {}
    void StopPropagating() { m_propagate = false; }

  protected:
    void RepaintWindow() override {
        char colours[32];
        std::snprintf(colours, sizeof colours, " %06X", static_cast<unsigned>(BackColor()));
        g_repaints.push_back(m_name + colours);
    }

  private:
    std::string m_name;
};

constexpr Colour kRed = MakeColour(255, 0, 0);
constexpr Colour kBlue = MakeColour(0, 0, 255);

}  // namespace

TEST(ColourFamily, DialogWithoutAdvancedParentStartsWithTheDefaults) {
    FakeDialog alone("alone", nullptr);
    EXPECT_EQ(alone.BackColor(), MakeColour(80, 255, 10));
    EXPECT_EQ(alone.ForeColor(), MakeColour(20, 10, 255));
    EXPECT_EQ(alone.FamilyParent(), nullptr);
}

TEST(ColourFamily, ChildrenTakeColoursAtJoiningAndThroughRedraw) {
    g_repaints.clear();
    FakeDialog root("root", nullptr);
    root.SetForeColor(kBlue);
    FakeDialog child("child", &root);
    EXPECT_EQ(child.ForeColor(), kBlue);
    FakeDialog grandchild("grandchild", &child);
    FakeDialog second("second", &root);
    EXPECT_THAT(root.FamilyChildren(), ElementsAre(&child, &second));

    g_repaints.clear();
    EXPECT_TRUE(root.SetBackColor(kRed));
    // Depth first, in joining order, each taking its parent's colours just before it repaints.
    EXPECT_THAT(g_repaints,
                ElementsAre("root 0000FF", "child 0000FF", "grandchild 0000FF", "second 0000FF"));
    EXPECT_EQ(grandchild.ForeColor(), kBlue);

    // CopyColors alone repaints nothing; a dialog that does not propagate stops the walk.
    g_repaints.clear();
    second.CopyColors(FakeDialog("other", nullptr));
    EXPECT_THAT(g_repaints, IsEmpty());
    child.StopPropagating();
    child.SetBackColor(kBlue);
    EXPECT_THAT(g_repaints, ElementsAre("child FF0000"));
    EXPECT_EQ(grandchild.BackColor(), kRed);
}

TEST(ColourFamily, LeavingRemovesOnlyTheLeavingChild) {
    FakeDialog root("root", nullptr);
    auto first = std::make_unique<FakeDialog>("first", &root);
    FakeDialog second("second", &root);
    first.reset();
    EXPECT_THAT(root.FamilyChildren(), ElementsAre(&second));

    // A parent that ends first leaves its children without a dangling link.
    auto parent = std::make_unique<FakeDialog>("parent", nullptr);
    FakeDialog orphan("orphan", parent.get());
    parent.reset();
    EXPECT_EQ(orphan.FamilyParent(), nullptr);
}
