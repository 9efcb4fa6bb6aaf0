// A growable list of fixed-size records that grows by whole blocks of 1000
// elements and never moves what it already holds.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <vector>

namespace rv17 {

template <class T, std::size_t BlockSize = 1000>
class BlockList {
public:
    static constexpr std::size_t kBlockSize = BlockSize;

    BlockList() = default;
    BlockList(BlockList&&) noexcept = default;
    BlockList& operator=(BlockList&&) noexcept = default;
    // A copy holds the same elements in blocks of its own.
    BlockList(const BlockList& other) : count_(other.count_) {
        for (const auto& block : other.blocks_) {
            blocks_.push_back(std::make_unique<T[]>(BlockSize));
            std::copy(block.get(), block.get() + BlockSize, blocks_.back().get());
        }
    }
    BlockList& operator=(const BlockList& other) {
        if (this != &other) *this = BlockList(other);
        return *this;
    }

    // Appends a value-initialised (for plain records: zero-filled) element.
    T& Append() {
        if (count_ == blocks_.size() * BlockSize) {
            blocks_.push_back(std::make_unique<T[]>(BlockSize));
        }
        T& element = blocks_[count_ / BlockSize][count_ % BlockSize];
        ++count_;
        return element;
    }

    std::size_t Count() const noexcept { return count_; }
    std::size_t Capacity() const noexcept { return blocks_.size() * BlockSize; }
    bool Empty() const noexcept { return count_ == 0; }

    T& operator[](std::size_t index) noexcept {
        return blocks_[index / BlockSize][index % BlockSize];
    }
    const T& operator[](std::size_t index) const noexcept {
        return blocks_[index / BlockSize][index % BlockSize];
    }

    // Frees every block; the list is empty afterwards.
    void Release() noexcept {
        blocks_.clear();
        blocks_.shrink_to_fit();
        count_ = 0;
    }

private:
    std::vector<std::unique_ptr<T[]>> blocks_;
    std::size_t count_ = 0;
};

}  // namespace rv17
