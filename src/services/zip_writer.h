// A ZIP archive built entirely in memory (local headers, central directory and end
// record; no ZIP64, encryption, extra fields or comments), handed back as one heap
// block. The crash and bug reports put the minidump and an attached file into it.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <vector>

struct ZipEntry {
    uint32_t localOffset = 0;      // offset of the local header, set while serialising
    uint16_t method = 0;           // 8 deflate, 0 stored
    uint16_t nameLength = 0;       // bytes of the stored name
    uint16_t dosTime = 0;
    uint16_t dosDate = 0;
    uint32_t crc = 0;              // CRC-32 of the uncompressed data
    uint32_t compressedSize = 0;   // bytes stored
    uint32_t size = 0;             // uncompressed bytes
    const char* name = nullptr;    // the stored name, inside the entry's block
    BYTE* data = nullptr;          // the stored bytes: the start of the entry's block
    uint8_t utf8Name = 0;          // the name is UTF-8 (flag 0x0800)
};

// AddFile flags.
enum : unsigned {
    kZipReplace = 1,   // replace the data of an entry of the same name
    kZipStore = 2,     // store the data without compression
};

struct ZipWriter {
    struct OwnedBlock {
        void* data;
        size_t length;
    };

    std::vector<ZipEntry> entries;
    std::vector<OwnedBlock> blocks;   // every heap block the writer owns
    BYTE* scratch = nullptr;          // compression output; only grows
    size_t scratchCapacity = 0;
    int level = -1;                   // zlib's default compression
    bool utf8Names = true;
    uint16_t defaultDate = 0;         // 0: the current local time
    uint16_t defaultTime = 0;

    ZipWriter();
    ~ZipWriter() { Destroy(*this); }
    ZipWriter(const ZipWriter&) = delete;
    ZipWriter& operator=(const ZipWriter&) = delete;

    // Adds the data under the name (ANSI code page; '\\' is stored as '/'), dated by
    // the file time or, without one, the default date or the current local time.
    // The index of the entry, or -1 when memory runs out. With kZipReplace an entry
    // of the same name gets the new data, CRC and sizes and keeps its index.
    static int AddFile(ZipWriter& zip, const char* name, const void* data, uint32_t size, unsigned flags,
                       const FILETIME* time);
    // The first entry whose stored name has these bytes (case-sensitive), else -1.
    // The name is taken as stored (after conversion and slash replacement).
    static int FindEntry(const ZipWriter& zip, const char* storedName);
    // The whole archive in one process-heap block (free it with HeapFree) and its
    // size; null when memory runs out.
    static BYTE* Finish(ZipWriter& zip, size_t* outSize);
    // Frees the scratch buffer and every block; the writer is then empty.
    static void Destroy(ZipWriter& zip);
};
