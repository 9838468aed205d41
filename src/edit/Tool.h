#pragma once

#include "edit/ToolKind.h"
#include "model/Position.h"

namespace tessark {

class ToolContext;
struct ToolOutcome;

// Keyboard modifiers held with a mouse input.
struct Modifiers {
    bool ctrl = false;
    bool shift = false;
};

// One tool's answer to the mouse. The tile is the cursor tile the input happened on; the
// context holds everything else. Tools keep no state of their own, so switching tools loses
// nothing.
class Tool {
public:
    virtual ~Tool() = default;
    virtual ToolKind Kind() const = 0;

    // Left button pressed.
    virtual void Press(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome) = 0;
    // The cursor entered another tile with the left button held.
    virtual void Drag(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome);
    // Left button released.
    virtual void Release(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome);
    // Left button double-clicked (after its press and release); a second press unless the tool
    // says otherwise.
    virtual void DoubleClick(ToolContext& context, Modifiers modifiers, ToolOutcome& outcome);
};

}  // namespace tessark
