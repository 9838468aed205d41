#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <random>
#include <tuple>

#include "data/FileLoader.h"
#include "data/PropStream.h"
#include "support/NodeFileBuilder.h"

namespace tessark {
namespace {

using test::NodeFileBuilder;
using test::NodeFileTestDir;
using test::ReadFileBytes;

std::vector<uint8_t> Props(FileLoader& loader, uint32_t node)
{
    size_t size = 0;
    const uint8_t* data = loader.GetProps(node, size);
    EXPECT_NE(data, nullptr) << "error " << loader.GetLastError();
    return data ? std::vector<uint8_t>(data, data + size) : std::vector<uint8_t>{};
}

TEST(FileLoaderTest, CachedReadPastTheEndFails)
{
    NodeFileTestDir dir;
    // Unterminated roots whose properties end on a block boundary (16 bytes) or inside a short
    // last block (17 bytes). In the 19-byte one, the short last block of 4-byte blocks lands in a
    // slot that held other bytes: the old 0xFF behind the three bytes read must not end the
    // properties.
    for (size_t size : {16u, 17u, 19u}) {
        NodeFileBuilder file;
        file.Start(1);
        if (size == 19) {
            file.Props({0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
        }
        while (file.Size() < size) {
            file.U8(0x11);
        }
        const std::string path = dir.Write("open.qzb", file.Bytes());
        for (uint32_t blockSize : {4u, 8u, 16u, 8192u}) {
            FileLoader loader;
            ASSERT_TRUE(loader.OpenFile(path, false, true));
            loader.SetBlockSizeForTesting(blockSize);
            size_t count = 0;
            EXPECT_EQ(loader.GetProps(4, count), nullptr) << size << " " << blockSize;
            EXPECT_EQ(loader.GetLastError(), kNodeFileEndOfFile);
        }
    }
}

TEST(FileLoaderTest, EveryReadErrorIsReported)
{
    NodeFileTestDir dir;
    FileLoader loader;
    uint8_t type = 0;
    size_t size = 0;
    EXPECT_EQ(loader.GetChildNode(0, type), 0u);
    EXPECT_EQ(loader.GetLastError(), kNodeFileNotOpen);
    EXPECT_FALSE(loader.CloseFile());

    EXPECT_FALSE(loader.OpenFile(dir.File("missing.qzb"), false, true));
    EXPECT_EQ(loader.GetLastError(), kNodeFileCannotOpen);

    EXPECT_FALSE(loader.OpenFile(dir.Write("id.qzb", std::vector<uint8_t>{0, 0, 1, 0, 0xFE, 0}),
                                 false, false));
    EXPECT_EQ(loader.GetLastError(), kNodeFileBadIdentifier);
    EXPECT_FALSE(loader.OpenFile(dir.Write("short.qzb", std::vector<uint8_t>{0, 0}), false, true));
    EXPECT_EQ(loader.GetLastError(), kNodeFileBadIdentifier);
    EXPECT_FALSE(loader.IsOpen());

    const std::string empty = dir.Write("empty.qzb", std::vector<uint8_t>(4, 0));
    NodeFileBuilder file;
    file.Start(3);
    file.U32(0x01020304).End();
    file.Raw({0x00});  // junk where a sibling or the parent's end belongs
    const std::string path = dir.Write("junk.qzb", file.Bytes());
    for (bool cached : {false, true}) {
        FileLoader reader;
        ASSERT_TRUE(reader.OpenFile(path, false, cached));
        EXPECT_EQ(reader.GetProps(0, size), nullptr);
        EXPECT_EQ(reader.GetLastError(), kNodeFileNoNode);
        EXPECT_EQ(reader.GetProps(5, size), nullptr);
        EXPECT_EQ(reader.GetLastError(), kNodeFileBadNode);
        EXPECT_EQ(reader.GetNextNode(4, type), 0u);
        EXPECT_EQ(reader.GetLastError(), kNodeFileBadNode);
        // A handle past the end: the cache cannot hold it; straight reading meets the end.
        EXPECT_EQ(reader.GetProps(1000, size), nullptr);
        EXPECT_EQ(reader.GetLastError(), cached ? kNodeFileSeekFailed : kNodeFileEndOfFile);
        EXPECT_EQ(Props(reader, 4), (std::vector<uint8_t>{4, 3, 2, 1}));
        EXPECT_FALSE(reader.StartNode(1));
        EXPECT_EQ(reader.GetLastError(), kNodeFileNotOpen);
        EXPECT_TRUE(reader.CloseFile());
        EXPECT_EQ(reader.GetProps(4, size), nullptr);
        EXPECT_EQ(reader.GetLastError(), kNodeFileNotOpen);
        // Four zero bytes hold no root.
        ASSERT_TRUE(reader.OpenFile(empty, false, cached));
        EXPECT_EQ(reader.GetChildNode(0, type), 0u);
        EXPECT_EQ(reader.GetLastError(), kNodeFileEndOfFile);
    }
}

TEST(FileLoaderTest, DeepNestingEndsAndHandlesOnlyMoveForward)
{
    NodeFileTestDir dir;
    constexpr int kDepth = 100000;
    NodeFileBuilder file;
    file.Start(1);
    const uint32_t first = file.Start(2);
    for (int i = 0; i < kDepth; ++i) {
        file.Start(3);
        file.Props({0xFE});  // escaped: looks like a node start to a careless scan
    }
    for (int i = 0; i < kDepth; ++i) {
        file.End();
    }
    file.End();
    const uint32_t sibling = file.Start(4);
    file.End().End();
    const std::string path = dir.Write("deep.qzbm", file.Bytes());

    for (bool cached : {false, true}) {
        FileLoader loader;
        ASSERT_TRUE(loader.OpenFile(path, false, cached));
        uint8_t type = 0;
        EXPECT_EQ(loader.GetNextNode(first, type), sibling);
        EXPECT_EQ(type, 4);
        uint32_t node = first;
        int depth = 0;
        for (uint32_t child = loader.GetChildNode(node, type); child != 0;
             child = loader.GetChildNode(node, type)) {
            ASSERT_GT(child, node);
            node = child;
            ++depth;
        }
        EXPECT_EQ(depth, kDepth);
        EXPECT_EQ(Props(loader, node), std::vector<uint8_t>{0xFE});
        EXPECT_EQ(loader.GetLastError(), kNodeFileOk);
    }
}

// A random tree, written with the loader's writer, walked in every reading mode.
struct Visit {
    int depth;
    uint8_t type;
    std::vector<uint8_t> props;
    bool operator==(const Visit&) const = default;
};

void WriteRandomTree(FileLoader& writer, std::mt19937& random, int depth, std::vector<Visit>& out)
{
    Visit visit{depth, static_cast<uint8_t>(random() % 0xFD), {}};
    const size_t length = random() % 48;
    for (size_t i = 0; i < length; ++i) {
        // Plenty of marker bytes, so escapes cross block boundaries too.
        visit.props.push_back(random() % 4 == 0 ? static_cast<uint8_t>(0xFD + random() % 3)
                                                : static_cast<uint8_t>(random()));
    }
    ASSERT_TRUE(writer.StartNode(visit.type));
    ASSERT_TRUE(writer.WriteBytes(visit.props, true));
    out.push_back(visit);
    const unsigned children = depth == 0 ? 430 : depth < 4 ? random() % 7 : 0;
    for (unsigned i = 0; i < children; ++i) {
        WriteRandomTree(writer, random, depth + 1, out);
    }
    ASSERT_TRUE(writer.EndNode());
}

void WalkTree(FileLoader& loader, uint32_t node, uint8_t type, int depth, std::vector<Visit>& out)
{
    out.push_back({depth, type, Props(loader, node)});
    uint8_t childType = 0;
    for (uint32_t child = loader.GetChildNode(node, childType); child != 0;
         child = loader.GetNextNode(child, childType)) {
        ASSERT_GT(child, node);
        WalkTree(loader, child, childType, depth + 1, out);
    }
}

TEST(FileLoaderTest, AllReadingModesAgreeOnALargeTree)
{
    NodeFileTestDir dir;
    const std::string path = dir.File("tree.qzbm");
    std::vector<Visit> expected;
    {
        FileLoader writer;
        std::mt19937 random(12345);
        ASSERT_TRUE(writer.OpenFile(path, true, false));
        WriteRandomTree(writer, random, 0, expected);
        ASSERT_TRUE(writer.CloseFile());
    }
    const auto fileSize = std::filesystem::file_size(path);
    ASSERT_GT(fileSize, 500000u);
    ASSERT_LT(fileSize, 655360u) << "meant to use 24576-byte blocks";

    struct Mode {
        bool cached;
        uint32_t blockSize;  // 0: as chosen from the file size
    };
    for (Mode mode : {Mode{false, 0}, Mode{true, 0}, Mode{true, 24}, Mode{true, 1000}}) {
        FileLoader loader;
        ASSERT_TRUE(loader.OpenFile(path, false, mode.cached));
        if (mode.blockSize) {
            loader.SetBlockSizeForTesting(mode.blockSize);
        } else if (mode.cached) {
            EXPECT_EQ(loader.BlockSize(), 24576u);
        }
        std::vector<Visit> walked;
        uint8_t type = 0;
        const uint32_t root = loader.GetChildNode(0, type);
        ASSERT_EQ(root, FileLoader::kRootHandle);
        WalkTree(loader, root, type, 0, walked);
        EXPECT_EQ(loader.GetLastError(), kNodeFileOk);
        EXPECT_TRUE(walked == expected) << "cached " << mode.cached << " block " << mode.blockSize
                                        << ": " << walked.size() << " of " << expected.size();
    }
}

TEST(FileLoaderTest, WriterEscapesDataAndCommitsOnlyOnClose)
{
    NodeFileTestDir dir;
    const std::string path = dir.File("written.qzb");
    FileLoader writer;
    ASSERT_TRUE(writer.OpenFile(path, true, false));
    EXPECT_TRUE(writer.StartNode(0x10));
    const uint8_t data[] = {0xFD, 0x00, 0xFE, 0xFF};
    EXPECT_TRUE(writer.WriteBytes(data, 4, true));
    EXPECT_TRUE(writer.WriteBytes(data, 2, false));
    EXPECT_TRUE(writer.WriteBytes(data, 0, true));
    EXPECT_TRUE(writer.WriteBytes(data, -3, true));
    EXPECT_EQ(writer.WriteAttribute(0xFE, data + 1, 1), 0);
    EXPECT_EQ(writer.WriteString("ab\xff", 0), 0);
    EXPECT_EQ(writer.WriteStringAttribute(0x05, "xyz", 2), 0);
    EXPECT_TRUE(writer.StartNode(0x20));
    EXPECT_TRUE(writer.EndNode());
    EXPECT_TRUE(writer.EndNode());
    EXPECT_FALSE(std::filesystem::exists(path)) << "the file appears only on commit";
    EXPECT_TRUE(writer.CloseFile());

    const std::vector<uint8_t> expected = {
        0, 0, 0, 0, 0xFE, 0x10,
        0xFD, 0xFD, 0x00, 0xFD, 0xFE, 0xFD, 0xFF,   // escaped data
        0xFD, 0x00,                                 // raw data
        0xFD, 0xFE, 0x00,                           // attribute
        0x03, 0x00, 'a', 'b', 0xFD, 0xFF,           // string, length from its terminator
        0x05, 0x02, 0x00, 'x', 'y',                 // string attribute
        0xFE, 0x20, 0xFF, 0xFF};
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
}

TEST(FileLoaderTest, WriteErrorsKeepThePreviousFile)
{
    NodeFileTestDir dir;
    const std::vector<uint8_t> previous = {0, 0, 0, 0, 0xFE, 1, 0x42, 0xFF};
    const std::string path = dir.Write("kept.qzb", previous);

    FileLoader loader;
    EXPECT_FALSE(loader.OpenFile(dir.File("no-such-folder/kept.qzb"), true, false));
    EXPECT_EQ(loader.GetLastError(), kNodeFileCannotCreate);
    EXPECT_FALSE(loader.StartNode(1));
    EXPECT_EQ(loader.GetLastError(), kNodeFileNotOpen);

    // Unstorable values fail the whole file instead of writing something unreadable.
    for (int variant = 0; variant < 2; ++variant) {
        FileLoader writer;
        ASSERT_TRUE(writer.OpenFile(path, true, false));
        ASSERT_TRUE(writer.StartNode(1));
        if (variant == 0) {
            EXPECT_FALSE(writer.StartNode(0xFD));
        } else {
            EXPECT_EQ(writer.WriteString(std::string(70000, 'x')), kNodeFileWriteFailed);
        }
        EXPECT_EQ(writer.GetLastError(), kNodeFileWriteFailed);
        EXPECT_FALSE(writer.EndNode());
        EXPECT_FALSE(writer.CloseFile());
        EXPECT_EQ(ReadFileBytes(path), previous);
    }

    // A loader dropped before CloseFile writes nothing.
    {
        FileLoader writer;
        ASSERT_TRUE(writer.OpenFile(path, true, false));
        writer.StartNode(2);
        writer.EndNode();
    }
    EXPECT_EQ(ReadFileBytes(path), previous);

    // The disk refuses bytes: a file size limit makes the operating system fail the writes.
    struct FileSizeLimit {
        rlimit saved{};
        void (*savedHandler)(int) = nullptr;
        explicit FileSizeLimit(rlim_t limit)
        {
            getrlimit(RLIMIT_FSIZE, &saved);
            savedHandler = std::signal(SIGXFSZ, SIG_IGN);
            rlimit lowered = saved;
            lowered.rlim_cur = limit;
            setrlimit(RLIMIT_FSIZE, &lowered);
        }
        ~FileSizeLimit()
        {
            setrlimit(RLIMIT_FSIZE, &saved);
            std::signal(SIGXFSZ, savedHandler);
        }
    };
    {
        FileSizeLimit limit(16 * 1024);
        FileLoader writer;
        ASSERT_TRUE(writer.OpenFile(path, true, false));
        ASSERT_TRUE(writer.StartNode(1));
        const std::vector<uint8_t> chunk(1000, 0x33);
        bool failed = false;
        for (int i = 0; i < 300 && !failed; ++i) {
            failed = !writer.WriteBytes(chunk, true);
        }
        EXPECT_TRUE(failed);
        EXPECT_EQ(writer.GetLastError(), kNodeFileWriteFailed);
        EXPECT_NE(writer.WriteAttribute(1, chunk), 0);
        EXPECT_FALSE(writer.CloseFile());
    }
    EXPECT_EQ(ReadFileBytes(path), previous);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1)
        << "no temporary file is left behind";
}

TEST(PropStreamTest, ReadsLittleEndianValuesAndNeverPastTheEnd)
{
    const uint8_t bytes[] = {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07,
                             0,    0,    0,    0,    0,    0,    0xF0, 0x3F,  // 1.0
                             0x04, 0x00, 'a', 0,   'b',  'c',  0x09};
    PropStream props(bytes, sizeof bytes);
    uint8_t u8 = 0;
    uint16_t u16 = 0;
    uint32_t u32 = 0;
    uint64_t u64 = 0;
    double number = 0;
    std::string text;
    EXPECT_TRUE(props.ReadU8(u8) && props.ReadU16(u16) && props.ReadU32(u32));
    EXPECT_EQ(std::tuple(u8, u16, u32), std::tuple(0x01, 0x0302, 0x07060504u));
    EXPECT_FALSE(props.Skip(100));
    PropStream copy = props;
    EXPECT_TRUE(copy.ReadU64(u64) && props.ReadDouble(number));
    EXPECT_EQ(std::tuple(u64, number), std::tuple(0x3FF0000000000000u, 1.0));
    EXPECT_TRUE(props.ReadString(text));
    EXPECT_EQ(text, "a") << "the text ends at its first zero byte";
    EXPECT_EQ(props.Remaining(), 1u);
    EXPECT_FALSE(props.ReadU16(u16) || props.ReadU32(u32) || props.ReadU64(u64) || props.ReadString(text));
    uint8_t block[2] = {};
    EXPECT_FALSE(props.ReadBytes(block));
    EXPECT_EQ(props.Remaining(), 1u) << "failed reads do not move";
    EXPECT_TRUE(props.ReadBytes(std::span(block, 1)));
    EXPECT_EQ(block[0], 0x09);
    EXPECT_FALSE(props.ReadU8(u8));

    const uint8_t shortText[] = {0x05, 0x00, 'a', 'b'};
    PropStream truncated(shortText, sizeof shortText);
    EXPECT_FALSE(truncated.ReadString(text));
    EXPECT_EQ(truncated.Remaining(), 4u);
    PropStream empty;
    EXPECT_FALSE(empty.ReadU8(u8));
}

}  // namespace
}  // namespace tessark
