#pragma once

#include <QString>
#include <QWidget>

class QLineEdit;

namespace tessark {

class CFileNameEdit;
class NumberSpinEdit;

// What the "General" page edits; the caller fills it before the page opens and reads it after OK.
struct GeneralPageFields {
    bool isNew = true;
    int width = 1000;
    int height = 1000;
    int maxWidth = 65536;
    int maxHeight = 65536;
    int templeX = 100;
    int templeY = 100;
    int templeZ = 7;
    QString filename;
    QString spawnFile;
    QString houseFile;
    QString description;
};

// The map's general settings: file name (only for a new map), size, temple (shown, not
// editable), description and the side-file names.
class CGeneralPage final : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMinimumSize = 128;
    static constexpr int kMaxTextLength = 80;
    static constexpr const char* kShrinkWarning =
        "Warning: Setting the map size to a lower size than the original size could cause loss of map "
        "data, continue?";

    explicit CGeneralPage(const GeneralPageFields& fields, QWidget* parent = nullptr);

    // Takes the controls' values into the fields, checking the size limits; on a value out of
    // range shows the range message, puts the focus there and returns false.
    bool OnKillActive();
    // Asks before shrinking an existing map; Cancel puts the size back. The page closes either way.
    void OnOK();

    const GeneralPageFields& Fields() const { return fields_; }
    int OriginalWidth() const { return originalWidth_; }
    int OriginalHeight() const { return originalHeight_; }

    CFileNameEdit& FilenameEdit() const { return *filename_; }
    NumberSpinEdit& WidthEdit() const { return *width_; }
    NumberSpinEdit& HeightEdit() const { return *height_; }
    NumberSpinEdit& TempleEdit(int axis) const { return *temple_[axis]; }
    QLineEdit& DescriptionEdit() const { return *description_; }
    CFileNameEdit& SpawnFileEdit() const { return *spawnFile_; }
    QLineEdit& HouseFileEdit() const { return *houseFile_; }

private:
    bool ExchangeNumber(NumberSpinEdit& edit, int minimum, int maximum, int& field, bool checkRange);

    GeneralPageFields fields_;
    int originalWidth_ = 0;
    int originalHeight_ = 0;
    CFileNameEdit* filename_;
    NumberSpinEdit* width_;
    NumberSpinEdit* height_;
    NumberSpinEdit* temple_[3];
    QLineEdit* description_;
    CFileNameEdit* spawnFile_;
    QLineEdit* houseFile_;
};

}  // namespace tessark
