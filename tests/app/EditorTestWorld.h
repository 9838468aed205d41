#pragma once

#include <QString>

#include "app/QtPrinters.h"
#include <memory>
#include <string>

#include "app/MessageBoxSink.h"
#include "data/GameData.h"
#include "support/ScratchDirectory.h"

namespace tessark {
class CMainFrame;
class CTessarkDoc;
class SpriteRenderer;
}  // namespace tessark

namespace tessark::test {

// Keys of the test data set's types (TestDataSet.h).
enum DataSetKey : int32_t { kGrass = 0, kDirt = 1, kWall = 2, kBag = 3, kFountain = 8 };

// The test data set written to a scratch folder and loaded, a document with the map formats,
// and (on request) the main window over them, as start-up makes them.
class EditorTestWorld {
public:
    // materialsXml, when given, replaces the data set's materials.xml.
    explicit EditorTestWorld(const std::string& materialsXml = {});
    ~EditorTestWorld();

    CMainFrame& Frame();
    // Destroys the window (saving what it saves at exit) and makes a new one, as a second start.
    CMainFrame& RestartFrame();
    void CloseFrame();

    GameData& Data() { return data_; }
    CTessarkDoc& Document() { return *document_; }
    SpriteRenderer& Renderer() { return *renderer_; }
    std::string File(const std::string& name) const { return folder_.File(name); }
    QString QFile(const std::string& name) const { return QString::fromStdString(File(name)); }

    // Puts an item of the key on the tile through the document.
    void Place(int32_t key, int x, int y, int z);

private:
    ScratchDirectory folder_;
    GameData data_;
    MessageBoxSink messages_;
    std::unique_ptr<SpriteRenderer> renderer_;
    std::unique_ptr<CTessarkDoc> document_;
    std::unique_ptr<CMainFrame> frame_;
};

}  // namespace tessark::test
