// The file selector on Windows: the common open and save dialogs, with UTF-8 paths converted to and from UTF-16.
#include <cwchar>

#include <windows.h>
#include <commdlg.h>

#include "gui/CNewFileSelector.h"
#include "platform/win32/WideText.h"

namespace {

// Room for the longest path the dialogs hand back with the long-path prefix.
constexpr size_t kPathChars = 32768;

class Win32FileSelector final : public CNewFileSelector
{
public:
    explicit Win32FileSelector(Style style) : CNewFileSelector(style) {}

protected:
    bool runModalInternal(std::vector<std::string>& selected) override
    {
        const bool save = getStyle() == kSelectSaveFile;
        std::wstring title;
        std::wstring folder;
        std::wstring defaultName;
        std::wstring defaultExtension;
        if (!platform::toWide(getTitle(), title) || !platform::toWide(getInitialDirectory(), folder))
            return false;
        // A name or extension that does not convert is left out rather than failing the dialog.
        if (save && !platform::toWide(getDefaultSaveName(), defaultName))
            defaultName.clear();
        if (getDefaultExtension() && !platform::toWide(getDefaultExtension()->getExtension(), defaultExtension))
            defaultExtension.clear();

        // Pairs of description and pattern, each ended by a null, the list by one more.
        std::wstring filter;
        for (const CFileExtension& extension : getFileExtensions()) {
            std::wstring description;
            std::wstring pattern;
            if (!platform::toWide(extension.getDescription(), description) ||
                !platform::toWide(extension.getExtension(), pattern))
                continue;
            filter += description + L" (*." + pattern + L")";
            filter.push_back(L'\0');
            filter += L"*." + pattern;
            filter.push_back(L'\0');
        }
        filter.push_back(L'\0');

        std::wstring file(kPathChars, L'\0');
        if (defaultName.size() < kPathChars)
            file.replace(0, defaultName.size(), defaultName);

        OPENFILENAMEW dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = nullptr;
        dialog.lpstrFilter = filter.c_str();
        dialog.nFilterIndex = 1;
        dialog.lpstrFile = &file[0];
        dialog.nMaxFile = static_cast<DWORD>(file.size());
        dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
        dialog.lpstrTitle = title.c_str();
        dialog.lpstrDefExt = defaultExtension.empty() ? nullptr : defaultExtension.c_str();
        // The dialogs must not move the host's current directory.
        dialog.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST |
                       (save ? OFN_OVERWRITEPROMPT : OFN_FILEMUSTEXIST);
        if (!(save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog)))
            return false;

        std::string path;
        if (!platform::fromWide(file.c_str(), std::wcslen(file.c_str()), path) || path.empty())
            return false;
        selected.push_back(path);
        return true;
    }
};

}  // namespace

std::unique_ptr<CNewFileSelector> CNewFileSelector::createNative(Style style)
{
    return std::unique_ptr<CNewFileSelector>(new Win32FileSelector(style));
}
