#pragma once

#include <string_view>

#include "model/TessarkDoc.h"

namespace tessark {

// One undoable step for the edits made while it lives: a dialog's OK, a command, a stroke.
// Steps opened inside it fold into it.
class EditStep {
public:
    EditStep(CTessarkDoc& document, std::string_view name) : document_(document)
    {
        document_.BeginStep(name);
    }
    ~EditStep() { document_.EndStep(); }
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

private:
    CTessarkDoc& document_;
};

}  // namespace tessark
