#include "platform/AtomicFileSet.h"

namespace tessark {

bool AtomicFileSet::Fail(const AtomicFileWriter& writer)
{
    if (failedPath_.empty()) {
        error_ = writer.Error();
        failedPath_ = writer.TargetPath();
    }
    writers_.clear();  // their temporary files go with them
    return false;
}

AtomicFileWriter* AtomicFileSet::Open(const std::string& path)
{
    auto writer = std::make_unique<AtomicFileWriter>(path);
    if (!writer->Open()) {
        Fail(*writer);
        return nullptr;
    }
    writers_.push_back(std::move(writer));
    return writers_.back().get();
}

void AtomicFileSet::Add(std::unique_ptr<AtomicFileWriter> writer)
{
    if (writer) {
        writers_.push_back(std::move(writer));
    }
}

bool AtomicFileSet::Commit()
{
    if (!failedPath_.empty()) {
        return false;  // a file that could not be opened is missing from the set
    }
    for (const auto& writer : writers_) {
        if (!writer->Finish()) {
            return Fail(*writer);
        }
    }
    // Every file is complete: only a rename is left for each, and Open has checked that the
    // targets may be replaced. Should a rename fail all the same, the rest stay as they were.
    for (const auto& writer : writers_) {
        if (!writer->Commit()) {
            return Fail(*writer);
        }
    }
    writers_.clear();
    return true;
}

}  // namespace tessark
