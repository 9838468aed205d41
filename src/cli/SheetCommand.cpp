#include "cli/SheetCommand.h"

#include <algorithm>
#include <iostream>
#include <string>

#include "cli/SurfacePng.h"
#include "platform/MessageSink.h"
#include "cli/TinyFont.h"
#include "data/GameData.h"
#include "platform/Surface.h"
#include "render/SpriteRenderer.h"

namespace tessark::cli {

namespace {

constexpr int kCell = 64;
constexpr int kLabelHeight = 14;
constexpr int kHeaderHeight = 22;
constexpr int kGap = 1;
constexpr int kDefaultColumns = 16;
constexpr uint32_t kWindow = 0x00FFFFFF;
constexpr uint32_t kGrid = 0x00D0D0D0;
constexpr uint32_t kText = 0x00000000;
constexpr uint32_t kHeader = 0x00404040;

int Rows(int count, int columns)
{
    return (count + columns - 1) / columns;
}

}  // namespace

Surface DrawContactSheet(const GameData& data, SpriteRenderer& renderer, int firstMaterial, int lastMaterial,
                         int columns)
{
    const int cellWidth = kCell + kGap;
    const int cellHeight = kCell + kLabelHeight + kGap;
    int height = 0;
    for (int m = firstMaterial; m <= lastMaterial; ++m) {
        height += kHeaderHeight + Rows(data.materials.GetMaterial(m).GetCount(), columns) * cellHeight;
    }
    Surface sheet(columns * cellWidth + kGap, std::max(height, 1) + kGap, kGrid);
    int top = 0;
    for (int m = firstMaterial; m <= lastMaterial; ++m) {
        const CBaseMaterial& material = data.materials.GetMaterial(m);
        sheet.Fill({0, top, sheet.Width(), top + kHeaderHeight}, kHeader);
        const std::string title = material.GetName() + " (" + std::to_string(material.GetCount()) + ")";
        TinyFont::Draw(sheet, 6, top + 6, title, kWindow, 2);
        top += kHeaderHeight;
        for (int i = 0; i < material.GetCount(); ++i) {
            const int32_t key = material.GetItem(i);
            const int left = kGap + (i % columns) * cellWidth;
            const int cellTop = top + kGap + (i / columns) * cellHeight;
            // The palette's row: window colour, the type drawn into the 64 x 64 square.
            sheet.Fill({left, cellTop, left + kCell, cellTop + kCell + kLabelHeight}, kWindow);
            sheet.SetClip({left, cellTop, left + kCell, cellTop + kCell});
            renderer.DrawPaletteItem(sheet, key, left + kCell, cellTop + kCell);
            sheet.ResetClip();
            const std::string id = std::to_string(key + kTypeKeyOffset);
            const int textLeft = left + (kCell - TinyFont::TextWidth(id, 2)) / 2;
            TinyFont::Draw(sheet, textLeft, cellTop + kCell + 2, id, kText, 2);
        }
        top += Rows(material.GetCount(), columns) * cellHeight;
    }
    return sheet;
}

int RunSheet(const CliContext& context)
{
    std::string output;
    std::string materialName;
    bool materialGiven = false;
    int columns = kDefaultColumns;
    const auto& args = context.args;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-o" && hasValue) {
            output = args[++i];
        } else if (arg == "--material" && hasValue) {
            materialName = args[++i];
            materialGiven = true;
        } else if (arg == "--columns" && hasValue) {
            try {
                columns = std::stoi(args[++i]);
            } catch (...) {
                columns = 0;
            }
            if (columns < 1 || columns > 256) {
                std::cerr << "tessark-cli: sheet: --columns takes 1 to 256\n";
                return kExitUsage;
            }
        } else {
            std::cerr << "tessark-cli: sheet: unexpected argument " << arg << '\n';
            return kExitUsage;
        }
    }
    if (output.empty()) {
        std::cerr << "tessark-cli: sheet needs -o OUT.png\n";
        return kExitUsage;
    }
    if (!context.data) {
        return kExitDataFailed;
    }
    const GameData& data = *context.data;
    int first = 0;
    int last = data.materials.GetMaterialCount() - 1;
    if (materialGiven) {
        first = -1;
        for (int m = 0; m < data.materials.GetMaterialCount(); ++m) {
            if (data.materials.GetMaterial(m).GetName() == materialName) {
                first = m;
                break;
            }
        }
        if (first < 0) {
            std::cerr << "tessark-cli: sheet: no material named " << materialName << '\n';
            return kExitUsage;
        }
        last = first;
    }
    SpriteRenderer renderer(context.data->items);
    const Surface sheet = DrawContactSheet(data, renderer, first, last, columns);
    if (!WriteSurfacePng(output, sheet)) {
        context.messages->ShowMessage("Could not write " + output + ".", MessageIcon::Error);
        return kExitMapFailed;
    }
    return kExitOk;
}

}  // namespace tessark::cli
