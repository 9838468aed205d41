#pragma once

#include <string_view>

#include "model/Position.h"

namespace tessark {

// Hears of every edit of a document, so that it can be undone: the steps that group the edits
// and, before a tile or anything on it changes, the tile's position. The document forwards its
// own tile changes; code that changes a tile or an item in place tells the document first
// (CTessarkDoc::NoteTileChange).
class EditRecorder {
public:
    virtual ~EditRecorder() = default;
    // Steps nest: the outermost pair makes one step.
    virtual void BeginStep(std::string_view name) = 0;
    virtual void EndStep() = 0;
    virtual void BeforeTileChange(const Position& position) = 0;
    // The map was marked modified (inside or outside a step).
    virtual void MarkedModified() = 0;
    // The map was written: its state now is the saved one.
    virtual void Saved() = 0;
    // A new or opened map replaced everything: no step reaches back before it.
    virtual void Reset() = 0;
};

}  // namespace tessark
