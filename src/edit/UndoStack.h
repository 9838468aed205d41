#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "edit/ChangedArea.h"
#include "edit/MapStateSnapshot.h"
#include "model/EditRecorder.h"
#include "model/Tile.h"

namespace tessark {

class CTessarkDoc;

// The undo and redo history of one document. A step holds the contents before and after of
// every tile it changed and, when it changed them, the map's other parts (MapStateSnapshot),
// so undoing and redoing give back exactly the states that were, whatever the tool's rules.
// The modified flag follows the history: back at the saved state the map is unmodified.
//
// Registers itself as the document's recorder while it lives. Tile changes outside any step
// open an implicit step "Edit" that ends at the next step, undo or redo.
class UndoStack final : public EditRecorder {
public:
    static constexpr size_t kDefaultBudgetBytes = size_t{256} << 20;

    explicit UndoStack(CTessarkDoc& document);
    ~UndoStack() override;
    UndoStack(const UndoStack&) = delete;
    UndoStack& operator=(const UndoStack&) = delete;

    bool CanUndo() const { return index_ > 0 || implicitOpen_; }
    bool CanRedo() const { return index_ < steps_.size() && !implicitOpen_ && depth_ == 0; }
    // The name of the step an undo or redo would take back or make again; "" when none.
    std::string UndoName() const;
    std::string RedoName() const;

    // What an undo or redo changed: the tiles to repaint and where the step happened.
    struct Result {
        ChangedArea changed;
        std::optional<Position> focus;
        bool housesChanged = false;
        bool settingsChanged = false;
    };
    // Ends steps still open first. Nothing to undo or redo: nullopt.
    std::optional<Result> Undo();
    std::optional<Result> Redo();

    // The oldest steps go while the history costs more than this; the newest step is kept even
    // when it alone costs more.
    void SetBudget(size_t bytes);
    size_t Budget() const { return budget_; }
    size_t MemoryBytes() const { return bytes_; }
    size_t StepCount() const { return steps_.size(); }
    bool IsClean() const;
    // Forgets every step; the current state becomes the clean one.
    void Clear();
    // Grows with every change of the map, undo and redo included: a copy of the map taken at
    // one value is current while the value stays.
    uint64_t Revision() const { return revision_; }

    // EditRecorder.
    void BeginStep(std::string_view name) override;
    void EndStep() override;
    void BeforeTileChange(const Position& position) override;
    void MarkedModified() override;
    void Saved() override;
    void Reset() override;

private:
    struct TileChange {
        Position position;
        std::unique_ptr<CTile> before;
        std::unique_ptr<CTile> after;
    };
    struct Step {
        std::string name;
        std::vector<TileChange> tiles;
        MapStateSnapshot before;
        MapStateSnapshot after;
        bool changesMap = true;
        size_t bytes = 0;
    };
    static constexpr size_t kNoClean = SIZE_MAX;

    void Open(std::string_view name);
    void Close();
    void CloseOpenSteps();
    void Push(Step step);
    void Apply(const Step& step, bool forward, Result& result);
    void FollowModifiedFlag();
    static size_t TileBytes(const CTile* tile);

    CTessarkDoc& document_;
    std::deque<Step> steps_;
    // Steps applied: steps_[index_ - 1] is the one to undo.
    size_t index_ = 0;
    size_t clean_ = 0;
    size_t budget_ = kDefaultBudgetBytes;
    size_t bytes_ = 0;
    uint64_t revision_ = 0;
    // The step being recorded.
    int depth_ = 0;
    bool implicitOpen_ = false;
    bool modifiedAtOpen_ = false;
    Step current_;
    std::unordered_set<uint64_t> noted_;
    // The map's other parts as the last step left them.
    MapStateSnapshot known_;
};

}  // namespace tessark
