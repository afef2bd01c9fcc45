// The program's own operator new and delete. A request lives about a
// millisecond and makes a few hundred small blocks (strings, list and map
// nodes), most of them once: the general allocator's first use of each size
// cost a third of the program's own instructions on a small page. Small
// blocks are cut from 64 KiB pieces and kept, when freed, on one list per
// size for the next block of that size; larger ones go to malloc. Every
// block carries its size class in the eight bytes before it, so a block is
// given back where it came from whichever delete frees it.
//
// The sanitizer build keeps the library's own, which it watches.
#if !defined(__SANITIZE_ADDRESS__)

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

constexpr size_t kGrain = 16;          // block sizes, header included, and alignment
constexpr size_t kHeader = 8;          // before the 16-byte aligned block
constexpr size_t kClasses = 32;        // blocks up to 512 bytes, header included
constexpr size_t kPiece = 64 * 1024;   // cut into blocks as they are asked for
constexpr uint64_t kLarge = 0;         // the class of a block from malloc

struct FreeBlock {
    FreeBlock* Next;
};

FreeBlock* gFree[kClasses + 1];
char* gCut = nullptr;  // the header of the next block cut from the piece
char* gPieceEnd = nullptr;

uint64_t& ClassOf(void* block) { return *reinterpret_cast<uint64_t*>(static_cast<char*>(block) - kHeader); }

void* CutBlock(size_t size) {
    if (gCut == nullptr || static_cast<size_t>(gPieceEnd - gCut) < size) {
        // What is left of the piece is dropped: it is less than one block.
        char* piece = static_cast<char*>(std::malloc(kPiece));
        if (piece == nullptr) return nullptr;
        gCut = piece + kGrain - kHeader;
        gPieceEnd = piece + kPiece - kHeader;
    }
    void* block = gCut + kHeader;
    gCut += size;
    return block;
}

void* Allocate(size_t bytes) {
    size_t grains = (bytes + kHeader + kGrain - 1) / kGrain;
    void* block;
    if (grains <= kClasses) {
        if (FreeBlock* kept = gFree[grains]) {
            gFree[grains] = kept->Next;
            return kept;
        }
        block = CutBlock(grains * kGrain);
    } else {
        char* raw = bytes > SIZE_MAX - kGrain ? nullptr : static_cast<char*>(std::malloc(bytes + kGrain));
        block = raw == nullptr ? nullptr : raw + kGrain;
        grains = kLarge;
    }
    if (block != nullptr) ClassOf(block) = grains;
    return block;
}

void Release(void* block) {
    if (block == nullptr) return;
    uint64_t grains = ClassOf(block);
    if (grains == kLarge) return std::free(static_cast<char*>(block) - kGrain);
    FreeBlock* freed = static_cast<FreeBlock*>(block);
    freed->Next = gFree[grains];
    gFree[grains] = freed;
}

}  // namespace

void* operator new(size_t bytes) {
    if (void* block = Allocate(bytes)) return block;
    throw std::bad_alloc();
}
void* operator new[](size_t bytes) { return operator new(bytes); }
void* operator new(size_t bytes, const std::nothrow_t&) noexcept { return Allocate(bytes); }
void* operator new[](size_t bytes, const std::nothrow_t&) noexcept { return Allocate(bytes); }
void operator delete(void* block) noexcept { Release(block); }
void operator delete[](void* block) noexcept { Release(block); }
void operator delete(void* block, size_t) noexcept { Release(block); }
void operator delete[](void* block, size_t) noexcept { Release(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Release(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Release(block); }

#endif
