// A fresh temporary folder for one test, removed with everything in it afterwards.
#pragma once

#include <atomic>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <string_view>

namespace rv17 {

class TestFolder {
public:
    TestFolder() {
        static std::atomic<unsigned> counter{0};
        std::random_device seed;
        path_ = std::filesystem::temp_directory_path() /
                ("rv17-test-" + std::to_string(seed()) + "-" + std::to_string(counter++));
        std::filesystem::create_directories(path_);
    }
    ~TestFolder() {
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    std::filesystem::path Write(std::string_view name, std::string_view bytes) const {
        const auto file = path_ / std::filesystem::path(name);
        std::ofstream out(file, std::ios::binary);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

    std::size_t FileCount() const {
        std::size_t count = 0;
        for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(path_))
            ++count;
        return count;
    }

private:
    std::filesystem::path path_;
};

}  // namespace rv17
