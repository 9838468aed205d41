#pragma once

#include <cstdint>
#include <string>

#include "data/PropStream.h"
#include "mapfiles/NodeStream.h"

namespace tessark {

// The walk over a QZBM node tree that the map reader and the template reader share: one pass
// over the file (NodeStream) that hands each node's properties to the reader as a cursor and,
// when the tree is damaged, names the node at which the node-file loader's walk by handles
// would have stopped: the parent when its first child cannot be found, else the child before.
class QzbmNodeWalk {
public:
    bool Open(const std::string& path) { return stream_.Open(path); }
    NodeStream& Stream() { return stream_; }
    PropStream& Props() { return props_; }

    // The properties of the node just started, as the cursor Props().
    bool ReadProps()
    {
        if (!stream_.ReadProps()) {
            return false;
        }
        props_.Reset(stream_.Props(), stream_.PropsSize());
        return true;
    }

    // Steps to the next child of parent, right after parent's properties (first) or after the
    // child before (child holds it): Child with the child's offset in child and its type, End,
    // or Fail with the node to name in FailedNode().
    NodeStream::Next NextChild(bool first, uint32_t parent, uint8_t& type, uint32_t& child)
    {
        failedNode_ = first ? parent : child;
        NodeStream::Next next = NodeStream::Next::Child;
        if (first) {
            next = stream_.HasChildren() ? NodeStream::Next::Child : NodeStream::Next::End;
        } else {
            next = stream_.ReadNext();
        }
        if (next == NodeStream::Next::Child) {
            child = stream_.StartOffset();
            if (!stream_.ReadType(type)) {
                next = NodeStream::Next::Fail;
            }
        }
        return next;
    }
    uint32_t FailedNode() const { return failedNode_; }

private:
    NodeStream stream_;
    PropStream props_;
    uint32_t failedNode_ = 0;
};

}  // namespace tessark
