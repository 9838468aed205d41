#include <gtest/gtest.h>

#include <vector>

#include "mapfiles/NodeStream.h"
#include "support/NodeFileBuilder.h"

namespace tessark::test {
namespace {

// Skipping a node must land exactly after its own end, whatever its subtree holds: nested
// children, escaped marker bytes in their properties, or nothing at all.
TEST(NodeStreamTest, SkipChildrenLandsAfterTheSkippedNode)
{
    ScratchDirectory dir;
    NodeFileBuilder file;
    file.Start(1);
    file.Start(2);  // skipped: two levels of children with escaped 0xFD, 0xFE, 0xFF inside
    file.U8(0xFE);
    file.Start(3);
    file.Props({0xFF, 0xFD, 0xFE});
    file.Start(4);
    file.End().End();
    file.Start(5);
    file.End();
    file.End();
    file.Start(6);  // skipped without children
    file.U8(0xFF);
    file.End();
    const uint32_t last = file.Start(7);
    file.U8(9);
    file.End();
    file.End();

    NodeStream stream;
    ASSERT_TRUE(stream.Open(dir.Write("tree.bin", file.Bytes())));
    uint8_t type = 0;
    ASSERT_TRUE(stream.ReadNodeStart(type));
    ASSERT_TRUE(stream.ReadProps());
    ASSERT_TRUE(stream.HasChildren());
    // Reads the next node's type and its one property byte.
    const auto node = [&](uint8_t wantedType, uint8_t wantedProperty) {
        ASSERT_TRUE(stream.ReadType(type));
        EXPECT_EQ(type, wantedType);
        ASSERT_TRUE(stream.ReadProps());
        ASSERT_EQ(stream.PropsSize(), 1u);
        EXPECT_EQ(stream.Props()[0], wantedProperty);
    };
    node(2, 0xFE);
    ASSERT_TRUE(stream.SkipChildren());

    ASSERT_EQ(stream.ReadNext(), NodeStream::Next::Child);
    node(6, 0xFF);
    EXPECT_FALSE(stream.HasChildren());
    ASSERT_TRUE(stream.SkipChildren());

    ASSERT_EQ(stream.ReadNext(), NodeStream::Next::Child);
    EXPECT_EQ(stream.StartOffset(), last);
    node(7, 9);
    EXPECT_EQ(stream.ReadNext(), NodeStream::Next::End);
    EXPECT_EQ(stream.ReadNext(), NodeStream::Next::Fail);
    EXPECT_TRUE(stream.AtEnd());

    // A subtree cut off by the end of the file cannot be skipped.
    std::vector<uint8_t> cut = file.Bytes();
    cut.resize(cut.size() - 8);
    NodeStream cutStream;
    ASSERT_TRUE(cutStream.Open(dir.Write("cut.bin", cut)));
    ASSERT_TRUE(cutStream.ReadNodeStart(type));
    ASSERT_TRUE(cutStream.ReadProps());
    EXPECT_FALSE(cutStream.SkipChildren());
}

}  // namespace
}  // namespace tessark::test
