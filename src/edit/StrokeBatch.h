#pragma once

#include "edit/ChangedArea.h"
#include "platform/ViewHint.h"

namespace tessark {

class CTessarkDoc;

// One bulk edit over many tiles. While it lives the document's redrawAtOnce is 0, so the views
// only note what changed instead of repainting after every single change; it gathers the
// document's hints into one changed area. Ending it sets redrawAtOnce back to 1, after which the
// caller refreshes the view and the minimap once.
class StrokeBatch final : public ViewHintListener {
public:
    explicit StrokeBatch(CTessarkDoc& document);
    ~StrokeBatch() override;
    StrokeBatch(const StrokeBatch&) = delete;
    StrokeBatch& operator=(const StrokeBatch&) = delete;

    void OnViewHint(const ViewHint& hint) override;

    const ChangedArea& Changed() const { return changed_; }

private:
    CTessarkDoc& document_;
    ChangedArea changed_;
    int32_t previousRedrawAtOnce_;
};

}  // namespace tessark
