#include "app/ViewMemory.h"

#include <QFileInfo>
#include <QList>
#include <QSettings>

namespace tessark {

namespace {

constexpr const char* kGroup = "Views";
constexpr const char* kArray = "Maps";

struct Entry {
    QString path;
    ViewPlace place;
};

// One file under one name, however it was reached.
QString Key(const QString& path)
{
    const QFileInfo info(path);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

QList<Entry> ReadEntries(QSettings& settings)
{
    QList<Entry> entries;
    settings.beginGroup(kGroup);
    const int count = settings.beginReadArray(kArray);
    for (int i = 0; i < count; ++i) {
        settings.setArrayIndex(i);
        Entry entry;
        entry.path = settings.value("path").toString();
        entry.place.center = {settings.value("x").toInt(), settings.value("y").toInt(), settings.value("z").toInt()};
        entry.place.zoom = settings.value("zoom", 1.0).toFloat();
        if (!entry.path.isEmpty()) {
            entries.append(entry);
        }
    }
    settings.endArray();
    settings.endGroup();
    return entries;
}

}  // namespace

void ViewMemory::Remember(const QString& path, const ViewPlace& place)
{
    if (path.isEmpty()) {
        return;
    }
    QSettings settings;
    QList<Entry> entries = ReadEntries(settings);
    const QString key = Key(path);
    entries.removeIf([&](const Entry& entry) { return entry.path == key; });
    entries.prepend({key, place});
    while (entries.size() > kMaxMaps) {
        entries.removeLast();
    }
    settings.beginGroup(kGroup);
    settings.remove(kArray);
    settings.beginWriteArray(kArray, static_cast<int>(entries.size()));
    for (int i = 0; i < entries.size(); ++i) {
        settings.setArrayIndex(i);
        const Entry& entry = entries[i];
        settings.setValue("path", entry.path);
        settings.setValue("x", entry.place.center.x);
        settings.setValue("y", entry.place.center.y);
        settings.setValue("z", entry.place.center.z);
        settings.setValue("zoom", entry.place.zoom);
    }
    settings.endArray();
    settings.endGroup();
}

std::optional<ViewPlace> ViewMemory::Recall(const QString& path)
{
    if (path.isEmpty()) {
        return std::nullopt;
    }
    QSettings settings;
    const QString key = Key(path);
    for (const Entry& entry : ReadEntries(settings)) {
        if (entry.path == key) {
            return entry.place;
        }
    }
    return std::nullopt;
}

}  // namespace tessark
