#pragma once

#include <QStringList>
#include <deque>
#include <optional>

#include "app/FilePrompts.h"

namespace tessark::test {

// File dialogs answered from a list; what they were asked is kept.
class ScriptedPrompts final : public FilePrompts {
public:
    struct Log {
        QStringList openTitles;
        QStringList openFilters;
        QStringList proposedNames;
    };

    explicit ScriptedPrompts(Log& log) : log_(log) {}

    // Queued answers; nullopt stands for Cancel.
    std::deque<std::optional<QString>> answers;

    std::optional<QString> OpenFileName(QWidget*, const QString& title, const QString& filter) override
    {
        log_.openTitles << title;
        log_.openFilters << filter;
        return Next();
    }
    std::optional<QString> SaveFileName(QWidget*, const QString& proposed, const QString&) override
    {
        log_.proposedNames << proposed;
        return Next();
    }

private:
    std::optional<QString> Next()
    {
        std::optional<QString> answer;
        if (!answers.empty()) {
            answer.swap(answers.front());
            answers.pop_front();
        }
        return answer;
    }

    Log& log_;
};

}  // namespace tessark::test
