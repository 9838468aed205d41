#pragma once

namespace tessark {

class CTessarkDoc;
class MessageBoxSink;
class SpriteRenderer;
struct GameData;

// The process-wide objects the main window works with; all outlive it.
struct EditorContext {
    GameData& data;
    SpriteRenderer& renderer;
    CTessarkDoc& document;
    MessageBoxSink& messages;
};

}  // namespace tessark
