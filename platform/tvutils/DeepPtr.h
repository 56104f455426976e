// An optional part owned by its holder: a std::unique_ptr that is copied along with the holder,
// so that the holder's copy and assignment can be the compiler's and never miss a member.
#pragma once
#include <cstddef>
#include <memory>
#include <utility>

namespace ut {

template <class T>
class DeepPtr {
public:
    DeepPtr() = default;
    DeepPtr(std::nullptr_t) {}
    DeepPtr(std::unique_ptr<T> part) : m_part(std::move(part)) {}
    DeepPtr(const DeepPtr& other) : m_part(other.m_part ? std::make_unique<T>(*other.m_part) : nullptr) {}
    DeepPtr(DeepPtr&&) noexcept = default;
    DeepPtr& operator=(const DeepPtr& other)
    {
        if (this != &other)
            m_part = other.m_part ? std::make_unique<T>(*other.m_part) : nullptr;
        return *this;
    }
    DeepPtr& operator=(DeepPtr&&) noexcept = default;
    DeepPtr& operator=(std::unique_ptr<T> part)
    {
        m_part = std::move(part);
        return *this;
    }
    DeepPtr& operator=(std::nullptr_t)
    {
        m_part.reset();
        return *this;
    }

    T* get() const { return m_part.get(); }
    T* operator->() const { return m_part.get(); }
    T& operator*() const { return *m_part; }
    explicit operator bool() const { return m_part != nullptr; }
    void reset(T* part = nullptr) { m_part.reset(part); }
    friend bool operator==(const DeepPtr& p, std::nullptr_t) { return !p; }
    friend bool operator!=(const DeepPtr& p, std::nullptr_t) { return static_cast<bool>(p); }

private:
    std::unique_ptr<T> m_part;
};

} // namespace ut
