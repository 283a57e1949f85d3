#include "gui/posix/FileSelectorCommand.h"

#include "gui/CNewFileSelector.h"

namespace {

// A leading dot names a hidden file, not an extension.
bool hasExtension(const std::string& name)
{
    const size_t slash = name.find_last_of('/');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    const size_t dot = name.find_last_of('.');
    return dot != std::string::npos && dot > start;
}

std::string withDefaultExtension(const std::string& name, const CNewFileSelector& selector)
{
    const CFileExtension* extension = selector.getDefaultExtension();
    if (name.empty() || !extension || extension->getExtension().empty() || hasExtension(name))
        return name;
    return name + "." + extension->getExtension();
}

// The folder the dialog opens in, as a path that names it as a folder.
std::string folderOf(const CNewFileSelector& selector)
{
    std::string folder = selector.getInitialDirectory();
    if (!folder.empty() && folder.back() != '/')
        folder += '/';
    return folder;
}

}  // namespace

std::vector<std::string> fileDialogArguments(FileDialogTool tool, const CNewFileSelector& selector)
{
    const bool save = selector.getStyle() == CNewFileSelector::kSelectSaveFile;
    std::string start = folderOf(selector);
    if (save)
        start += withDefaultExtension(selector.getDefaultSaveName(), selector);

    std::vector<std::string> args;
    if (tool == FileDialogTool::Zenity) {
        args = {"zenity", "--file-selection"};
        if (save) {
            args.push_back("--save");
            args.push_back("--confirm-overwrite");
        }
        args.push_back("--title=" + selector.getTitle());
        if (!start.empty())
            args.push_back("--filename=" + start);
        for (const CFileExtension& extension : selector.getFileExtensions())
            args.push_back("--file-filter=" + extension.getDescription() + " | *." + extension.getExtension());
        return args;
    }

    std::string filter;
    for (const CFileExtension& extension : selector.getFileExtensions()) {
        if (!filter.empty())
            filter += '\n';
        filter += "*." + extension.getExtension() + "|" + extension.getDescription();
    }
    args = {"kdialog", "--title", selector.getTitle(), save ? "--getsavefilename" : "--getopenfilename",
            start.empty() ? "." : start};
    if (!filter.empty())
        args.push_back(filter);
    return args;
}

std::string chosenPath(const std::string& output, const CNewFileSelector& selector)
{
    std::string path = output;
    while (!path.empty() && (path.back() == '\n' || path.back() == '\r'))
        path.pop_back();
    // One path is asked for; a line break inside means the output is not one.
    if (path.find('\n') != std::string::npos)
        return std::string();
    if (selector.getStyle() == CNewFileSelector::kSelectSaveFile)
        path = withDefaultExtension(path, selector);
    return path;
}
