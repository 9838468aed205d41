#pragma once

#include <QObject>
#include <QStringList>

class QAction;
class QMenu;

namespace tessark {

// The recently used maps, newest first, at most five, kept in the settings store under
// "Recent File List" (File1 ... File5) and shown in the File menu in place of "Recent File".
class RecentFileList final : public QObject {
    Q_OBJECT
public:
    static constexpr int kSize = 5;

    // placeholder: the disabled "Recent File" item shown while the list is empty.
    RecentFileList(QMenu& menu, QAction& placeholder, QObject* parent = nullptr);

    void Add(const QString& path);
    void Remove(const QString& path);
    const QStringList& Files() const { return files_; }
    // The menu items of the entries, in list order.
    QList<QAction*> Entries() const { return entries_; }

    void Load();
    void Save() const;

signals:
    void OpenRequested(const QString& path);

private:
    void Rebuild();

    QMenu& menu_;
    QAction& placeholder_;
    QStringList files_;
    QList<QAction*> entries_;
};

}  // namespace tessark
