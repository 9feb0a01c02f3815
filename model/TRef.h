#pragma once

#include <atomic>
#include <utility>

// Items and collections count their holders and destroy themselves when the
// last one lets go. Every operation that hands one out has added a reference
// for the caller; TRef takes over that reference and releases it when it goes.
class TRefCounted
{
public:
    virtual ~TRefCounted() = default;
    int AddRef() { return ++m_refCount; }
    // Out of line: the object may be a secondary base of its class, and the
    // virtual destructor must be the one that frees it.
    int Release();
    int RefCount() const { return m_refCount; }

protected:
    TRefCounted() = default;
    TRefCounted(const TRefCounted&) = delete;
    TRefCounted& operator=(const TRefCounted&) = delete;

private:
    std::atomic<int> m_refCount{0};
};

template <class T>
class TRef
{
public:
    TRef() = default;
    // Adds a reference of its own.
    explicit TRef(T* object) : m_p(object)
    {
        if (m_p)
            m_p->AddRef();
    }
    TRef(const TRef& other) : TRef(other.m_p) {}
    TRef(TRef&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
    template <class U>
    TRef(TRef<U>&& other) noexcept : m_p(other.Detach()) {}
    template <class U>
    TRef(const TRef<U>& other) : TRef(other.get()) {}
    ~TRef() { Reset(); }

    TRef& operator=(TRef other) noexcept
    {
        std::swap(m_p, other.m_p);
        return *this;
    }

    void Reset()
    {
        if (T* p = std::exchange(m_p, nullptr))
            p->Release();
    }
    // Gives up the reference without releasing it.
    T* Detach() { return std::exchange(m_p, nullptr); }

    T* get() const { return m_p; }
    T* operator->() const { return m_p; }
    T& operator*() const { return *m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};

template <class T, class U>
TRef<T> StaticRefCast(const TRef<U>& ref)
{
    return TRef<T>(static_cast<T*>(ref.get()));
}
