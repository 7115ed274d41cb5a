// "favorite.xml" beside the test executable, removed for a test and put back as it
// was afterwards.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "frame/favorites_data.h"
#include "support/test_support.h"

class KeptFavoritesFile {
public:
    KeptFavoritesFile()
    {
        EXPECT_TRUE(FavoritesFilePath(file_));
        existed_ = GetFileAttributesW(file_) != INVALID_FILE_ATTRIBUTES;
        if (existed_)
            saved_ = ovrik_test::ReadFileBytes(file_);
        DeleteFileW(file_);
    }
    ~KeptFavoritesFile()
    {
        DeleteFileW(file_);
        if (existed_)
            ovrik_test::WriteFileBytes(file_, saved_);
    }
    KeptFavoritesFile(const KeptFavoritesFile&) = delete;
    KeptFavoritesFile& operator=(const KeptFavoritesFile&) = delete;

    const wchar_t* Path() const { return file_; }
    bool Exists() const { return GetFileAttributesW(file_) != INVALID_FILE_ATTRIBUTES; }

private:
    wchar_t file_[MAX_PATH] = {};
    std::string saved_;
    bool existed_ = false;
};
