// The panels tests' ctags: the test double found first on PATH, told by
// environment variables what to print, and a sink that keeps what a run delivers.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "panels/ctags_runner.h"
#include "support/test_support.h"

// One delivered tag, copied while its texts are valid.
struct RecordedTag {
    int category = 0;
    std::string name;
    bool hasScope = false;
    std::string scope;
    bool hasPattern = false;
    std::string pattern;
    int line = 0;
    EditDoc* document = nullptr;
};

class RecordingSink : public ITagSink {
public:
    std::vector<RecordedTag> tags;
    int countNotOne = 0;

    void AddTag(int32_t count, const TagInfo* tag) override
    {
        if (count != 1)
            ++countNotOne;
        RecordedTag copy;
        copy.category = tag->category;
        copy.name = tag->name ? tag->name : "";
        copy.hasScope = tag->scope != nullptr;
        copy.scope = tag->scope ? tag->scope : "";
        copy.hasPattern = tag->pattern != nullptr;
        copy.pattern = tag->pattern ? tag->pattern : "";
        copy.line = tag->line;
        copy.document = tag->document;
        tags.push_back(copy);
    }
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const RecordedTag& tag : tags)
            names.push_back(tag.name);
        return names;
    }
};

// Sets an environment variable for the life of the object (empty value: removed),
// and back afterwards.
class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* name, const std::wstring& value) : name_(name)
    {
        wchar_t saved[32768] = {};
        const DWORD length = GetEnvironmentVariableW(name, saved, 32768);
        had_ = length > 0 && length < 32768;
        if (had_)
            saved_ = saved;
        SetEnvironmentVariableW(name, value.empty() ? nullptr : value.c_str());
    }
    ~ScopedEnvironment() { SetEnvironmentVariableW(name_.c_str(), had_ ? saved_.c_str() : nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    std::wstring name_;
    std::wstring saved_;
    bool had_ = false;
};

inline std::wstring DoublesFolder()
{
    std::wstring path = ovrik_test::TestDoublePath(L"ctags");
    return path.substr(0, path.find_last_of(L'\\'));
}

inline std::wstring CurrentPath()
{
    wchar_t value[32768] = {};
    GetEnvironmentVariableW(L"PATH", value, 32768);
    return value;
}

// The ctags double first on PATH, printing in the given mode.
class CtagsDouble {
public:
    explicit CtagsDouble(const std::wstring& mode = L"crlf")
        : path_(L"PATH", DoublesFolder() + L";" + CurrentPath()), mode_(L"OVRIK_CTAGS_MODE", mode)
    {
    }

private:
    ScopedEnvironment path_;
    ScopedEnvironment mode_;
};

// The double printing exactly the given bytes (written to a file in the folder).
class CtagsOutput {
public:
    CtagsOutput(const std::wstring& folder, const std::string& bytes)
        : file_(folder + L"\\ctags-output.txt"), double_(L"file"), output_(L"OVRIK_CTAGS_OUTPUT", file_)
    {
        ovrik_test::WriteFileBytes(file_, bytes);
    }
    // What the next run prints.
    void Set(const std::string& bytes) const { ovrik_test::WriteFileBytes(file_, bytes); }

private:
    std::wstring file_;
    CtagsDouble double_;
    ScopedEnvironment output_;
};
