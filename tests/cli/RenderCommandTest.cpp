#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "cli/RenderCommand.h"
#include "model/TessarkDoc.h"
#include "platform/Surface.h"
#include "render/MapDrawer.h"
#include "render/MapViewState.h"
#include "render/SpriteRenderer.h"
#include "support/CliRun.h"
#include "support/GeneratedWorld.h"
#include "support/PngFile.h"

namespace tessark {
namespace {

using cli::ParseRenderArguments;
using cli::RenderArguments;
using test::ScratchDirectory;

TEST(RenderCommandTest, ArgumentsAndTheirLimits)
{
    // Floor, zoom, size, centre, scroll, shade, spawns, creatures, animation: defaults, then all set.
    const auto fields = [](const RenderArguments& a) {
        return std::make_tuple(a.floor, a.zoom, a.width, a.height, a.center.value_or(Point{-1, -1}), a.scroll, a.shade,
                               a.spawns, a.creatures, a.animation);
    };
    auto plain = ParseRenderArguments({"world.qzbm", "-o", "out.png"});
    ASSERT_TRUE(plain);
    EXPECT_EQ(fields(*plain), std::make_tuple(7, 1.0f, 1024, 768, Point{-1, -1}, Point{0, 0}, true, true, true, 0));
    auto full = ParseRenderArguments({"-o", "out.png", "--floor", "5", "--zoom", "0.75", "--center", "100,200",
                                      "--size", "640x480", "--no-shade", "--no-spawns", "--no-creatures",
                                      "--animation", "65535", "w.qzbm"});
    ASSERT_TRUE(full);
    EXPECT_EQ(full->map, "w.qzbm");
    EXPECT_EQ(fields(*full), std::make_tuple(5, 0.75f, 640, 480, Point{100, 200}, Point{0, 0}, false, false, false,
                                             65535));
    EXPECT_EQ(ParseRenderArguments({"w", "-o", "o", "--scroll", "-5,40"})->scroll, (Point{-5, 40}));

    for (const auto& bad : std::vector<std::vector<std::string>>{
             {"w.qzbm"},
             {"-o", "o.png"},
             {"a", "b", "-o", "o.png"},
             {"w", "-o", "o", "--zoom", "0.3"},
             {"w", "-o", "o", "--zoom", "2"},
             {"w", "-o", "o", "--floor", "16"},
             {"w", "-o", "o", "--center", "1,2", "--scroll", "3,4"},
             {"w", "-o", "o", "--center", "1;2"},
             {"w", "-o", "o", "--size", "0x10"},
             {"w", "-o", "o", "--size", "20000x10"},
             {"w", "-o", "o", "--animation", "65536"},
             {"w", "-o", "o", "--shade"},
         }) {
        EXPECT_FALSE(ParseRenderArguments(bad)) << bad.back();
    }
}

// The picture the command writes is the view's drawing of the same map, pixel for pixel.
TEST(RenderCommandTest, WritesWhatTheViewDraws)
{
    test::GeneratedWorld& world = test::GeneratedWorld::Get();
    const ScratchDirectory& directory = world.Scratch();
    const std::string withData = "--data '" + world.DataDirectory() + "' ";
    const std::string map = world.MapPath();
    CTessarkDoc& document = world.Document();
    ASSERT_EQ(document.errorKind, 0);

    for (const std::string options : {"--center 256,256 --size 300x200", "--zoom 0.75 --scroll 100,50 --size 257x130",
                                      "--floor 6 --zoom 0.5 --center 250,260 --no-creatures --size 200x100"}) {
        const std::string out = directory.File("out.png");
        ASSERT_EQ(test::RunTool(directory, withData + "render '" + map + "' -o '" + out + "' " + options).status, 0)
            << options;
        const cli::PixelImage written = test::ReadPng(out);

        std::vector<std::string> args = {map, "-o", out};
        for (size_t start = 0; start < options.size();) {
            const size_t space = options.find(' ', start);
            args.push_back(options.substr(start, space - start));
            start = space == std::string::npos ? options.size() : space + 1;
        }
        const auto parsed = ParseRenderArguments(args);
        ASSERT_TRUE(parsed);
        ASSERT_EQ(written.width, parsed->width);
        ASSERT_EQ(written.height, parsed->height);
        Surface expected(parsed->width, parsed->height);
        SpriteRenderer renderer(world.Data().items);
        MapDrawer drawer(document, renderer);
        drawer.Paint(expected, cli::RenderView(*parsed, document), expected.Bounds());
        int differing = 0;
        for (size_t i = 0; i < written.pixels.size(); ++i) {
            differing += written.pixels[i] != expected.Pixels()[i] ? 1 : 0;
        }
        EXPECT_EQ(differing, 0) << options;
    }

    // A map that cannot be read: status 1, the editor's message on standard error.
    EXPECT_EQ(test::RunTool(directory, withData + "render '" + directory.File("none.qzbm") + "' -o '" +
                                               directory.File("x.png") + "'").status, 1);
    EXPECT_EQ(test::RunTool(directory, withData + "render '" + map + "'").status, 2);
}

}  // namespace
}  // namespace tessark
