#pragma once

#include <memory>
#include <utility>

namespace tessark {

// Destroys large object trees (a closed world's tiles) on a worker thread, so that closing,
// New and Open over a big world return at once. What is handed over must not be reached by
// anything else, and its destructors must touch nothing shared but the allocators.
//
// At program exit the worker finishes the tree it is on and the rest is left to the end of the
// process: quitting need not free a world object by object.
namespace background_release {

class Garbage {
public:
    virtual ~Garbage() = default;
};

void Post(std::unique_ptr<Garbage> garbage);

template <class T>
void Post(T value)
{
    struct Holder final : Garbage {
        explicit Holder(T held) : value(std::move(held)) {}
        T value;
    };
    Post(std::unique_ptr<Garbage>(std::make_unique<Holder>(std::move(value))));
}

// Returns once everything posted before has been destroyed.
void Wait();

}  // namespace background_release

}  // namespace tessark
