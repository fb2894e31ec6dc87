// Colour family of advanced dialogs and the kit's control-colour rules.
#include "ui/controls/portable/colour_family.h"

#include <algorithm>

ColourFamilyMember::ColourFamilyMember(ColourFamilyMember* parent) {
    if (parent != nullptr) {
        CopyColors(*parent);
        parent->m_children.push_back(this);
        m_parent = parent;
    } else {
        m_backColor.store(kFamilyDefaultBack);
        m_foreColor.store(kFamilyDefaultFore);
    }
}

ColourFamilyMember::~ColourFamilyMember() {
    if (m_parent != nullptr) {
        auto& siblings = m_parent->m_children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
    }
    // Children outliving their parent forget it, so their own destruction touches nothing freed.
    for (ColourFamilyMember* child : m_children) {
        child->m_parent = nullptr;
    }
}

void ColourFamilyMember::CopyColors(const ColourFamilyMember& other) {
    m_backColor.store(other.BackColor());
    m_foreColor.store(other.ForeColor());
}

void ColourFamilyMember::Redraw() {
    RepaintWindow();
    if (!m_propagate) {
        return;
    }
    // A child's repaint never changes this list, but iterate over a copy all the same.
    const std::vector<ColourFamilyMember*> children = m_children;
    for (ColourFamilyMember* child : children) {
        child->CopyColors(*this);
        child->Redraw();
    }
}

DialogColourPlan PlanDialogColour(ControlKind kind, bool isAdvancedEdit, Colour foreColor) {
    DialogColourPlan plan;
    if (isAdvancedEdit) {
        plan.keepDefault = true;
        return plan;
    }
    plan.textColour = foreColor;
    plan.useOwnBrush = kind != ControlKind::Edit && kind != ControlKind::ListBox;
    return plan;
}

EditColourPlan PlanEditColour(Colour textBackground, Colour foreColor, Colour backColor) {
    EditColourPlan plan;
    plan.transparent = textBackground == kTransparentTextBackground;
    plan.textBackground = textBackground;
    plan.textColour = foreColor;
    plan.brushColour = backColor;
    return plan;
}
