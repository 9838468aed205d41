#pragma once

namespace tessark {

// Command ids of the map view's menus, toolbar buttons and context menus. The editor's actions
// carry them so that menu items, toolbar buttons and keys end in the same engine call.
namespace command {

// Tools.
inline constexpr int kSelectTool = 32822;
inline constexpr int kPaintBrush = 32823;
inline constexpr int kProtectionZoneTool = 32835;
inline constexpr int kHouseTool = 32836;
inline constexpr int kEraser = 32849;
inline constexpr int kSelectionTool = 32868;
inline constexpr int kMoveTool = 32871;
inline constexpr int kSpawnTool = 32898;

// Brush sizes "1x1" to "9x9": the paint brush's, then the eraser's.
inline constexpr int kBrushSizeFirst = 32857;
inline constexpr int kBrushSizeLast = 32861;
inline constexpr int kEraserSizeFirst = 32916;
inline constexpr int kEraserSizeLast = 32920;

// Map commands.
inline constexpr int kFillGround = 32845;
inline constexpr int kDelete = 32847;
inline constexpr int kProperties = 32848;
inline constexpr int kSelect = 32851;
inline constexpr int kJumpToItem = 32877;
inline constexpr int kEditTowns = 32914;
inline constexpr int kEditHouses = 32915;
inline constexpr int kDeselectHouse = 32928;
inline constexpr int kSetHouseExit = 32930;
inline constexpr int kSelectHouse = 32932;

// History.
inline constexpr int kUndo = 57643;
inline constexpr int kRedo = 57644;

// Clipboard.
inline constexpr int kCopy = 57634;
inline constexpr int kCut = 57635;
inline constexpr int kPaste = 57637;

}  // namespace command

// The two context menus of the map view: over an empty spot, and over a chosen thing.
inline constexpr int kContextMenuNoThing = 132;
inline constexpr int kContextMenuThing = 133;

}  // namespace tessark
