#include "core/file_utils.h"

#include <climits>
#include <cstring>
#include <cwchar>

// ---------------------------------------------------------------- FileHandle

bool FileHandle::Open(const wchar_t* path, unsigned mode)
{
    Close();
    if (!path)
        return false;
    const DWORD access = (mode & kFileWrite) ? GENERIC_WRITE : GENERIC_READ;
    const DWORD disposition = (mode & kFileCreate) ? CREATE_ALWAYS : OPEN_EXISTING;
    handle = CreateFileW(path, access, FILE_SHARE_READ, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    owned = 1;
    return handle != INVALID_HANDLE_VALUE;
}

void FileHandle::Close()
{
    if (owned && handle != INVALID_HANDLE_VALUE && handle != nullptr)
        CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
    owned = 0;
}

uint64_t FileHandle::GetSize() const
{
    LARGE_INTEGER size;
    if (handle == INVALID_HANDLE_VALUE || !GetFileSizeEx(handle, &size) || size.QuadPart < 0)
        return 0;
    return static_cast<uint64_t>(size.QuadPart);
}

size_t FileHandle::Read(void* buffer, size_t count)
{
    if (handle == INVALID_HANDLE_VALUE || !buffer || count == 0)
        return 0;
    BYTE* out = static_cast<BYTE*>(buffer);
    size_t total = 0;
    while (total < count) {
        const DWORD piece = static_cast<DWORD>(count - total < 1024 ? count - total : 1024);
        DWORD got = 0;
        if (!ReadFile(handle, out + total, piece, &got, nullptr) || got == 0)
            break;
        total += got;
    }
    return total;
}

size_t FileHandle::Write(const void* buffer, size_t count)
{
    if (handle == INVALID_HANDLE_VALUE || (!buffer && count != 0))
        return 0;
    if (count > MAXDWORD)
        count = MAXDWORD;
    DWORD written = 0;
    if (!WriteFile(handle, buffer, static_cast<DWORD>(count), &written, nullptr))
        return 0;
    return written;
}

// ---------------------------------------------------------------- whole files

BYTE* ReadWholeFile(const wchar_t* path, size_t* size)
{
    if (size)
        *size = 0;
    FileHandle file;
    if (!file.Open(path, kFileRead))
        return nullptr;
    const uint64_t fileSize = file.GetSize();
    if (fileSize == 0 || fileSize > SIZE_MAX - 2)
        return nullptr;
    HANDLE heap = GetProcessHeap();
    BYTE* data = static_cast<BYTE*>(HeapAlloc(heap, 0, static_cast<size_t>(fileSize) + 2));
    if (!data)
        return nullptr;
    // The file may have shrunk since its size was taken: only what was really read
    // counts, so no uninitialised memory ever passes for text.
    const size_t got = file.Read(data, static_cast<size_t>(fileSize));
    if (got == 0) {
        HeapFree(heap, 0, data);
        return nullptr;
    }
    data[got] = 0;
    data[got + 1] = 0;
    if (size)
        *size = got;
    return data;
}

bool WriteWholeFile(const wchar_t* path, const void* data, size_t count)
{
    FileHandle file;
    if (!file.Open(path, kFileWrite | kFileCreate))
        return false;
    if (count == 0)
        return true;
    return file.Write(data, count) == count;
}

// ---------------------------------------------------------------- HeapBuf

BYTE* HeapBuf::Reserve(int32_t bytes)
{
    if (bytes < 0)
        return nullptr;
    if (capacity >= bytes)
        return data;
    HANDLE heap = GetProcessHeap();
    if (capacity == 0 || !data) {
        BYTE* fresh = static_cast<BYTE*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, static_cast<size_t>(bytes)));
        if (!fresh)
            return nullptr;
        if (data)
            HeapFree(heap, 0, data);
        data = fresh;
        length = 0;
    } else {
        BYTE* grown = static_cast<BYTE*>(HeapReAlloc(heap, 0, data, static_cast<size_t>(bytes)));
        if (!grown)
            return nullptr;
        data = grown;
    }
    capacity = bytes;
    return data;
}

static bool AppendBytes(HeapBuf& buffer, const void* bytes, int64_t count)
{
    if (count <= 0)
        return count == 0;
    const int64_t needed = static_cast<int64_t>(buffer.length) + count;
    if (needed > INT32_MAX || !buffer.Reserve(static_cast<int32_t>(needed)))
        return false;
    std::memcpy(buffer.data + buffer.length, bytes, static_cast<size_t>(count));
    buffer.length = static_cast<int32_t>(needed);
    return true;
}

bool HeapBuf::AppendW(const wchar_t* text, int32_t count)
{
    if (!text)
        return count <= 0;
    const int64_t units = count < 0 ? static_cast<int64_t>(std::wcslen(text)) : count;
    return AppendBytes(*this, text, units * 2);
}

bool HeapBuf::AppendA(const char* text, int32_t count)
{
    if (!text)
        return count <= 0;
    const int64_t bytes = count < 0 ? static_cast<int64_t>(std::strlen(text)) : count;
    return AppendBytes(*this, text, bytes);
}

void HeapBuf::Free()
{
    if (data)
        HeapFree(GetProcessHeap(), 0, data);
    data = nullptr;
    length = 0;
    capacity = 0;
}

// ---------------------------------------------------------------- directory walk

namespace {

struct WalkState {
    const wchar_t* filter;
    bool recursive;
    WalkCallback callback;
    void* first;
    void* second;
    wchar_t path[MAX_PATH];
};

// Walks the folder whose path, with its final backslash, is the first `length`
// characters of state.path. False when the callback asked to stop.
bool WalkFolder(WalkState& state, size_t length)
{
    // Room for "*" and the terminator.
    if (length + 2 > MAX_PATH)
        return true;
    state.path[length] = L'*';
    state.path[length + 1] = L'\0';
    WIN32_FIND_DATAW found;
    HANDLE find = FindFirstFileW(state.path, &found);
    state.path[length] = L'\0';
    if (find == INVALID_HANDLE_VALUE)
        return true;
    bool goOn = true;
    do {
        const wchar_t* name = found.cFileName;
        const size_t nameLength = std::wcslen(name);
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            if (!state.recursive || std::wcscmp(name, L".") == 0 || std::wcscmp(name, L"..") == 0)
                continue;
            // A subfolder whose path would not fit is skipped, never cut short.
            if (length + nameLength + 1 >= MAX_PATH)
                continue;
            std::memcpy(state.path + length, name, nameLength * sizeof(wchar_t));
            state.path[length + nameLength] = L'\\';
            state.path[length + nameLength + 1] = L'\0';
            goOn = WalkFolder(state, length + nameLength + 1);
            state.path[length] = L'\0';
        } else {
            if (state.filter && !MatchWildcards(name, state.filter))
                continue;
            if (length + nameLength >= MAX_PATH)
                continue;
            std::memcpy(state.path + length, name, (nameLength + 1) * sizeof(wchar_t));
            goOn = state.callback(found, state.path, state.first, state.second) != 0;
            state.path[length] = L'\0';
        }
    } while (goOn && FindNextFileW(find, &found));
    FindClose(find);
    return goOn;
}

} // namespace

bool WalkDirectory(const wchar_t* folder, const wchar_t* filter, bool recursive, WalkCallback callback,
                   void* first, void* second)
{
    if (!folder || !callback)
        return true;
    WalkState state{filter, recursive, callback, first, second, {}};
    size_t length = std::wcslen(folder);
    if (length + 1 >= MAX_PATH)
        return true;
    std::memcpy(state.path, folder, length * sizeof(wchar_t));
    if (length == 0 || state.path[length - 1] != L'\\')
        state.path[length++] = L'\\';
    state.path[length] = L'\0';
    return WalkFolder(state, length);
}

// ---------------------------------------------------------------- wildcards

namespace {

wchar_t UpperUnit(wchar_t c)
{
    return static_cast<wchar_t>(reinterpret_cast<ULONG_PTR>(CharUpperW(reinterpret_cast<LPWSTR>(static_cast<ULONG_PTR>(c)))));
}

// Matches the name against one pattern [p, end).
bool MatchPattern(const wchar_t* name, const wchar_t* p, const wchar_t* end)
{
    for (;;) {
        if (p == end)
            return *name == L'\0';
        if (*p == L'*') {
            const wchar_t* rest = p + 1;
            if (rest == end)
                return true;
            if (end - p == 3 && rest[0] == L'.' && rest[1] == L'*')
                return true;   // "*.*" matches any name, also one without a dot
            if (rest[0] == L'.' && rest + 1 < end) {
                for (const wchar_t* dot = name; *dot; ++dot) {
                    if (*dot == L'.' && MatchPattern(dot + 1, rest + 1, end))
                        return true;
                }
                return false;
            }
            for (const wchar_t* suffix = name;; ++suffix) {
                if (MatchPattern(suffix, rest, end))
                    return true;
                if (*suffix == L'\0')
                    return false;
            }
        }
        if (*name == L'\0')
            return false;
        if (*p != L'?' && UpperUnit(*p) != UpperUnit(*name))
            return false;
        ++p;
        ++name;
    }
}

} // namespace

bool MatchWildcards(const wchar_t* name, const wchar_t* patterns)
{
    if (!name || !patterns)
        return false;
    if (*patterns == L'\0')
        return true;
    const wchar_t* p = patterns;
    for (;;) {
        while (*p == L' ')
            ++p;
        const wchar_t* end = p;
        while (*end && *end != L';')
            ++end;
        if (MatchPattern(name, p, end))
            return true;
        if (*end == L'\0')
            return false;
        p = end + 1;
    }
}

// ---------------------------------------------------------------- paths and windows

bool FileExists(const wchar_t* path)
{
    return path && GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

bool FileExistsA(const char* path)
{
    return path && GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES;
}

wchar_t* GetExeDir(wchar_t* buffer, size_t size)
{
    if (!buffer || size == 0)
        return buffer;
    const DWORD capacity = size > MAXDWORD ? MAXDWORD : static_cast<DWORD>(size);
    const DWORD length = GetModuleFileNameW(nullptr, buffer, capacity);
    if (length == 0 || length >= capacity) {
        buffer[0] = L'\0';
        return buffer;
    }
    wchar_t* slash = std::wcsrchr(buffer, L'\\');
    if (!slash) {
        buffer[0] = L'\0';
        return buffer;
    }
    slash[1] = L'\0';
    return slash + 1;
}

std::wstring ExePath()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD capacity = static_cast<DWORD>(path.size());
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), capacity);
        if (length == 0)
            return std::wstring();
        if (length < capacity) {
            path.resize(length);
            return path;
        }
        if (capacity >= 32768)
            return std::wstring();
        path.resize(path.size() * 2);
    }
}

std::wstring ExeFolderFile(const wchar_t* name)
{
    std::wstring path = ExePath();
    const size_t slash = path.rfind(L'\\');
    if (slash == std::wstring::npos)
        return std::wstring();
    path.resize(slash + 1);
    return path + (name ? name : L"");
}

HFONT CreateBoldFont(HWND window)
{
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (!font)
        font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    LOGFONTW face = {};
    if (!GetObjectW(font, sizeof(face), &face))
        return nullptr;
    face.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&face);
}

bool IsVistaOrLater()
{
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#ifdef _MSC_VER
#pragma warning(suppress : 4996)
#endif
    if (!GetVersionExW(&version))
        return false;
    return version.dwMajorVersion > 5;
}

bool ModifyWindowLong(HWND window, int index, LONG_PTR mask, LONG_PTR bits)
{
    const LONG_PTR old = GetWindowLongPtrW(window, index);
    const LONG_PTR value = (old & ~mask) | (bits & mask);
    if (value == old)
        return false;
    SetWindowLongPtrW(window, index, value);
    return true;
}
