// The file selector: the platform's own open or save dialog, run modally. Paths are UTF-8 on every platform.
// GUI thread.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "gui/CFileExtension.h"

class CFrame;

class CNewFileSelector
{
public:
    enum Style
    {
        kSelectFile,      // open one existing file
        kSelectSaveFile,  // name a file to write
    };
    // Makes the selector create() hands out in place of the platform's dialog.
    using Factory = std::function<std::unique_ptr<CNewFileSelector>(Style)>;

    // A selector for the frame's window; null without a frame, unless a factory is installed (then whatever it
    // makes, frame or not).
    static std::unique_ptr<CNewFileSelector> create(CFrame* parent, Style style = kSelectFile);
    // The platform's own dialog, without a parent window.
    static std::unique_ptr<CNewFileSelector> createNative(Style style);
    // Installs the factory create() asks first (scripted selectors in tests); an empty one removes it.
    static void setFactory(Factory factory);

    virtual ~CNewFileSelector() = default;
    CNewFileSelector(const CNewFileSelector&) = delete;
    CNewFileSelector& operator=(const CNewFileSelector&) = delete;

    void setTitle(const std::string& title) { title_ = title; }
    void setInitialDirectory(const std::string& directory) { initialDirectory_ = directory; }
    void setDefaultSaveName(const std::string& name) { defaultSaveName_ = name; }
    // The extension a saved name gets when it has none; also offered as a file type when it is not one yet.
    void setDefaultExtension(const CFileExtension& extension);
    void addFileExtension(const CFileExtension& extension);

    // Shows the dialog and waits for the user; false when nothing was chosen.
    bool runModal();
    int32_t getNumSelectedFiles() const { return static_cast<int32_t>(selected_.size()); }
    // Null past the last one.
    const char* getSelectedFile(uint32_t index) const;

    Style getStyle() const { return style_; }
    const std::string& getTitle() const { return title_; }
    const std::string& getInitialDirectory() const { return initialDirectory_; }
    const std::string& getDefaultSaveName() const { return defaultSaveName_; }
    const CFileExtension* getDefaultExtension() const { return defaultExtension_.get(); }
    const std::vector<CFileExtension>& getFileExtensions() const { return extensions_; }

protected:
    explicit CNewFileSelector(Style style) : style_(style) {}
    // Runs the dialog; fills selected with the chosen paths. False when the user cancelled or no dialog ran.
    virtual bool runModalInternal(std::vector<std::string>& selected) = 0;

private:
    Style style_;
    std::string title_;
    std::string initialDirectory_;
    std::string defaultSaveName_;
    std::unique_ptr<CFileExtension> defaultExtension_;
    std::vector<CFileExtension> extensions_;
    std::vector<std::string> selected_;
};
