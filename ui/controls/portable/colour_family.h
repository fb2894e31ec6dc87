// The colour family of advanced dialogs and the control-colour rules of the kit's dialog and
// edit classes, kept apart from the windowing layer so that they run natively.
#pragma once

#include <vector>

#include "ui/controls/portable/advanced_component.h"

constexpr Colour kFamilyDefaultBack = MakeColour(80, 255, 10);
constexpr Colour kFamilyDefaultFore = MakeColour(20, 10, 255);

// A dialog of a colour family. A dialog constructed under an advanced dialog joins it and takes
// its colours at that moment; later changes reach the children only through Redraw.
class ColourFamilyMember : public CAdvancedComponent {
  public:
    // Joins `parent` when given; otherwise starts with the family's default colours.
    explicit ColourFamilyMember(ColourFamilyMember* parent);
    ~ColourFamilyMember() override;

    // Copies the other's two colours, without repainting.
    void CopyColors(const ColourFamilyMember& other);
    // Repaints this dialog, then each child in joining order takes these colours and redraws.
    void Redraw() override;

    ColourFamilyMember* FamilyParent() const { return m_parent; }
    const std::vector<ColourFamilyMember*>& FamilyChildren() const { return m_children; }

  protected:
    // The window's own synchronous repaint.
    virtual void RepaintWindow() = 0;

    bool m_propagate = true;

  private:
    ColourFamilyMember* m_parent = nullptr;
    std::vector<ColourFamilyMember*> m_children;
};

// The kinds of a control-colour request, in the windowing layer's numbering.
enum class ControlKind {
    MessageBox = 0,
    Edit = 1,
    ListBox = 2,
    Button = 3,
    Dialog = 4,
    ScrollBar = 5,
    Static = 6
};

// What an advanced dialog does with a control-colour request after the default answer.
struct DialogColourPlan {
    // The control is an advanced edit that coloured itself: keep the default answer untouched.
    bool keepDefault = false;
    // Otherwise: transparent background mode and this text colour ...
    Colour textColour = 0;
    // ... and either the dialog's own brush in its background colour or the default brush.
    bool useOwnBrush = false;
};
DialogColourPlan PlanDialogColour(ControlKind kind, bool isAdvancedEdit, Colour foreColor);

// What an advanced edit control answers for itself.
constexpr Colour kTransparentTextBackground = 1;
struct EditColourPlan {
    bool transparent = true;
    Colour textBackground = 0;
    Colour textColour = 0;
    Colour brushColour = 0;
};
EditColourPlan PlanEditColour(Colour textBackground, Colour foreColor, Colour backColor);
