#pragma once

namespace tessark::command {

// The editor's command numbers; menus, the toolbar and the accelerators share them, and the
// floor and brush-size commands compute with them.
enum Id : int {
    FloorFirst = 32779,  // "+7"; floor = id - FloorFirst
    FloorLast = 32794,   // "-8"
    SelectTool = 32822,
    PaintBrush = 32823,
    FloorUp = 32824,
    FloorDown = 32825,
    GroundFloor = 32826,
    Overview = 32833,
    ProtectionZoneTool = 32835,
    HouseTool = 32836,
    MapProperties = 32844,
    FillGround = 32845,
    ShowAnimations = 32846,
    Delete = 32847,
    ThingProperties = 32848,
    Eraser = 32849,
    SelectItem = 32851,
    BrushSizeFirst = 32857,  // "1x1"; radius = id - BrushSizeFirst
    BrushSizeLast = 32861,
    ShowShade = 32863,
    SelectionTool = 32868,
    MaterialsWindow = 32869,
    MoveTool = 32871,
    MultiFloorSelect = 32876,
    JumpToItem = 32877,
    ShowSpawns = 32880,
    SpawnTool = 32898,
    NewMap = 32901,
    ShowCreatures = 32902,
    OpenMap = 32903,
    VerifyMap = 32909,
    Import = 32910,
    LoadTemplate = 32913,
    EditTowns = 32914,
    EditHouses = 32915,
    EraserSizeFirst = 32916,
    EraserSizeLast = 32920,
    Minimap = 32922,
    DeselectHouse = 32928,
    SetHouseExit = 32930,
    SelectHouse = 32932,
    FileNew = 57600,  // New without the properties sheet (Ctrl+N)
    FileOpen = 57601,
    FileSave = 57603,
    FileSaveAs = 57604,
    RecentFile = 57616,
    Copy = 57634,
    Cut = 57635,
    Paste = 57637,
    Undo = 57643,
    Redo = 57644,
    About = 57664,
    Exit = 57665,
    NextPane = 57680,
    PreviousPane = 57681,
    ViewToolbar = 59392,
    ViewStatusBar = 59393,
    KeyboardShortcuts = 59500,  // Help > "Keyboard shortcuts"
};

}  // namespace tessark::command
