#include "services/zip_writer.h"

#include "core/text_convert.h"

#include <zlib.h>

#include <cstring>
#include <new>
#include <string>

namespace {

constexpr size_t kReservedEntries = 90;
constexpr uint32_t kLocalHeaderSize = 30;
constexpr uint32_t kCentralHeaderSize = 46;
constexpr uint32_t kEndRecordSize = 22;

HANDLE Heap()
{
    return GetProcessHeap();
}

// The name as stored: UTF-8 (or as given), every backslash a forward slash.
bool StoredName(const ZipWriter& zip, const char* name, std::string& stored)
{
    try {
        stored = zip.utf8Names ? WideToUtf8(MultiByteToWide(name ? name : "", CP_ACP)) : std::string(name ? name : "");
    } catch (const std::bad_alloc&) {
        return false;
    }
    for (char& c : stored) {
        if (c == '\\')
            c = '/';
    }
    return stored.size() <= 0xFFFF;
}

void DosDateTime(const ZipWriter& zip, const FILETIME* time, uint16_t& date, uint16_t& clock)
{
    WORD d = 0, t = 0;
    if (time) {
        FileTimeToDosDateTime(time, &d, &t);
    } else if (zip.defaultDate) {
        d = zip.defaultDate;
        t = zip.defaultTime;
    } else {
        SYSTEMTIME now;
        GetLocalTime(&now);
        FILETIME local;
        if (SystemTimeToFileTime(&now, &local))
            FileTimeToDosDateTime(&local, &d, &t);
    }
    date = d;
    clock = t;
}

bool GrowScratch(ZipWriter& zip, size_t needed)
{
    if (zip.scratchCapacity >= needed)
        return true;
    void* grown = zip.scratch ? HeapReAlloc(Heap(), 0, zip.scratch, needed) : HeapAlloc(Heap(), 0, needed);
    if (!grown)
        return false;
    zip.scratch = static_cast<BYTE*>(grown);
    zip.scratchCapacity = needed;
    return true;
}

// Raw deflate of the whole input into the scratch buffer in one call; false when
// zlib does not finish the stream (the caller then stores the data).
bool Deflate(ZipWriter& zip, const void* data, uint32_t size, uint32_t& compressedSize)
{
    const uLong bound = compressBound(size);
    if (!GrowScratch(zip, bound))
        return false;
    z_stream stream = {};
    if (deflateInit2(&stream, zip.level, Z_DEFLATED, -15, 9, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    stream.next_in = static_cast<Bytef*>(const_cast<void*>(data));
    stream.avail_in = size;
    stream.next_out = zip.scratch;
    stream.avail_out = static_cast<uInt>(bound);
    const int result = deflate(&stream, Z_FINISH);
    compressedSize = static_cast<uint32_t>(bound - stream.avail_out);
    deflateEnd(&stream);
    return result == Z_STREAM_END;
}

void ReleaseBlock(ZipWriter& zip, void* data)
{
    for (size_t i = 0; i < zip.blocks.size(); ++i) {
        if (zip.blocks[i].data == data) {
            HeapFree(Heap(), 0, data);
            zip.blocks.erase(zip.blocks.begin() + static_cast<std::ptrdiff_t>(i));
            return;
        }
    }
}

struct Output {
    BYTE* at;
    void U16(uint32_t v)
    {
        at[0] = static_cast<BYTE>(v & 0xFF);
        at[1] = static_cast<BYTE>((v >> 8) & 0xFF);
        at += 2;
    }
    void U32(uint32_t v)
    {
        U16(v & 0xFFFF);
        U16(v >> 16);
    }
    void Bytes(const void* p, size_t n)
    {
        if (n)
            std::memcpy(at, p, n);
        at += n;
    }
};

// The fields the local and the central header share, from the flags to the name's length.
void WriteEntryFields(Output& out, const ZipEntry& e)
{
    out.U16(e.utf8Name ? 0x0800 : 0);
    out.U16(e.method);
    out.U16(e.dosTime);
    out.U16(e.dosDate);
    out.U32(e.crc);
    out.U32(e.compressedSize);
    out.U32(e.size);
    out.U16(e.nameLength);
}

} // namespace

ZipWriter::ZipWriter()
{
    entries.reserve(kReservedEntries);
}

int ZipWriter::AddFile(ZipWriter& zip, const char* name, const void* data, uint32_t size, unsigned flags,
                       const FILETIME* time)
{
    if (!data)
        size = 0;
    std::string stored;
    if (!StoredName(zip, name, stored))
        return -1;
    int replaced = -1;
    if (flags & kZipReplace)
        replaced = FindEntry(zip, stored.c_str());

    ZipEntry entry;
    entry.nameLength = static_cast<uint16_t>(stored.size());
    entry.utf8Name = zip.utf8Names ? 1 : 0;
    entry.size = size;
    DosDateTime(zip, time, entry.dosDate, entry.dosTime);

    const void* bytes = data;
    bool compressed = false;
    if (size > 0 && !(flags & kZipStore)) {
        uint32_t packed = 0;
        if (Deflate(zip, data, size, packed)) {
            bytes = zip.scratch;
            entry.compressedSize = packed;
            compressed = true;
        }
    }
    if (!compressed)
        entry.compressedSize = size;

    const size_t blockSize = static_cast<size_t>(entry.compressedSize) + entry.nameLength + 1;
    BYTE* block = static_cast<BYTE*>(HeapAlloc(Heap(), HEAP_ZERO_MEMORY, blockSize));
    if (!block)
        return -1;
    if (entry.compressedSize)
        std::memcpy(block, bytes, entry.compressedSize);
    std::memcpy(block + entry.compressedSize, stored.data(), stored.size());
    entry.data = block;
    entry.name = reinterpret_cast<const char*>(block + entry.compressedSize);
    entry.crc = size ? static_cast<uint32_t>(crc32(0L, static_cast<const Bytef*>(data), size)) : 0;
    entry.method = compressed && entry.compressedSize > 0 ? 8 : 0;

    try {
        if (zip.blocks.size() == zip.blocks.capacity())
            zip.blocks.reserve(zip.blocks.capacity() + zip.blocks.capacity() / 2 + 1);
        zip.blocks.push_back({block, blockSize});
        if (replaced < 0 && zip.entries.size() == zip.entries.capacity())
            zip.entries.reserve(zip.entries.capacity() + zip.entries.capacity() / 2 + 1);
    } catch (const std::bad_alloc&) {
        if (!zip.blocks.empty() && zip.blocks.back().data == block)
            zip.blocks.pop_back();
        HeapFree(Heap(), 0, block);
        return -1;
    }
    if (replaced >= 0) {
        // The whole entry is new: data, CRC, sizes, method and date, so the
        // archive stays consistent; the old block goes.
        ReleaseBlock(zip, zip.entries[static_cast<size_t>(replaced)].data);
        zip.entries[static_cast<size_t>(replaced)] = entry;
        return replaced;
    }
    zip.entries.push_back(entry);
    return static_cast<int>(zip.entries.size() - 1);
}

int ZipWriter::FindEntry(const ZipWriter& zip, const char* storedName)
{
    if (!storedName)
        return -1;
    const size_t length = std::strlen(storedName);
    for (size_t i = 0; i < zip.entries.size(); ++i) {
        const ZipEntry& e = zip.entries[i];
        if (e.nameLength == length && std::memcmp(e.name, storedName, length) == 0)
            return static_cast<int>(i);
    }
    return -1;
}

BYTE* ZipWriter::Finish(ZipWriter& zip, size_t* outSize)
{
    if (outSize)
        *outSize = 0;
    uint64_t total = kEndRecordSize;
    for (const ZipEntry& e : zip.entries)
        total += kLocalHeaderSize + e.nameLength + e.compressedSize + kCentralHeaderSize + e.nameLength;
    if (total > 0xFFFFFFFFu)
        return nullptr;
    BYTE* archive = static_cast<BYTE*>(HeapAlloc(Heap(), 0, static_cast<size_t>(total)));
    if (!archive)
        return nullptr;
    Output out{archive};
    for (ZipEntry& e : zip.entries) {
        e.localOffset = static_cast<uint32_t>(out.at - archive);
        out.U32(0x04034B50);
        out.U16(20);
        WriteEntryFields(out, e);
        out.U16(0);
        out.Bytes(e.name, e.nameLength);
        out.Bytes(e.data, e.compressedSize);
    }
    const uint32_t directoryOffset = static_cast<uint32_t>(out.at - archive);
    for (const ZipEntry& e : zip.entries) {
        const bool directory = e.size == 0 && e.nameLength > 0 && e.name[e.nameLength - 1] == '/';
        out.U32(0x02014B50);
        out.U16(20);
        out.U16(20);
        WriteEntryFields(out, e);
        out.U16(0);   // extra
        out.U16(0);   // comment
        out.U16(0);   // disk
        out.U16(0);   // internal attributes
        out.U32(directory ? 0x10 : 0x20);
        out.U32(e.localOffset);
        out.Bytes(e.name, e.nameLength);
    }
    const uint32_t directorySize = static_cast<uint32_t>(out.at - archive) - directoryOffset;
    const uint32_t count = static_cast<uint32_t>(zip.entries.size());
    out.U32(0x06054B50);
    out.U16(0);
    out.U16(0);
    out.U16(count);
    out.U16(count);
    out.U32(directorySize);
    out.U32(directoryOffset);
    out.U16(0);
    if (outSize)
        *outSize = static_cast<size_t>(total);
    return archive;
}

void ZipWriter::Destroy(ZipWriter& zip)
{
    if (zip.scratch)
        HeapFree(Heap(), 0, zip.scratch);
    zip.scratch = nullptr;
    zip.scratchCapacity = 0;
    for (const OwnedBlock& b : zip.blocks)
        HeapFree(Heap(), 0, b.data);
    zip.blocks.clear();
    zip.entries.clear();
}
