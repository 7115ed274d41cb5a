#include "editor/find_in_files.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <string>
#include <vector>

#if defined(_M_X64) || defined(__x86_64__) || defined(__SSE2__)
#include <emmintrin.h>
#define OVRIK_HAVE_SSE2 1
#endif

#include "core/file_utils.h"
#include "core/search_record.h"
#include "core/settings.h"
#include "core/themed_message_box.h"
#include "core/translation_table.h"
#include "core/win_handles.h"
#include "editor/doc_tabs.h"
#include "editor/edit_doc.h"
#include "editor/find_dialogs.h"
#include "editor/frame_link.h"

namespace {

// Interface strings.
constexpr int kSearchingTextId = 7;        // "Searching %s"
constexpr int kStoppedTextId = 10;
constexpr int kSummaryTextId = 11;         // hits, files with hits, files searched
constexpr int kNoDocumentFolderTextId = 300;
constexpr int kUntitledFolderTextId = 301;
constexpr int kNoFolderViewFolderTextId = 302;
constexpr int kNoSuchFolderTextId = 303;   // the folder
constexpr int kPaneBusyTextId = 304;       // the pane's number, 1 or 2
constexpr int kUnsearchableTextId = 305;
constexpr int kCannotStartTextId = 306;

// What is read from a file at once. Most source files fit in one block, so that a
// file costs one read.
constexpr size_t kReadBlock = 1 << 20;
// The most of a long line that stays in the buffer when the next block is read:
// enough for a match across the boundary and for the line's text.
constexpr size_t kCarryLimit = 1024;
// Bytes shown before a match that lies far into a long line.
constexpr size_t kContextBefore = 100;
// The status bar shows the file being searched at most this often.
constexpr DWORD kStatusInterval = 200;
// Files handed out but not yet listed, at most (bounds the memory of the lines
// waiting to be listed in walk order).
constexpr uint32_t kWindow = 64;

// Byte tables: ASCII A-Z folded to a-z, and no folding.
struct FoldTables {
    uint8_t lower[256];
    uint8_t same[256];
    FoldTables()
    {
        for (int i = 0; i < 256; ++i) {
            same[i] = static_cast<uint8_t>(i);
            lower[i] = static_cast<uint8_t>(i >= 'A' && i <= 'Z' ? i + ('a' - 'A') : i);
        }
    }
};
const FoldTables g_fold;

bool IsWordByte(uint8_t c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_';
}

// Line feeds in [begin, end).
size_t CountLineFeeds(const char* begin, const char* end)
{
    size_t count = 0;
    const char* p = begin;
#ifdef OVRIK_HAVE_SSE2
    const __m128i feed = _mm_set1_epi8('\n');
    while (end - p >= 16 * 255) {
        // Up to 255 rounds of byte counters before they are summed.
        __m128i sums = _mm_setzero_si128();
        for (int round = 0; round < 255; ++round, p += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
            sums = _mm_sub_epi8(sums, _mm_cmpeq_epi8(bytes, feed));
        }
        const __m128i wide = _mm_sad_epu8(sums, _mm_setzero_si128());
        count += static_cast<size_t>(_mm_cvtsi128_si32(wide)) +
                 static_cast<size_t>(_mm_cvtsi128_si32(_mm_srli_si128(wide, 8)));
    }
    while (end - p >= 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, feed)));
        while (mask) {
            mask &= mask - 1;
            ++count;
        }
        p += 16;
    }
#endif
    for (; p < end; ++p)
        count += *p == '\n';
    return count;
}

const char* FindByte(const char* begin, const char* end, char c)
{
    const void* found = std::memchr(begin, c, static_cast<size_t>(end - begin));
    return found ? static_cast<const char*>(found) : nullptr;
}

// The shown part of a matching line: the line (from after a line feed, CR or NUL
// up to the next one), at most kFindInFilesShownBytes of it, always with the match.
void ShownRange(const char* buffer, size_t lineBegin, size_t lineEnd, size_t match, size_t matchEnd, size_t* from,
                size_t* to)
{
    size_t begin = lineBegin;
    if (matchEnd - begin > kFindInFilesShownBytes)
        begin = std::max(lineBegin, match - std::min(match, kContextBefore));
    size_t end = std::max(std::min(lineEnd, begin + kFindInFilesShownBytes), matchEnd);
    for (size_t q = match; q > begin; --q) {
        if (buffer[q - 1] == '\r' || buffer[q - 1] == '\0') {
            begin = q;
            break;
        }
    }
    for (size_t q = matchEnd; q < end; ++q) {
        if (buffer[q] == '\r' || buffer[q] == '\0') {
            end = q;
            break;
        }
    }
    // A match longer than what is shown keeps its end.
    if (end - begin > kFindInFilesShownBytes)
        begin = end - kFindInFilesShownBytes;
    *from = begin;
    *to = end;
}

void AppendListedLine(std::wstring& lines, const wchar_t* path, int64_t line, const char* text, size_t length)
{
    lines.append(path);
    lines.push_back(L'(');
    lines.append(std::to_wstring(line));
    lines.append(L"): ");
    if (length > 0) {
        wchar_t shown[kFindInFilesShownBytes + 1];
        const int count = MultiByteToWideChar(CP_ACP, 0, text, static_cast<int>(length), shown, kFindInFilesShownBytes);
        if (count > 0)
            lines.append(shown, static_cast<size_t>(count));
    }
    lines.push_back(L'\0');
}

// ---------------------------------------------------------------- the walk and the searching threads

// One file between the walk and its listing.
struct FileSlot {
    std::wstring path;
    std::wstring lines;   // "path(line): text" lines, each ended by a NUL
    int hits = 0;         // -1: the file could not be read
    bool done = false;
};

// The hand-over between the worker (walking and listing) and the searching
// threads. The lock guards every field but the job's pattern and tables, which do
// not change while the threads run.
struct Pipeline {
    FindInFilesJob* job = nullptr;
    std::atomic<uint8_t>* running = nullptr;
    HDC measure = nullptr;   // the worker's own device context for the line widths
    SRWLOCK lock = SRWLOCK_INIT;
    CONDITION_VARIABLE fileQueued = CONDITION_VARIABLE_INIT;
    CONDITION_VARIABLE fileDone = CONDITION_VARIABLE_INIT;
    FileSlot slots[kWindow];
    uint64_t queued = 0;     // files handed out (the next file's number)
    uint64_t taken = 0;      // files a searching thread has taken
    uint64_t listed = 0;     // files whose lines were listed
    bool walkEnded = false;
};

class PipelineLock {
public:
    explicit PipelineLock(Pipeline& pipeline) : lock_(pipeline.lock) { AcquireSRWLockExclusive(&lock_); }
    ~PipelineLock() { ReleaseSRWLockExclusive(&lock_); }
    PipelineLock(const PipelineLock&) = delete;
    PipelineLock& operator=(const PipelineLock&) = delete;

private:
    SRWLOCK& lock_;
};

DWORD WINAPI SearcherThread(void* parameter)
{
    Pipeline& pipeline = *static_cast<Pipeline*>(parameter);
    std::wstring path;
    std::wstring lines;
    for (;;) {
        uint64_t number = 0;
        {
            PipelineLock hold(pipeline);
            while (pipeline.taken == pipeline.queued && !pipeline.walkEnded)
                SleepConditionVariableSRW(&pipeline.fileQueued, &pipeline.lock, INFINITE, 0);
            if (pipeline.taken == pipeline.queued)
                return 0;
            number = pipeline.taken++;
            path.swap(pipeline.slots[number % kWindow].path);
        }
        lines.clear();
        const int hits = pipeline.running->load() ? SearchOneFile(*pipeline.job, path.c_str(), kReadBlock, lines,
                                                                   pipeline.running)
                                                  : 0;
        {
            PipelineLock hold(pipeline);
            FileSlot& slot = pipeline.slots[number % kWindow];
            slot.lines.swap(lines);
            slot.hits = hits;
            slot.done = true;
        }
        WakeAllConditionVariable(&pipeline.fileDone);
    }
}

// Lists the files searched so far in walk order; with wait, also waits for the
// next one (when one is out). Worker thread only.
void ListSearchedFiles(Pipeline& pipeline, bool wait)
{
    FindInFilesJob& job = *pipeline.job;
    std::wstring lines;
    for (;;) {
        int hits = 0;
        {
            PipelineLock hold(pipeline);
            if (pipeline.listed == pipeline.queued)
                return;
            FileSlot& slot = pipeline.slots[pipeline.listed % kWindow];
            if (!slot.done) {
                if (!wait)
                    return;
                SleepConditionVariableSRW(&pipeline.fileDone, &pipeline.lock, INFINITE, 0);
                continue;
            }
            lines.swap(slot.lines);
            slot.lines.clear();
            hits = slot.hits;
            slot.done = false;
            ++pipeline.listed;
        }
        wait = false;   // one file was waited for: the caller may hand out the next
        // Once stopped nothing more is listed or counted.
        if (!pipeline.running->load())
            continue;
        for (size_t at = 0; at < lines.size();) {
            const wchar_t* line = lines.c_str() + at;
            AddResultsLine(g_mainState, line, static_cast<int>(job.pane), nullptr, pipeline.measure);
            at += std::wcslen(line) + 1;
        }
        ++job.filesSearched;
        if (hits > 0) {
            job.hitCount += hits;
            ++job.filesWithHits;
        }
    }
}

void ShowSearchingStatus(FindInFilesJob& job, const wchar_t* path)
{
    const DWORD now = GetTickCount();
    if (now - job.lastStatusTick <= kStatusInterval)
        return;
    job.lastStatusTick = now;
    wchar_t format[65] = {};
    LoadInterfaceString(g_translationTable, kSearchingTextId, format, 65);
    wchar_t text[65 + MAX_PATH] = {};
    _snwprintf(text, 64 + MAX_PATH, format, path);
    FrameShowSearchStatus(static_cast<int>(job.pane), text);
}

uint32_t DefaultSearcherCount()
{
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    const uint32_t processors = info.dwNumberOfProcessors;
    return std::clamp<uint32_t>(processors > 1 ? processors - 1 : 1, 1, 4);
}

// ---------------------------------------------------------------- the interface thread's side

// The worker of each pane; its handle is kept so that a new search or the end of
// the program can wait for it. Interface thread only.
HANDLE g_workers[2] = {};

void ForgetEndedWorker(int pane)
{
    if (g_workers[pane] && WaitForSingleObject(g_workers[pane], 0) == WAIT_OBJECT_0) {
        CloseHandle(g_workers[pane]);
        g_workers[pane] = nullptr;
    }
}

bool CurrentDocumentFolder(HWND dialog, wchar_t* folder)
{
    EditDoc* doc = g_mainState.docTabs ? g_mainState.docTabs->current : nullptr;
    if (!doc) {
        MessageBoxFormat(dialog, MB_ICONEXCLAMATION, kNoDocumentFolderTextId);
        return false;
    }
    if (!doc->path[0]) {
        MessageBoxFormat(dialog, MB_ICONEXCLAMATION, kUntitledFolderTextId, doc->title ? doc->title : L"");
        return false;
    }
    lstrcpynW(folder, doc->path, MAX_PATH);
    if (wchar_t* slash = std::wcsrchr(folder, L'\\'))
        *slash = 0;
    return true;
}

// The folder to walk by the folder source of the flags; false (told) when there is none.
bool SearchFolder(HWND dialog, uint32_t flags, wchar_t* folder)
{
    folder[0] = 0;
    const uint32_t source = (flags & SearchFlag::kFolderSourceMask) >> SearchFlag::kFolderSourceShift;
    if (source == 1) {
        if (!CurrentDocumentFolder(dialog, folder))
            return false;
    } else if (source == 2) {
        if (!FrameFolderViewPath(folder) || !folder[0]) {
            MessageBoxFormat(dialog, MB_ICONEXCLAMATION, kNoFolderViewFolderTextId);
            return false;
        }
    } else {
        GetDlgItemTextW(dialog, FindControl::kFolderCombo, folder, MAX_PATH);
    }
    const DWORD attributes = GetFileAttributesW(folder);
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        MessageBoxFormat(dialog, MB_ICONEXCLAMATION, kNoSuchFolderTextId, folder);
        SetFocus(GetDlgItem(dialog, FindControl::kFolderCombo));
        return false;
    }
    return true;
}

// Serves the messages sent to this thread (the worker's lines) while waiting for
// the thread; posted messages stay queued. False when the time ran out.
bool WaitServingSentMessages(HANDLE thread, DWORD timeoutMs)
{
    const DWORD start = GetTickCount();
    for (;;) {
        const DWORD spent = GetTickCount() - start;
        if (timeoutMs != INFINITE && spent >= timeoutMs)
            return WaitForSingleObject(thread, 0) == WAIT_OBJECT_0;
        const DWORD result = MsgWaitForMultipleObjects(1, &thread, FALSE,
                                                       timeoutMs == INFINITE ? INFINITE : timeoutMs - spent,
                                                       QS_SENDMESSAGE);
        if (result == WAIT_OBJECT_0)
            return true;
        if (result == WAIT_FAILED)
            return false;
        MSG message;
        PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
    }
}

} // namespace

// ---------------------------------------------------------------- tables

void BuildGoodSuffixTable(const char* pattern, int length, int32_t* table)
{
    const int m = length;
    if (m <= 0 || !pattern || !table)
        return;
    const auto* x = reinterpret_cast<const uint8_t*>(pattern);
    std::vector<int> suffix(static_cast<size_t>(m));
    suffix[m - 1] = m;
    int g = m - 1;
    int f = m - 1;
    for (int i = m - 2; i >= 0; --i) {
        if (i > g && suffix[i + m - 1 - f] < i - g) {
            suffix[i] = suffix[i + m - 1 - f];
        } else {
            if (i < g)
                g = i;
            f = i;
            while (g >= 0 && x[g] == x[g + m - 1 - f])
                --g;
            suffix[i] = f - g;
        }
    }
    for (int i = 0; i < m; ++i)
        table[i] = m;
    int j = 0;
    for (int i = m - 1; i >= 0; --i) {
        if (suffix[i] == i + 1) {
            for (; j < m - 1 - i; ++j) {
                if (table[j] == m)
                    table[j] = m - 1 - i;
            }
        }
    }
    for (int i = 0; i <= m - 2; ++i)
        table[m - 1 - suffix[i]] = m - 1 - i;
}

bool PrepareFindInFilesJob(FindInFilesJob& job)
{
    if (job.goodSuffix) {
        HeapFree(GetProcessHeap(), 0, job.goodSuffix);
        job.goodSuffix = nullptr;
    }
    job.patternLength = 0;
    BOOL lossy = FALSE;
    const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, job.findText, -1, job.pattern,
                                           kFindInFilesPatternCapacity, nullptr, &lossy);
    if (length <= 1 || lossy)
        return false;
    job.patternLength = length - 1;
    if (!job.matchCase) {
        for (int i = 0; i < job.patternLength; ++i)
            job.pattern[i] = static_cast<char>(g_fold.lower[static_cast<uint8_t>(job.pattern[i])]);
    }
    job.goodSuffix = static_cast<int32_t*>(
        HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(int32_t) * static_cast<size_t>(job.patternLength)));
    if (!job.goodSuffix)
        return false;
    BuildGoodSuffixTable(job.pattern, job.patternLength, job.goodSuffix);
    for (int& shift : job.badChar)
        shift = job.patternLength;
    for (int i = 0; i <= job.patternLength - 2; ++i)
        job.badChar[static_cast<uint8_t>(job.pattern[i])] = job.patternLength - 1 - i;
    return true;
}

void FreeFindInFilesJob(FindInFilesJob* job)
{
    if (!job)
        return;
    if (job->goodSuffix)
        HeapFree(GetProcessHeap(), 0, job->goodSuffix);
    HeapFree(GetProcessHeap(), 0, job);
}

// ---------------------------------------------------------------- one file

int SearchOneFile(const FindInFilesJob& job, const wchar_t* path, size_t blockSize, std::wstring& lines,
                  const std::atomic<uint8_t>* running)
{
    const size_t m = static_cast<size_t>(job.patternLength);
    if (m == 0 || !job.goodSuffix || !path)
        return 0;
    UniqueHandle file(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file)
        return -1;
    // Each block needs room for a match across its end; the carried bytes come first.
    blockSize = std::max<size_t>(blockSize, 2 * m + 2);
    // Each thread keeps its buffer from file to file: a fresh megabyte per file
    // costs more than searching it.
    thread_local std::vector<char> storage;
    if (storage.size() < blockSize + kCarryLimit + m + 2)
        storage.resize(blockSize + kCarryLimit + m + 2);
    char* buffer = storage.data();
    const uint8_t* fold = job.matchCase ? g_fold.same : g_fold.lower;
    const auto* pattern = reinterpret_cast<const uint8_t*>(job.pattern);
    const int32_t* goodSuffix = job.goodSuffix;
    const int32_t* badChar = job.badChar;
    const int last = static_cast<int>(m) - 1;

    size_t carried = 0;        // bytes at the buffer's start kept from the previous block
    size_t searchFrom = 0;     // the first start not tried yet
    size_t countedTo = 0;      // line feeds before this offset are in line
    int64_t line = 1;          // the line holding buffer[countedTo]
    int64_t listedLine = 0;    // a line is listed once
    int listed = 0;
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.Get(), buffer + carried, static_cast<DWORD>(blockSize), &got, nullptr))
            got = 0;
        const bool atEnd = got < blockSize;
        const size_t length = carried + got;
        const auto* text = reinterpret_cast<const uint8_t*>(buffer);
        // Before the end of the file the byte after a match must be in the buffer.
        const size_t needed = atEnd ? m : m + 1;
        if (length >= needed) {
            const size_t lastStart = length - needed;
            size_t p = searchFrom;
            while (p <= lastStart) {
                int j = last;
                while (j >= 0 && fold[text[p + static_cast<size_t>(j)]] == pattern[j])
                    --j;
                if (j >= 0) {
                    const int badShift = badChar[fold[text[p + static_cast<size_t>(j)]]] - last + j;
                    p += static_cast<size_t>(std::max(goodSuffix[j], badShift));
                    continue;
                }
                if (job.wholeWord && ((p > 0 && IsWordByte(text[p - 1])) || (p + m < length && IsWordByte(text[p + m])))) {
                    p += static_cast<size_t>(goodSuffix[0]);
                    continue;
                }
                line += static_cast<int64_t>(CountLineFeeds(buffer + countedTo, buffer + p));
                countedTo = p;
                const char* feed = FindByte(buffer + p + m, buffer + length, '\n');
                const size_t lineEnd = feed ? static_cast<size_t>(feed - buffer) : length;
                if (line != listedLine) {
                    size_t lineBegin = p;
                    while (lineBegin > 0 && buffer[lineBegin - 1] != '\n')
                        --lineBegin;
                    size_t from = 0;
                    size_t to = 0;
                    ShownRange(buffer, lineBegin, lineEnd, p, p + m, &from, &to);
                    AppendListedLine(lines, path, line, buffer + from, to - from);
                    listedLine = line;
                    ++listed;
                }
                // The rest of the line holds nothing more to list.
                p = feed ? lineEnd + 1 : length;
            }
        }
        if (atEnd || (running && !running->load()))
            break;

        // Keep what the next block needs: the starts not tried yet with the byte
        // before them, and as much of the current line as fits for its text.
        const size_t untried = length >= needed ? length - needed + 1 : 0;
        size_t lineStart = length;
        while (lineStart > 0 && buffer[lineStart - 1] != '\n' && length - lineStart < kCarryLimit)
            --lineStart;
        size_t keepFrom = std::max(lineStart, length > kCarryLimit ? length - kCarryLimit : 0);
        keepFrom = std::min(keepFrom, untried > 0 ? untried - 1 : 0);
        if (countedTo < keepFrom) {
            line += static_cast<int64_t>(CountLineFeeds(buffer + countedTo, buffer + keepFrom));
            countedTo = 0;
        } else {
            countedTo -= keepFrom;
        }
        searchFrom = untried > keepFrom ? untried - keepFrom : 0;
        carried = length - keepFrom;
        std::memmove(buffer, buffer + keepFrom, carried);
    }
    return listed;
}

// ---------------------------------------------------------------- the worker

BYTE SearchFileCallback(const WIN32_FIND_DATAW&, const wchar_t* path, void* jobPointer, void* pipelinePointer)
{
    auto& job = *static_cast<FindInFilesJob*>(jobPointer);
    auto& pipeline = *static_cast<Pipeline*>(pipelinePointer);
    if (!pipeline.running->load()) {
        job.stopped = 1;
        return 0;
    }
    ShowSearchingStatus(job, path);
    ListSearchedFiles(pipeline, false);
    for (;;) {
        {
            PipelineLock hold(pipeline);
            if (pipeline.queued - pipeline.listed < kWindow) {
                pipeline.slots[pipeline.queued % kWindow].path.assign(path);
                ++pipeline.queued;
                break;
            }
        }
        // The window is full: list the oldest file once it is searched.
        ListSearchedFiles(pipeline, true);
    }
    WakeConditionVariable(&pipeline.fileQueued);
    return 1;
}

DWORD WINAPI FindInFilesThread(void* parameter)
{
    auto* job = static_cast<FindInFilesJob*>(parameter);
    if (!job)
        return 0;
    const int pane = job->pane == 1 ? 1 : 0;
    // The starter marked the pane running (a stop may have cleared it since).
    std::atomic<uint8_t>& running = g_mainState.resultsPaneRunning[pane];
    FrameShowResultsPaneSearching(pane, true);

    // The lines are measured here, in a device context of this thread, with the list's font.
    HDC measure = CreateCompatibleDC(nullptr);
    HGDIOBJ oldFont = nullptr;
    if (measure && g_mainState.outputLists[pane]) {
        if (HFONT font = reinterpret_cast<HFONT>(SendMessageW(g_mainState.outputLists[pane], WM_GETFONT, 0, 0)))
            oldFont = SelectObject(measure, font);
    }

    auto* pipeline = new Pipeline;
    pipeline->job = job;
    pipeline->running = &running;
    pipeline->measure = measure;
    const uint32_t count = job->searchers ? std::min<uint32_t>(job->searchers, 16) : DefaultSearcherCount();
    std::vector<HANDLE> searchers;
    for (uint32_t i = 0; i < count; ++i) {
        if (HANDLE thread = CreateThread(nullptr, 0, SearcherThread, pipeline, 0, nullptr))
            searchers.push_back(thread);
    }
    if (!searchers.empty()) {
        if (!WalkDirectory(job->folder, job->filter, job->subfolders != 0, SearchFileCallback, job, pipeline))
            job->stopped = 1;
    }
    {
        PipelineLock hold(*pipeline);
        pipeline->walkEnded = true;
    }
    WakeAllConditionVariable(&pipeline->fileQueued);
    ListSearchedFiles(*pipeline, true);
    while (pipeline->listed != pipeline->queued)
        ListSearchedFiles(*pipeline, true);
    if (!searchers.empty())
        WaitForMultipleObjects(static_cast<DWORD>(searchers.size()), searchers.data(), TRUE, INFINITE);
    for (HANDLE thread : searchers)
        CloseHandle(thread);
    delete pipeline;
    if (!running.load())
        job->stopped = 1;

    FrameShowSearchStatus(pane, L"");
    const std::wstring format = InterfaceString(g_translationTable, kSummaryTextId);
    wchar_t summary[256] = {};
    _snwprintf(summary, 255, format.c_str(), job->hitCount, job->filesWithHits, job->filesSearched);
    AddResultsLine(g_mainState, summary, pane, nullptr, measure);
    if (job->stopped)
        AddResultsLine(g_mainState, InterfaceString(g_translationTable, kStoppedTextId).c_str(), pane, nullptr,
                       measure);
    running = 0;
    FrameShowResultsPaneSearching(pane, false);
    if (measure) {
        if (oldFont)
            SelectObject(measure, oldFont);
        DeleteDC(measure);
    }
    FreeFindInFilesJob(job);
    return 0;
}

// ---------------------------------------------------------------- starting and stopping

bool FindInFilesBusy(int pane)
{
    if (pane < 0 || pane > 1)
        return false;
    ForgetEndedWorker(pane);
    return g_workers[pane] != nullptr;
}

bool RefuseBusyResultsPane(HWND owner, int pane)
{
    if (!FindInFilesBusy(pane))
        return false;
    // A search that was stopped ends at its next look: wait for it rather than refuse.
    if (!g_mainState.resultsPaneRunning[pane].load() && WaitForFindInFiles(pane, 5000))
        return false;
    MessageBoxFormat(owner, MB_ICONEXCLAMATION, kPaneBusyTextId, pane + 1);
    return true;
}

bool WaitForFindInFiles(int pane, DWORD timeoutMs)
{
    if (pane < 0 || pane > 1 || !g_workers[pane])
        return true;
    if (!WaitServingSentMessages(g_workers[pane], timeoutMs))
        return false;
    ForgetEndedWorker(pane);
    return true;
}

void StopFindInFiles()
{
    for (int pane = 0; pane < 2; ++pane) {
        if (!g_workers[pane])
            continue;
        g_mainState.resultsPaneRunning[pane] = 0;
        WaitForFindInFiles(pane, INFINITE);
    }
}

void StartFindInFiles(HWND dialog)
{
    MainFrameState& state = g_mainState;
    SearchRecord& search = state.search;
    if (!ReadFindInFilesOptions(dialog, search, false))
        return;
    const int pane = (search.flags & SearchFlag::kSecondPane) ? 1 : 0;
    if (RefuseBusyResultsPane(dialog, pane))
        return;
    wchar_t folder[MAX_PATH] = {};
    if (!SearchFolder(dialog, search.flags, folder))
        return;

    auto* job = static_cast<FindInFilesJob*>(HeapAlloc(GetProcessHeap(), HEAP_ZERO_MEMORY, sizeof(FindInFilesJob)));
    if (!job) {
        MessageBoxFormat(dialog, MB_ICONHAND, kCannotStartTextId);
        return;
    }
    job->startTick = GetTickCount();
    job->matchCase = (search.flags & SearchFlag::kMatchCase) ? 1 : 0;
    job->wholeWord = (search.flags & SearchFlag::kWholeWord) ? 1 : 0;
    job->subfolders = (search.flags & SearchFlag::kSubfolders) ? 1 : 0;
    job->pane = static_cast<uint32_t>(pane);
    lstrcpynW(job->findText, search.findText, MAX_PATH);
    lstrcpynW(job->filter, state.findFilesFilter[0] ? state.findFilesFilter : L"*.*", MAX_PATH);
    lstrcpynW(job->folder, folder, MAX_PATH);
    if (!PrepareFindInFilesJob(*job)) {
        FreeFindInFilesJob(job);
        MessageBoxFormat(dialog, MB_ICONEXCLAMATION, kUnsearchableTextId);
        SetFocus(GetDlgItem(dialog, FindControl::kFindCombo));
        return;
    }

    FrameClearResultsPane(pane);
    // Marked running before the worker starts, so that a second search sees it at once.
    state.resultsPaneRunning[pane] = 1;
    HANDLE worker = CreateThread(nullptr, 0, FindInFilesThread, job, 0, nullptr);
    if (!worker) {
        state.resultsPaneRunning[pane] = 0;
        FreeFindInFilesJob(job);
        MessageBoxFormat(dialog, MB_ICONHAND, kCannotStartTextId);
        return;
    }
    g_workers[pane] = worker;
    CloseFindDialog(dialog);
}
