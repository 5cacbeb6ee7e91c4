// Global new and delete over the C runtime's heap, for the product binaries, which are built
// without C++ exceptions: this keeps the exception machinery of the C++ library out of them.
#include <new>
#include <stdlib.h>

void* operator new(size_t size)
{
    void* block = malloc(size != 0 ? size : 1);
    if (block == nullptr)
        abort();  // no exception to throw; going on with a null object would be worse
    return block;
}

void* operator new[](size_t size)
{
    return operator new(size);
}

void operator delete(void* block) noexcept
{
    free(block);
}

void operator delete[](void* block) noexcept
{
    free(block);
}

void operator delete(void* block, size_t) noexcept
{
    free(block);
}

void operator delete[](void* block, size_t) noexcept
{
    free(block);
}
