#include <gtest/gtest.h>

#include <sstream>

#include "cli/StderrMessageSink.h"

namespace tessark::cli {
namespace {

TEST(StderrMessageSinkTest, LineBreaksBecomeSpacesAndTrailingOnesGo)
{
    EXPECT_EQ(FormatMessageLine("Could not open the file.\nCode: 0", MessageIcon::Error),
              "error: Could not open the file. Code: 0");
    EXPECT_EQ(FormatMessageLine("a\r\nb\n\nc\r\n\r\n", MessageIcon::Warning), "warning: a b  c");
    EXPECT_EQ(FormatMessageLine("a\rb\r", MessageIcon::Error), "error: a\rb");
    EXPECT_EQ(FormatMessageLine("\r\n", MessageIcon::Information), "info: ");
}

}  // namespace
}  // namespace tessark::cli
