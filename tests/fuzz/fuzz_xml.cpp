// Feeds arbitrary text to the XML document, walks and edits what it found, and checks that
// the patched element table still describes the text exactly.
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "support/MarkupTableAccess.h"
#include "xml/Markup.h"
#include "xml/XmlTextFile.h"

using tessark::CMarkup;
using tessark::MarkupTableAccess;

namespace {

constexpr std::array<std::string_view, 8> kNames = {"",  "a", "b",    "spawn", "monster",
                                                    "x", "name", "bad name"};

void Check(bool condition, const char* what)
{
    if (!condition) {
        std::fprintf(stderr, "fuzz_xml: %s\n", what);
        std::abort();
    }
}

void CheckTable(const CMarkup& markup)
{
    const std::string problem = MarkupTableAccess::CheckOffsets(markup);
    Check(problem.empty(), problem.c_str());
}

// UTF-16 input goes through the file reader as well.
void ReadThroughFile(std::string_view bytes)
{
    char path[] = "/tmp/fuzz_xml_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) {
        return;
    }
    const bool written = write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    close(fd);
    if (written) {
        const tessark::XmlTextFile file = tessark::ReadXmlTextFile(path);
        if (file.result == tessark::XmlReadResult::Ok) {
            CMarkup(file.text).FindChildElement();
        }
    }
    unlink(path);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    const size_t opCount = std::min<size_t>(data[0] % 48, size - 1);
    const std::string_view ops(reinterpret_cast<const char*>(data) + 1, opCount);
    const std::string_view text(reinterpret_cast<const char*>(data) + 1 + opCount,
                                size - 1 - opCount);
    if (text.size() >= 2 && static_cast<uint8_t>(text[0]) == 0xFF &&
        static_cast<uint8_t>(text[1]) == 0xFE) {
        ReadThroughFile(text);
    }

    CMarkup markup;
    const bool parsed = markup.SetDocument(text);
    Check(markup.GetDocument() == text, "text changed by parsing");
    Check(parsed || MarkupTableAccess::Flatten(markup).empty(), "failed parse left elements");
    CheckTable(markup);

    for (unsigned char op : ops) {
        const std::string_view name = kNames[(op >> 3) % kNames.size()];
        switch (op & 7) {
        case 0: markup.FindElement(name); break;
        case 1: markup.FindChildElement(name); break;
        case 2: markup.IntoElement(); break;
        case 3: markup.OutOfElement(); break;
        case 4: {
            const std::string value = markup.GetAttribute(name) + markup.GetChildAttribute(name);
            tessark::ReadXmlNumber(value);
            break;
        }
        case 5: {
            const std::string value = std::string("v<&\"'>") + static_cast<char>(op);
            if (markup.SetAttribute(name, value)) {
                Check(markup.GetAttribute(name) == value, "attribute not read back");
            }
            break;
        }
        case 6: markup.AddElement(name); break;
        default: markup.SetAttribute(name, static_cast<int>(op) - 128); break;
        }
        CheckTable(markup);
    }

    if (parsed) {
        CMarkup reparsed;
        Check(reparsed.SetDocument(markup.GetDocument()), "edited document no longer parses");
        Check(MarkupTableAccess::Flatten(markup) == MarkupTableAccess::Flatten(reparsed),
              "patched table differs from a fresh parse");
    }
    return 0;
}
