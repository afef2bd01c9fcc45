#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

// The program's operator new: blocks of every size, small and large, freed
// and made again in any order, stay aligned and never overlap a live one.
TEST(CoreSmallBlocks, BlocksOfEverySizeStayAlignedAndApart) {
    std::mt19937 random(3);
    struct Live {
        unsigned char* At;
        size_t Size;
        unsigned char Fill;
    };
    std::vector<Live> live;
    auto make = [&](size_t size) {
        auto* at = static_cast<unsigned char*>(::operator new(size));
        ASSERT_EQ(reinterpret_cast<uintptr_t>(at) % 16, 0u) << size;
        unsigned char fill = static_cast<unsigned char>(random());
        std::memset(at, fill, size);
        live.push_back({at, size, fill});
    };
    for (int round = 0; round < 20000; ++round) {
        if (live.empty() || random() % 3 != 0) {
            size_t size = random() % 8 == 0 ? random() % 5000 : random() % 600;
            make(size);
        } else {
            size_t victim = random() % live.size();
            Live block = live[victim];
            for (size_t i = 0; i < block.Size; ++i) ASSERT_EQ(block.At[i], block.Fill) << block.Size;
            if (random() % 2)
                ::operator delete(block.At);
            else
                ::operator delete(block.At, block.Size);
            live[victim] = live.back();
            live.pop_back();
        }
    }
    for (const Live& block : live) {
        for (size_t i = 0; i < block.Size; ++i) ASSERT_EQ(block.At[i], block.Fill) << block.Size;
        ::operator delete(block.At);
    }
    auto* array = new (std::nothrow) char[40];
    ASSERT_NE(array, nullptr);
    delete[] array;
}
