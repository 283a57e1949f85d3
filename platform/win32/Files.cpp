#include "platform/Files.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace platform {

namespace {

// The most one ReadFile or WriteFile call is given.
constexpr DWORD kChunk = 1u << 20;

class FileHandle
{
public:
    explicit FileHandle(HANDLE handle) : handle_(handle) {}
    ~FileHandle() { close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;

    bool valid() const { return handle_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return handle_; }
    bool close()
    {
        if (!valid())
            return true;
        const bool closed = CloseHandle(handle_) != 0;
        handle_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE handle_;
};

bool writeAll(HANDLE file, const uint8_t* bytes, size_t size)
{
    while (size > 0) {
        const DWORD chunk = size > kChunk ? kChunk : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file, bytes, chunk, &written, nullptr) || written == 0)
            return false;
        bytes += written;
        size -= written;
    }
    return true;
}

}  // namespace

bool readFileBytes(const std::string& path, size_t maxSize, std::vector<uint8_t>& bytes)
{
    bytes.clear();
    std::wstring wide;
    if (path.empty() || !toWide(path, wide))
        return false;
    // A folder does not open without backup semantics, so only files get past here.
    FileHandle file(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    LARGE_INTEGER size{};
    if (!file.valid() || GetFileType(file.get()) != FILE_TYPE_DISK || !GetFileSizeEx(file.get(), &size) ||
        size.QuadPart < 0 || static_cast<unsigned long long>(size.QuadPart) > maxSize)
        return false;
    std::vector<uint8_t> data(static_cast<size_t>(size.QuadPart));
    size_t filled = 0;
    while (filled < data.size()) {
        const size_t left = data.size() - filled;
        const DWORD chunk = left > kChunk ? kChunk : static_cast<DWORD>(left);
        DWORD got = 0;
        if (!ReadFile(file.get(), data.data() + filled, chunk, &got, nullptr))
            return false;
        if (got == 0)
            break;
        filled += got;
    }
    data.resize(filled);
    bytes.swap(data);
    return true;
}

bool replaceFileBytes(const std::string& path, const uint8_t* bytes, size_t size)
{
    std::wstring target;
    if (path.empty() || (!bytes && size > 0) || !toWide(path, target))
        return false;
    const size_t separator = target.find_last_of(L"\\/");
    if (separator == target.size() - 1)
        return false;
    std::wstring folder = separator == std::wstring::npos ? L"." : target.substr(0, separator + 1);

    // GetTempFileNameW makes the file itself, under a name no one else holds.
    wchar_t temp[MAX_PATH + 1] = {};
    if (GetTempFileNameW(folder.c_str(), L"qor", 0, temp) == 0)
        return false;
    bool saved = false;
    {
        FileHandle file(
            CreateFileW(temp, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        saved = file.valid() && writeAll(file.get(), bytes, size) && FlushFileBuffers(file.get()) && file.close();
    }
    if (saved)
        saved = MoveFileExW(temp, target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    if (!saved)
        DeleteFileW(temp);
    return saved;
}

}  // namespace platform
