#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "model/SmallObjectPool.h"

namespace tessark {
namespace {

struct Block {
    unsigned char* bytes;
    size_t size;
    unsigned char mark;
};

Block Make(size_t size, unsigned char mark)
{
    auto* bytes = static_cast<unsigned char*>(small_object_pool::Allocate(size));
    std::memset(bytes, mark, size);
    return {bytes, size, mark};
}

// Enough blocks to cross slabs and the per-thread list limit, freed in a pattern that splits
// the lists, then made again: no block may be handed out twice or overlap another.
TEST(SmallObjectPoolTest, BlocksStayDistinctAcrossFreeAndReuse)
{
    for (const size_t size : {size_t{1}, size_t{8}, size_t{24}, size_t{40}, size_t{64}, size_t{65}}) {
        SCOPED_TRACE(size);
        std::vector<Block> blocks;
        for (int i = 0; i < 6000; ++i) {
            blocks.push_back(Make(size, static_cast<unsigned char>(i)));
            ASSERT_EQ(reinterpret_cast<uintptr_t>(blocks.back().bytes) % 8, 0u);
        }
        for (size_t i = 0; i < blocks.size(); i += 2) {
            small_object_pool::Release(blocks[i].bytes, size);
        }
        for (size_t i = 0; i < blocks.size(); i += 2) {
            blocks[i] = Make(size, static_cast<unsigned char>(i + 7));
        }
        for (const Block& block : blocks) {
            ASSERT_EQ(std::count(block.bytes, block.bytes + block.size, block.mark), static_cast<std::ptrdiff_t>(size));
        }
        for (const Block& block : blocks) {
            small_object_pool::Release(block.bytes, size);
        }
    }
}

}  // namespace
}  // namespace tessark
