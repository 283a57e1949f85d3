// A file selector that answers from a script instead of showing a dialog, and remembers how each one was set up.
// While a SelectorScript lives, every CNewFileSelector::create hands out scripted selectors, frame or not.
#pragma once

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "gui/CNewFileSelector.h"

namespace selectortest {

// How a selector looked when it was run.
struct SelectorRun
{
    CNewFileSelector::Style style;
    std::string title;
    std::string initialDirectory;
    std::string defaultSaveName;
    std::string defaultExtension;  // "description|extension", empty when none was set
    std::vector<std::string> fileTypes;  // "description|extension" each
};

class SelectorScript
{
public:
    SelectorScript();
    ~SelectorScript() { CNewFileSelector::setFactory(nullptr); }
    SelectorScript(const SelectorScript&) = delete;
    SelectorScript& operator=(const SelectorScript&) = delete;

    // The next run chooses these paths (none: the user cancels). A run with nothing scripted cancels.
    void answer(std::vector<std::string> paths) { answers_.push_back(std::move(paths)); }
    void choose(const std::string& path) { answer({path}); }

    const std::vector<SelectorRun>& runs() const { return runs_; }
    int created() const { return created_; }

private:
    friend class ScriptedFileSelector;
    std::deque<std::vector<std::string>> answers_;
    std::vector<SelectorRun> runs_;
    int created_ = 0;
};

class ScriptedFileSelector : public CNewFileSelector
{
public:
    ScriptedFileSelector(Style style, SelectorScript& script) : CNewFileSelector(style), script_(script) {}

protected:
    bool runModalInternal(std::vector<std::string>& selected) override
    {
        SelectorRun run{getStyle(), getTitle(), getInitialDirectory(), getDefaultSaveName(), {}, {}};
        if (const CFileExtension* extension = getDefaultExtension())
            run.defaultExtension = extension->getDescription() + "|" + extension->getExtension();
        for (const CFileExtension& extension : getFileExtensions())
            run.fileTypes.push_back(extension.getDescription() + "|" + extension.getExtension());
        script_.runs_.push_back(run);
        if (script_.answers_.empty())
            return false;
        selected = script_.answers_.front();
        script_.answers_.pop_front();
        return !selected.empty();
    }

private:
    SelectorScript& script_;
};

inline SelectorScript::SelectorScript()
{
    CNewFileSelector::setFactory([this](CNewFileSelector::Style style) {
        ++created_;
        return std::unique_ptr<CNewFileSelector>(new ScriptedFileSelector(style, *this));
    });
}

}  // namespace selectortest
