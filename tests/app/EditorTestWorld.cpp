#include "app/EditorTestWorld.h"

#include <QSettings>
#include <filesystem>
#include <gtest/gtest.h>

#include "app/MainFrame.h"
#include "data/DataLoader.h"
#include "mapfiles/MapFormats.h"
#include "model/TessarkDoc.h"
#include "model/ThingFactory.h"
#include "platform/MessageSink.h"
#include "render/SpriteRenderer.h"
#include "support/TestDataSet.h"

namespace tessark::test {

EditorTestWorld::EditorTestWorld(const std::string& materialsXml)
{
    // Each world starts from an empty settings store, as on a first start.
    QSettings().clear();
    const std::string data = File("data");
    std::filesystem::create_directories(data);
    EXPECT_TRUE(TestDataSet::WriteAll(data));
    if (!materialsXml.empty()) {
        EXPECT_TRUE(WriteTextFile(data + "/materials.xml", materialsXml));
    }
    RecordingMessageSink startup;
    EXPECT_TRUE(LoadDataFiles(data, data_, startup));
    renderer_ = std::make_unique<SpriteRenderer>(data_.items);
    document_ = std::make_unique<CTessarkDoc>(data_.items, messages_);
    RegisterMapFormats(*document_);
}

// Out of line: the members' types are complete only here.
EditorTestWorld::~EditorTestWorld() = default;

CMainFrame& EditorTestWorld::Frame()
{
    if (!frame_) {
        frame_ = std::make_unique<CMainFrame>(EditorContext{data_, *renderer_, *document_, messages_});
        frame_->NewFile();
    }
    return *frame_;
}

CMainFrame& EditorTestWorld::RestartFrame()
{
    CloseFrame();
    return Frame();
}

void EditorTestWorld::CloseFrame()
{
    if (frame_) {
        document_->SetModifiedFlag(false);
        frame_->close();
        frame_.reset();
    }
}

void EditorTestWorld::Place(int32_t key, int x, int y, int z)
{
    document_->AddThing(CreateThing(data_.items, key, 1), x, y, z, false);
}

}  // namespace tessark::test
