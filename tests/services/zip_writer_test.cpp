#include <gtest/gtest.h>

#include "services/loopback.h"
#include "services/zip_writer.h"
#include "support/test_support.h"

#include <zlib.h>

#include <cstring>
#include <string>

using namespace ovrik_test;

namespace {

std::string Finish(ZipWriter& zip)
{
    size_t size = 0;
    BYTE* block = ZipWriter::Finish(zip, &size);
    EXPECT_NE(block, nullptr);
    if (!block)
        return std::string();
    std::string archive(reinterpret_cast<const char*>(block), size);
    HeapFree(GetProcessHeap(), 0, block);
    return archive;
}

uint32_t U32At(const std::string& bytes, size_t at)
{
    return static_cast<uint32_t>(static_cast<unsigned char>(bytes[at])) |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + 3])) << 24;
}

uint16_t U16At(const std::string& bytes, size_t at)
{
    return static_cast<uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                 static_cast<unsigned char>(bytes[at + 1]) << 8);
}

std::string Hex8(uint32_t value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%08x", value);
    return text;
}

uint32_t Crc(const std::string& data)
{
    return static_cast<uint32_t>(crc32(0L, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size())));
}

int Add(ZipWriter& zip, const char* name, const std::string& data, unsigned flags = 0)
{
    return ZipWriter::AddFile(zip, name, data.data(), static_cast<uint32_t>(data.size()), flags, nullptr);
}

// The external attributes of the central-directory header of entry `index`.
uint32_t ExternalAttributes(const std::string& archive, int index)
{
    const size_t end = archive.size() - 22;
    size_t at = U32At(archive, end + 16);
    for (int i = 0; i < index; ++i)
        at += 46 + U16At(archive, at + 28);
    return U32At(archive, at + 38);
}

std::string Repeated(const std::string& piece, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += piece;
    return out;
}

} // namespace

TEST(ZipWriter, EmptyArchiveIsTheEndRecordAlone)
{
    ZipWriter zip;
    const std::string archive = Finish(zip);
    const unsigned char expected[22] = {0x50, 0x4B, 0x05, 0x06};
    ASSERT_EQ(archive.size(), 22u);
    EXPECT_EQ(std::memcmp(archive.data(), expected, 22), 0);
    ASSERT_TRUE(LoopbackServer::Get().Ready());
    EXPECT_TRUE(HasLine(LoopbackServer::Get().CheckZip(archive), "zipfile=ok"));
}

TEST(ZipWriter, EntriesPassUnzipAndZipfile)
{
    ASSERT_TRUE(LoopbackServer::Get().Ready());
    ZipWriter zip;
    const std::string text = Repeated("The quick brown fox jumps over the lazy dog.\r\n", 400);
    const std::string binary = [] {
        std::string b;
        uint32_t x = 12345;
        for (int i = 0; i < 70000; ++i) {
            x = x * 1103515245u + 12345u;
            b += static_cast<char>(x >> 24);
        }
        return b;
    }();
    EXPECT_EQ(Add(zip, "notes\\readme.txt", text), 0);
    EXPECT_EQ(Add(zip, "empty.txt", std::string()), 1);
    EXPECT_EQ(Add(zip, "stored.bin", binary, kZipStore), 2);
    EXPECT_EQ(Add(zip, "packed.bin", binary), 3);
    EXPECT_EQ(Add(zip, "folder/", std::string()), 4);
    EXPECT_EQ(Add(zip, "caf\xE9.txt", "accented"), 5);   // ANSI name, stored as UTF-8

    // Compressed text is smaller than the text; the empty file is stored with CRC 0.
    EXPECT_EQ(zip.entries[0].method, 8);
    EXPECT_LT(zip.entries[0].compressedSize, zip.entries[0].size / 4);
    EXPECT_EQ(zip.entries[1].method, 0);
    EXPECT_EQ(zip.entries[1].compressedSize, 0u);
    EXPECT_EQ(zip.entries[1].crc, 0u);
    EXPECT_EQ(zip.entries[2].method, 0);
    EXPECT_EQ(zip.entries[2].compressedSize, binary.size());
    EXPECT_EQ(ZipWriter::FindEntry(zip, "notes/readme.txt"), 0);
    EXPECT_EQ(ZipWriter::FindEntry(zip, "notes\\readme.txt"), -1);
    EXPECT_EQ(ZipWriter::FindEntry(zip, "NOTES/README.TXT"), -1);   // case counts
    EXPECT_EQ(ZipWriter::FindEntry(zip, "caf\xC3\xA9.txt"), 5);

    const std::string archive = Finish(zip);
    const std::string check = LoopbackServer::Get().CheckZip(archive);
    EXPECT_TRUE(HasLine(check, "unzip=0")) << check;
    EXPECT_TRUE(HasLine(check, "zipfile=ok")) << check;
    // name|method|size|compressed|crc|flags: every entry carries the UTF-8 flag.
    EXPECT_TRUE(HasLine(check, "entry=notes/readme.txt|8|" + std::to_string(text.size()) + "|" +
                                   std::to_string(zip.entries[0].compressedSize) + "|" + Hex8(Crc(text)) + "|2048"))
        << check;
    EXPECT_TRUE(HasLine(check, "entry=empty.txt|0|0|0|00000000|2048")) << check;
    EXPECT_TRUE(HasLine(check, "entry=stored.bin|0|70000|70000|" + Hex8(Crc(binary)) + "|2048")) << check;
    EXPECT_TRUE(HasLine(check, "entry=caf\xC3\xA9.txt|8|8|" + std::to_string(zip.entries[5].compressedSize) + "|" +
                                   Hex8(Crc("accented")) + "|2048"))
        << check;
    // A folder entry is marked as a directory, a file as an archive.
    EXPECT_EQ(ExternalAttributes(archive, 4), 0x10u);
    EXPECT_EQ(ExternalAttributes(archive, 0), 0x20u);
    EXPECT_EQ(ExternalAttributes(archive, 1), 0x20u);   // an empty file is no folder
}

TEST(ZipWriter, ReplacingKeepsTheIndexAndTheArchiveSound)
{
    ASSERT_TRUE(LoopbackServer::Get().Ready());
    // Shorter and longer replacements, compressed and stored.
    const struct {
        std::string first;
        std::string second;
        unsigned flags;
    } cases[] = {
        {Repeated("first version ", 500), "short", 0},
        {"short", Repeated("a much longer second version ", 900), 0},
        {"short", Repeated("stored second version ", 50), kZipStore},
        {Repeated("gone ", 100), std::string(), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.second.size());
        ZipWriter zip;
        EXPECT_EQ(Add(zip, "a.txt", "before"), 0);
        EXPECT_EQ(Add(zip, "log\\d.txt", c.first), 1);
        EXPECT_EQ(Add(zip, "z.txt", "after"), 2);
        EXPECT_EQ(Add(zip, "log/d.txt", c.second, kZipReplace | c.flags), 1);
        ASSERT_EQ(zip.entries.size(), 3u);
        EXPECT_EQ(zip.entries[1].size, c.second.size());
        EXPECT_EQ(zip.entries[1].crc, c.second.empty() ? 0u : Crc(c.second));
        const std::string check = LoopbackServer::Get().CheckZip(Finish(zip));
        EXPECT_TRUE(HasLine(check, "unzip=0")) << check;
        EXPECT_TRUE(HasLine(check, "zipfile=ok")) << check;
        const std::string crc = Hex8(c.second.empty() ? 0u : Crc(c.second));
        EXPECT_NE(check.find("entry=log/d.txt|" + std::to_string(zip.entries[1].method) + "|" +
                             std::to_string(c.second.size()) + "|"),
                  std::string::npos)
            << check;
        EXPECT_NE(check.find("|" + crc + "|2048"), std::string::npos) << check;
    }
    // Without the flag a second entry of the same name is added.
    ZipWriter zip;
    EXPECT_EQ(Add(zip, "same.txt", "one"), 0);
    EXPECT_EQ(Add(zip, "same.txt", "two"), 1);
    EXPECT_EQ(ZipWriter::FindEntry(zip, "same.txt"), 0);
    // With the flag and no such entry, a new one.
    EXPECT_EQ(Add(zip, "new.txt", "three", kZipReplace), 2);
}

TEST(ZipWriter, ManyEntriesAndGivenDates)
{
    ASSERT_TRUE(LoopbackServer::Get().Ready());
    ZipWriter zip;
    SYSTEMTIME when = {2021, 6, 0, 15, 13, 45, 30, 0};
    FILETIME time;
    ASSERT_TRUE(SystemTimeToFileTime(&when, &time));
    for (int i = 0; i < 250; ++i) {
        const std::string name = "file" + std::to_string(i) + ".txt";
        const std::string data = Repeated(name, i % 7);
        ASSERT_EQ(ZipWriter::AddFile(zip, name.c_str(), data.data(), static_cast<uint32_t>(data.size()), 0, &time), i);
    }
    WORD date = 0, clock = 0;
    FileTimeToDosDateTime(&time, &date, &clock);
    EXPECT_EQ(zip.entries[249].dosDate, date);
    EXPECT_EQ(zip.entries[249].dosTime, clock);
    // Without a file time the writer's default date is taken when set.
    zip.defaultDate = 0x5321;
    zip.defaultTime = 0x1234;
    ASSERT_EQ(Add(zip, "dated.txt", "x"), 250);
    EXPECT_EQ(zip.entries[250].dosDate, 0x5321);
    EXPECT_EQ(zip.entries[250].dosTime, 0x1234);
    const std::string archive = Finish(zip);
    EXPECT_EQ(U16At(archive, archive.size() - 22 + 8), 251);
    const std::string check = LoopbackServer::Get().CheckZip(archive);
    EXPECT_TRUE(HasLine(check, "unzip=0")) << check.substr(0, 200);
    EXPECT_TRUE(HasLine(check, "zipfile=ok")) << check.substr(0, 200);
}
