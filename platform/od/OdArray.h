// Growable copy-on-write array of the SDK (OdArray). Copies share one reference-counted buffer
// until one side changes; every empty array shares one static buffer. Bounds-checked access
// throws OdError_InvalidIndex; a growth that cannot get memory throws OdError(eOutOfMemory).
#pragma once
#include "platform/od/OdAlloc.h"
#include "platform/od/OdError.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <limits>
#include <new>
#include <utility>

struct OdArrayBuffer {
    std::atomic<int> m_nRefCounter;
    int m_nGrowBy;
    unsigned m_nAllocated;
    unsigned m_nLength;

    static OdArrayBuffer g_empty_array_buffer;
};
static_assert(sizeof(OdArrayBuffer) == 16, "element data follows the header at a 16-byte boundary");

// Element handling for objects with constructors (OdString, ...).
template <class T>
struct OdObjectsAllocator {
    static void copyConstruct(T* dst, const T* src, unsigned n)
    {
        for (unsigned i = 0; i < n; ++i)
            ::new (static_cast<void*>(dst + i)) T(src[i]);
    }
    static void construct(T* dst, unsigned n, const T& value)
    {
        for (unsigned i = 0; i < n; ++i)
            ::new (static_cast<void*>(dst + i)) T(value);
    }
    static void destroy(T* p, unsigned n)
    {
        while (n)
            p[--n].~T();
    }
};

template <class T, class A = OdObjectsAllocator<T>>
class OdArray {
public:
    using size_type = unsigned;
    using value_type = T;
    using iterator = T*;
    using const_iterator = const T*;

    OdArray() : m_pData(dataOf(&OdArrayBuffer::g_empty_array_buffer)) { buffer()->m_nRefCounter.fetch_add(1); }
    explicit OdArray(size_type physicalLength, int growBy = 8) : OdArray()
    {
        if (physicalLength)
            reallocate(physicalLength, 0);
        buffer()->m_nGrowBy = growBy;
    }
    OdArray(std::initializer_list<T> items) : OdArray()
    {
        for (const T& item : items)
            push_back(item);
    }
    OdArray(const OdArray& other) : m_pData(other.m_pData) { buffer()->m_nRefCounter.fetch_add(1); }
    OdArray& operator=(const OdArray& other)
    {
        if (m_pData != other.m_pData) {
            other.buffer()->m_nRefCounter.fetch_add(1);
            release();
            m_pData = other.m_pData;
        }
        return *this;
    }
    ~OdArray() { release(); }

    size_type size() const { return buffer()->m_nLength; }
    size_type length() const { return size(); }
    size_type logicalLength() const { return size(); }
    size_type physicalLength() const { return buffer()->m_nAllocated; }
    bool isEmpty() const { return size() == 0; }
    bool empty() const { return size() == 0; }

    const T& operator[](size_type i) const { return at(i); }
    T& operator[](size_type i) { return at(i); }
    const T& at(size_type i) const
    {
        check(i);
        return m_pData[i];
    }
    T& at(size_type i)
    {
        check(i);
        copyIfShared();
        return m_pData[i];
    }
    const T& getAt(size_type i) const { return at(i); }
    OdArray& setAt(size_type i, const T& value)
    {
        at(i) = value;
        return *this;
    }
    const T& first() const { return at(0); }
    const T& last() const { return at(size() - 1); }

    const T* getPtr() const { return m_pData; }
    const T* asArrayPtr() const { return m_pData; }
    const_iterator begin() const { return m_pData; }
    const_iterator end() const { return m_pData + size(); }
    iterator begin()
    {
        copyIfShared();
        return m_pData;
    }
    iterator end()
    {
        copyIfShared();
        return m_pData + size();
    }

    size_type append(const T& value)
    {
        push_back(value);
        return size() - 1;
    }
    void push_back(const T& value)
    {
        const size_type n = size();
        if (isShared() || n + 1 > physicalLength()) {
            T copy(value); // value may live in this array's buffer
            reallocate(grownCapacity(n + 1), n);
            ::new (static_cast<void*>(m_pData + n)) T(std::move(copy));
        } else {
            ::new (static_cast<void*>(m_pData + n)) T(value);
        }
        buffer()->m_nLength = n + 1;
    }
    void resize(size_type n) { resize(n, T()); }
    void resize(size_type n, const T& value)
    {
        const size_type old = size();
        if (n == old)
            return;
        if (n < old) {
            copyIfShared();
            A::destroy(m_pData + n, old - n);
        } else {
            T copy(value);
            if (isShared() || n > physicalLength())
                reallocate(grownCapacity(n), old);
            A::construct(m_pData + old, n - old, copy);
        }
        buffer()->m_nLength = n;
    }
    void reserve(size_type n)
    {
        if (n > physicalLength())
            reallocate(n, size());
    }
    void clear()
    {
        if (isEmpty())
            return;
        if (isShared()) {
            release();
            m_pData = dataOf(&OdArrayBuffer::g_empty_array_buffer);
            buffer()->m_nRefCounter.fetch_add(1);
            return;
        }
        A::destroy(m_pData, size());
        buffer()->m_nLength = 0;
    }
    OdArray& removeAt(size_type i)
    {
        check(i);
        copyIfShared();
        const size_type n = size();
        for (size_type k = i; k + 1 < n; ++k)
            m_pData[k] = std::move(m_pData[k + 1]);
        A::destroy(m_pData + n - 1, 1);
        buffer()->m_nLength = n - 1;
        return *this;
    }
    OdArray& insertAt(size_type i, const T& value)
    {
        if (i > size())
            throw OdError_InvalidIndex();
        push_back(value);
        for (size_type k = size() - 1; k > i; --k)
            std::swap(m_pData[k], m_pData[k - 1]);
        return *this;
    }
    bool find(const T& value, size_type& index, size_type start = 0) const
    {
        for (size_type k = start; k < size(); ++k)
            if (m_pData[k] == value) {
                index = k;
                return true;
            }
        return false;
    }
    bool contains(const T& value, size_type start = 0) const
    {
        size_type ignored;
        return find(value, ignored, start);
    }
    // Number of arrays sharing the buffer; for tests of the copy-on-write behaviour.
    int refCount() const { return buffer()->m_nRefCounter.load(); }

private:
    static T* dataOf(OdArrayBuffer* b) { return reinterpret_cast<T*>(b + 1); }
    OdArrayBuffer* buffer() const { return reinterpret_cast<OdArrayBuffer*>(m_pData) - 1; }
    bool isShared() const
    {
        return buffer()->m_nRefCounter.load() > 1 || buffer() == &OdArrayBuffer::g_empty_array_buffer;
    }
    void check(size_type i) const
    {
        if (i >= size())
            throw OdError_InvalidIndex();
    }
    void copyIfShared()
    {
        if (buffer()->m_nRefCounter.load() > 1)
            reallocate(physicalLength() ? physicalLength() : size(), size());
    }
    size_type grownCapacity(size_type needed) const
    {
        const size_type cap = physicalLength();
        size_type grown = cap + (cap / 2 > 8 ? cap / 2 : 8);
        if (grown < cap) // wrapped
            grown = std::numeric_limits<size_type>::max();
        return needed > grown ? needed : grown;
    }
    // New buffer of `capacity` elements holding the first `keep` elements of the current one.
    void reallocate(size_type capacity, size_type keep)
    {
        if (capacity > (std::numeric_limits<std::size_t>::max() - sizeof(OdArrayBuffer)) / sizeof(T))
            throw OdError(eOutOfMemory);
        void* raw = odrxAlloc(sizeof(OdArrayBuffer) + std::size_t(capacity) * sizeof(T));
        if (!raw)
            throw OdError(eOutOfMemory);
        OdArrayBuffer* b = static_cast<OdArrayBuffer*>(raw);
        new (&b->m_nRefCounter) std::atomic<int>(1);
        b->m_nGrowBy = buffer()->m_nGrowBy;
        b->m_nAllocated = capacity;
        b->m_nLength = keep;
        T* data = dataOf(b);
        if (buffer() == &OdArrayBuffer::g_empty_array_buffer) {
            b->m_nLength = 0; // nothing to carry over
        } else if (buffer()->m_nRefCounter.load() > 1) {
            A::copyConstruct(data, m_pData, keep);
        } else {
            for (size_type k = 0; k < keep; ++k) {
                ::new (static_cast<void*>(data + k)) T(std::move(m_pData[k]));
            }
        }
        release();
        m_pData = data;
    }
    void release()
    {
        OdArrayBuffer* b = buffer();
        if (b->m_nRefCounter.fetch_sub(1) == 1 && b != &OdArrayBuffer::g_empty_array_buffer) {
            A::destroy(m_pData, b->m_nLength);
            odrxFree(b);
        }
    }

    T* m_pData;
};
