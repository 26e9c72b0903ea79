#pragma once
// Archives written with libzip for the extraction tests, and a scratch
// folder to extract them into.

#include "support/scratch_folder.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <cstdlib>
#include <ctime>
#include <deque>
#include <filesystem>
#include <string>

namespace tarnix::testing {

// A scratch folder per test that also puts the process's current directory
// back when it goes, as extraction changes it.
class ExtractionFolder : public ScratchFolder {
public:
    ExtractionFolder() : previous_(std::filesystem::current_path()) {}
    ~ExtractionFolder() { std::filesystem::current_path(previous_); }

    std::filesystem::path operator/(const std::string& name) const { return file(name); }

private:
    std::filesystem::path previous_;
};

// Entries are added in order; every setter applies to the last one added.
class TestArchive {
public:
    explicit TestArchive(const std::filesystem::path& path)
    {
        int error = 0;
        archive_ = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
        EXPECT_NE(archive_, nullptr);
    }
    ~TestArchive()
    {
        if (archive_)
            zip_discard(archive_);
    }

    TestArchive& add(const std::string& name, std::string data)
    {
        const std::string& kept = data_.emplace_back(std::move(data));
        zip_source_t* source = zip_source_buffer(archive_, kept.data(), kept.size(), 0);
        // Names that are no valid UTF-8 are stored as they are.
        index_ = zip_file_add(archive_, name.c_str(), source, ZIP_FL_ENC_GUESS);
        EXPECT_GE(index_, 0) << name;
        return *this;
    }
    TestArchive& folder(const std::string& name)
    {
        index_ = zip_dir_add(archive_, name.c_str(), 0);
        return *this;
    }
    // Stored without compression, so that its bytes can be found and damaged.
    TestArchive& stored() { return check(zip_set_file_compression(archive_, index_, ZIP_CM_STORE, 0)); }
    TestArchive& encrypted(const std::string& password, zip_uint16_t method = ZIP_EM_AES_256)
    {
        return check(zip_file_set_encryption(archive_, index_, method, password.c_str()));
    }
    TestArchive& modified(std::time_t time) { return check(zip_file_set_mtime(archive_, index_, time, 0)); }
    TestArchive& madeOn(zip_uint8_t system) { return check(zip_file_set_external_attributes(archive_, index_, 0, system, 0)); }
    TestArchive& symbolicLink()
    {
        return check(zip_file_set_external_attributes(archive_, index_, 0, ZIP_OPSYS_UNIX, 0120777u << 16));
    }
    void close()
    {
        EXPECT_EQ(zip_close(archive_), 0) << zip_strerror(archive_);
        archive_ = nullptr;
    }

private:
    TestArchive& check(int result)
    {
        EXPECT_EQ(result, 0) << zip_strerror(archive_);
        return *this;
    }

    zip_t* archive_ = nullptr;
    zip_int64_t index_ = -1;
    std::deque<std::string> data_;  // libzip reads the data at close
};

// Flips a byte in the middle of the only place `data` is stored in the
// archive: the entry's check sum then fails.
inline void damage(const std::filesystem::path& archive, const std::string& data)
{
    std::string bytes = readFile(archive);
    const std::size_t at = bytes.find(data);
    ASSERT_NE(at, std::string::npos);
    ASSERT_EQ(bytes.find(data, at + 1), std::string::npos);
    bytes[at + data.size() / 2] ^= 0x55;
    writeFile(archive, bytes);
}

// The salt is random, and one wrong password in 65536 passes AES's quick
// check; such an archive is written again, so the test never depends on luck.
template <class Write>
void writeRejecting(const std::filesystem::path& archive, const std::string& wrongPassword, Write write)
{
    for (;;) {
        write();
        int error = 0;
        zip_t* read = zip_open(archive.c_str(), ZIP_RDONLY, &error);
        ASSERT_NE(read, nullptr);
        zip_file_t* file = zip_fopen_index_encrypted(read, 0, 0, wrongPassword.c_str());
        const bool rejected = file == nullptr;
        if (file)
            zip_fclose(file);
        zip_discard(read);
        if (rejected)
            return;
    }
}

}  // namespace tarnix::testing
