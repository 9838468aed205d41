#include "app/RecentFileList.h"

#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QSettings>

#include "app/CommandIds.h"

namespace tessark {

namespace {
constexpr const char* kSection = "Recent File List";
}

RecentFileList::RecentFileList(QMenu& menu, QAction& placeholder, QObject* parent)
    : QObject(parent), menu_(menu), placeholder_(placeholder)
{
    Rebuild();
}

void RecentFileList::Add(const QString& path)
{
    const QString absolute = QFileInfo(path).absoluteFilePath();
    files_.removeAll(absolute);
    files_.prepend(absolute);
    while (files_.size() > kSize) {
        files_.removeLast();
    }
    Rebuild();
    Save();
}

void RecentFileList::Remove(const QString& path)
{
    files_.removeAll(path);
    Rebuild();
    Save();
}

void RecentFileList::Load()
{
    QSettings settings;
    settings.beginGroup(kSection);
    files_.clear();
    for (int i = 1; i <= kSize; ++i) {
        const QString file = settings.value(QString("File%1").arg(i)).toString();
        if (!file.isEmpty() && !files_.contains(file)) {
            files_.append(file);
        }
    }
    settings.endGroup();
    Rebuild();
}

void RecentFileList::Save() const
{
    QSettings settings;
    settings.beginGroup(kSection);
    for (int i = 1; i <= kSize; ++i) {
        const QString key = QString("File%1").arg(i);
        if (i <= files_.size()) {
            settings.setValue(key, files_[i - 1]);
        } else {
            settings.remove(key);
        }
    }
    settings.endGroup();
}

void RecentFileList::Rebuild()
{
    for (QAction* entry : entries_) {
        menu_.removeAction(entry);
        entry->deleteLater();
    }
    entries_.clear();
    placeholder_.setVisible(files_.isEmpty());
    placeholder_.setEnabled(false);
    for (int i = 0; i < files_.size(); ++i) {
        const QString path = files_[i];
        auto* entry = new QAction(QString("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), &menu_);
        entry->setData(command::RecentFile + i);
        connect(entry, &QAction::triggered, this, [this, path] { emit OpenRequested(path); });
        menu_.insertAction(&placeholder_, entry);
        entries_.append(entry);
    }
}

}  // namespace tessark
